#include "companion/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "companion/icons.h"
#include "companion/vek_print_ids.h"

namespace orvik {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(vek_ids::Name(vek_ids::kAboutDialog));
    setWindowTitle(QStringLiteral("关于 vekPrint"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    auto* version = new QLabel(QStringLiteral("vekPrint 1.0 版"), this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(vek_ids::Name(vek_ids::kOk));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* line = new QHBoxLayout;
    line->addWidget(icon);
    line->addSpacing(12);
    line->addWidget(version, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orvik
