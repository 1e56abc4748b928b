#include "records/print_choice_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "platform/control_id.h"
#include "platform/dialog_units.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

PrintChoiceDialog::PrintChoiceDialog(QWidget* parent) : QDialog(parent)
{
    SetControlId(*this, id::print_choice::kDialog);
    setWindowTitle(u"打印选择"_s);
    const DialogUnits units(font());
    setFixedSize(units.Size(151, 94));
    inputs_ = AddBox(id::print_choice::kInputs, u"打印输入变量"_s, true, 7);
    process_ = AddBox(id::print_choice::kProcess, u"打印过程"_s, false, 23);
    outputs_ = AddBox(id::print_choice::kOutputs, u"打印输出变量"_s, true, 39);

    ok_ = new QPushButton(u"确定"_s, this);
    SetControlId(*ok_, id::kOk);
    ok_->setGeometry(units.Rect(17, 61, 43, 20));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(u"取消"_s, this);
    SetControlId(*cancel, id::kCancel);
    cancel->setGeometry(units.Rect(82, 61, 43, 20));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QCheckBox* PrintChoiceDialog::AddBox(int id, const QString& caption, bool checked, int y)
{
    auto* box = new QCheckBox(caption, this);
    SetControlId(*box, id);
    box->setChecked(checked);
    // Wider than the captions need in the usual fonts, so none is cut.
    box->setGeometry(DialogUnits(font()).Rect(15, y, 121, 15));
    connect(box, &QCheckBox::toggled, this, &PrintChoiceDialog::EnableOk);
    return box;
}

// A print of nothing would be an empty page.
void PrintChoiceDialog::EnableOk()
{
    ok_->setEnabled(inputs_->isChecked() || process_->isChecked() || outputs_->isChecked());
}

PrintChoice PrintChoiceDialog::Choice() const
{
    return {.inputs = inputs_->isChecked(), .process = process_->isChecked(), .outputs = outputs_->isChecked()};
}

std::optional<PrintChoice> AskPrintChoice(UserPort& port, QWidget* parent)
{
    PrintChoiceDialog dialog(parent);
    if (port.RunDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

}  // namespace orvik
