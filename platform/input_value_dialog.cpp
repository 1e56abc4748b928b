#include "platform/input_value_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/control_id.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

InputValueDialog::InputValueDialog(const QString& prompt, const QString& entry, QWidget* parent)
    : QDialog(parent), entry_(new QLineEdit(entry, this))
{
    SetControlId(*this, id::input_value::kDialog);
    setWindowTitle(u"输入数据"_s);

    auto* prompt_box = new QPlainTextEdit(prompt, this);
    SetControlId(*prompt_box, id::input_value::kPrompt);
    prompt_box->setReadOnly(true);
    prompt_box->setFocusPolicy(Qt::NoFocus);
    prompt_box->setMaximumHeight(prompt_box->fontMetrics().lineSpacing() * 4);
    SetControlId(*entry_, id::input_value::kEntry);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(u"确定"_s, QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(u"取消"_s, QDialogButtonBox::RejectRole);
    SetControlId(*ok, id::kOk);
    SetControlId(*cancel, id::kCancel);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_box);
    layout->addWidget(entry_);
    layout->addWidget(buttons);
    resize(300, 170);

    entry_->selectAll();
    entry_->setFocus();
}

QString InputValueDialog::Entry() const
{
    return entry_->text();
}

}  // namespace orvik
