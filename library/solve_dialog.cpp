#include "library/solve_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "library/command_captions.h"
#include "library/core/formula_sheet.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "platform/port_engine_host.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::solve;

SolveDialog::SolveDialog(const FormulaSheet& sheet, UserPort& port, QWidget* parent)
    : QDialog(parent), sheet_(sheet), port_(port)
{
    SetControlId(*this, ids::kDialog);
    setWindowTitle(caption::kSolve);
    setMinimumWidth(300);
    auto* form = new QFormLayout(this);
    result_ = WithControlId(new QComboBox, ids::kResult);
    form->addRow(u"结果"_s, result_);
    target_ = WithControlId(new QLineEdit, ids::kTarget);
    form->addRow(u"目标值"_s, target_);
    range_ = AddInputRangeRows(*form, sheet_);
    form->addRow(OkCancelButtons(*this));

    // The statements' results come before the inputs; the last of them is
    // most often the one wanted.
    const std::vector<std::string> names = SolveResultNames(sheet_);
    for (const std::string& name : names)
        result_->addItem(FromGbk(name), QByteArray::fromStdString(name));
    const auto first_input = std::find_if(names.begin(), names.end(),
                                          [this](const std::string& name) { return sheet_.FindInputRow(name) >= 0; });
    result_->setCurrentIndex(std::max(0, static_cast<int>(first_input - names.begin()) - 1));
    connect(range_.input, &QComboBox::currentIndexChanged, this, &SolveDialog::ProposeRange);
    ProposeRange();
    target_->setFocus();
}

void SolveDialog::ProposeRange()
{
    const auto [from, to] = DefaultSolveRange(InputValue(sheet_, range_.input->currentData().toInt()));
    ShowProposedRange(range_, from, to);
}

void SolveDialog::accept()
{
    SolveTexts texts;
    const std::pair<const QLineEdit*, std::string*> boxes[] = {
        {target_, &texts.target}, {range_.from, &texts.from}, {range_.to, &texts.to}};
    for (const auto& [box, text] : boxes) {
        std::optional<std::string> gbk = ToGbk(box->text());
        if (!gbk) {
            port_.ShowMessage(NotGbkMessage(box->text()));
            return;
        }
        *text = std::move(*gbk);
    }
    PortEngineHost host(port_);
    const SolveReading reading = ReadSolveTexts(sheet_, texts, host);
    if (!reading.message.empty()) {
        port_.ShowMessage(FromGbk(reading.message));
        return;
    }
    plan_ = {range_.input->currentData().toInt(), result_->currentData().toByteArray().toStdString(), reading.target,
             reading.from, reading.to};
    QDialog::accept();
}

}  // namespace orvik
