#include "calculator/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/control_id.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

const char16_t kNote[] =
    u"本计算器用于工程设计中的数值计算：在计算式书写框中写出计算式，"
    u"按空白键、回车或“＝”即得结果，变量及其值列在右侧。\n\n"
    u"计算结果请按设计规范复核后再使用；对因使用计算结果而产生的后果，"
    u"本软件不承担责任。";

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(u"关于 Ombrix"_s);

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(u":/calculator/icon128.png"_s));
    auto* title = new QLabel(u"<b>Ombrix V1.0</b><br>计算引擎 Telvar5.0"_s, this);
    auto* note = new QLabel(QString::fromUtf16(kNote), this);
    note->setWordWrap(true);
    note->setFrameShape(QFrame::StyledPanel);
    note->setMargin(8);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(u"确定"_s, QDialogButtonBox::AcceptRole);
    SetControlId(*ok, id::kOk);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(note, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    resize(480, 260);
}

}  // namespace orvik
