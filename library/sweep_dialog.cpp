#include "library/sweep_dialog.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "engine/number_format.h"
#include "engine/number_text.h"
#include "library/command_captions.h"
#include "library/core/formula_sheet.h"
#include "library/settings_controls.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::sweep;

namespace {

constexpr int kProposedSteps = 10;

double NumberIn(const QLineEdit& box)
{
    return ParseDecimalPrefix(box.text().toStdString());
}

}  // namespace

SweepDialog::SweepDialog(const FormulaSheet& sheet, UserPort& port, QWidget* parent)
    : QDialog(parent), sheet_(sheet), port_(port)
{
    SetControlId(*this, ids::kDialog);
    setWindowTitle(caption::kSweep);
    setMinimumWidth(320);
    CreateControls();
    ProposeRange();
}

void SweepDialog::CreateControls()
{
    auto* form = new QFormLayout;
    range_ = AddInputRangeRows(*form, sheet_);
    by_step_ = WithControlId(new QRadioButton(u"步长"_s), ids::kByStep);
    step_ = WithControlId(new QLineEdit, ids::kStep);
    form->addRow(by_step_, step_);
    by_count_ = WithControlId(new QRadioButton(u"点数"_s), ids::kByCount);
    count_ = WithControlId(new QLineEdit(QString::number(kProposedSteps + 1)), ids::kCount);
    form->addRow(by_count_, count_);
    auto* amount = new QButtonGroup(this);
    amount->addButton(by_step_);
    amount->addButton(by_count_);
    by_step_->setChecked(true);

    auto* linear = WithControlId(new QRadioButton(u"线性"_s), ids::kLinear);
    logarithmic_ = WithControlId(new QRadioButton(u"对数"_s), ids::kLogarithmic);
    linear->setChecked(true);
    auto* spacing = new QHBoxLayout;
    spacing->addWidget(linear);
    spacing->addWidget(logarithmic_);
    spacing->addStretch();
    form->addRow(u"刻度"_s, spacing);

    QDialogButtonBox* buttons = OkCancelButtons(*this);
    ok_ = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(CreateResultBoxes());
    layout->addWidget(buttons);

    connect(range_.input, &QComboBox::currentIndexChanged, this, &SweepDialog::ProposeRange);
    connect(by_step_, &QRadioButton::toggled, this, &SweepDialog::ShowSpacing);
    // A ratio seldom divides a range into whole steps: on a logarithmic
    // axis the points are counted unless the user asks for a ratio.
    connect(logarithmic_, &QRadioButton::toggled, this, [this](bool logarithmic) {
        if (logarithmic)
            by_count_->setChecked(true);
        ProposeStep();
        ShowSpacing();
    });
    ShowSpacing();
    EnableOk();
}

// One check box per statement, all chosen; many scroll.
QWidget* SweepDialog::CreateResultBoxes()
{
    auto* group = WithControlId(new QGroupBox(u"显示的结果"_s), ids::kResults);
    auto* boxes = new QWidget;
    auto* column = new QVBoxLayout(boxes);
    for (const FormulaStatement& statement : sheet_.Statements()) {
        auto* box = new QCheckBox(FromGbk(statement.text));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, &SweepDialog::EnableOk);
        column->addWidget(box);
        results_.push_back(box);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(boxes);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumHeight(std::min(boxes->sizeHint().height(), 240));
    (new QVBoxLayout(group))->addWidget(scroll);
    return group;
}

void SweepDialog::ProposeRange()
{
    const int row = range_.input->currentData().toInt();
    const double value = ParseDecimalPrefix(sheet_.RowCount() > row ? sheet_.Cell(row) : std::string());
    ShowProposedRange(range_, value, value == 0 ? 1 : 2 * value);
    ProposeStep();
}

// Ten steps across the range, or on a logarithmic axis a decade.
void SweepDialog::ProposeStep()
{
    if (logarithmic_->isChecked())
        step_->setText(u"10"_s);
    else
        step_->setText(ProposedNumber((NumberIn(*range_.to) - NumberIn(*range_.from)) / kProposedSteps));
}

// On a logarithmic axis the step is the ratio of neighbours.
void SweepDialog::ShowSpacing()
{
    const bool logarithmic = logarithmic_->isChecked();
    by_step_->setText(FromGbk(SweepAmountName(logarithmic ? SweepSpacing::Logarithmic : SweepSpacing::Linear)));
    step_->setEnabled(by_step_->isChecked());
    count_->setEnabled(by_count_->isChecked());
}

// A sweep that shows nothing is not worth running.
void SweepDialog::EnableOk()
{
    ok_->setEnabled(std::any_of(results_.begin(), results_.end(), [](QCheckBox* box) { return box->isChecked(); }));
}

void SweepDialog::accept()
{
    const bool by_count = by_count_->isChecked();
    SweepRangeReading reading = ReadSweepRange(
        {range_.from->text().toStdString(), range_.to->text().toStdString(),
         (by_count ? count_ : step_)->text().toStdString(), by_count,
         logarithmic_->isChecked() ? SweepSpacing::Logarithmic : SweepSpacing::Linear});
    if (!reading.points.message.empty()) {
        port_.ShowMessage(FromGbk(reading.points.message));
        return;
    }
    plan_ = {range_.input->currentData().toInt(), reading.range, std::move(reading.points.values)};
    chosen_.clear();
    for (size_t i = 0; i < results_.size(); ++i) {
        if (results_[i]->isChecked())
            chosen_.push_back(static_cast<int>(i));
    }
    QDialog::accept();
}

}  // namespace orvik
