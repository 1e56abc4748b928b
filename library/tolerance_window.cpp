#include "library/tolerance_window.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "library/command_captions.h"
#include "library/core/formula_sheet.h"
#include "library/core/formula_values.h"
#include "library/core/tolerance_text.h"
#include "library/result_window.h"
#include "library/save_table.h"
#include "library/tolerance_histogram_view.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "platform/port_engine_host.h"
#include "platform/user_port.h"
#include "records/companion_print.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::tolerance;

namespace {

enum InputColumn { kName, kValue, kTolerance, kRange };

QTableWidget* Table(int id, const QStringList& headers)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
    SetControlId(*table, id);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return table;
}

QTableWidgetItem* ShownItem(const QString& text, bool number = true)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString Value(double v)
{
    return QString::fromStdString(ToleranceValueText(v));
}

}  // namespace

ToleranceWindow::ToleranceWindow(const FormulaSheet& sheet, UserPort& port, ProcessStart& start, QWidget* parent)
    : QDialog(parent, Qt::Window), sheet_(sheet), port_(port), start_(start), values_(ToleranceInputValues(sheet))
{
    FrameResultWindow(*this, ids::kWindow, caption::ResultWindowTitle(caption::kTolerance, FromGbk(sheet.Name())), QSize(1000, 740));

    auto* top = new QHBoxLayout;
    top->addWidget(CreateInputs(), 1);
    top->addWidget(CreateSettings());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(CreateResults(), 1);
    status_ = new QLabel;
    SetControlId(*status_, ids::kStatus);
    layout->addWidget(status_);
    layout->addWidget(CreateButtons());
}

QWidget* ToleranceWindow::CreateInputs()
{
    inputs_ = Table(ids::kInputs, {u"输入"_s, u"值"_s, u"公差"_s, u"范围"_s});
    inputs_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    inputs_->setSelectionBehavior(QAbstractItemView::SelectItems);
    inputs_->setToolTip(u"公差写成 ±T、+-T (值-T 到值+T), +A/-B (如 +0.021/0、-0.007/-0.020) 或 P%; 空着的输入不变"_s);
    for (int row = 0; row < sheet_.RowCount(); ++row) {
        if (!sheet_.IsInputRow(row))
            continue;
        const int line = inputs_->rowCount();
        rows_.push_back(row);
        inputs_->insertRow(line);
        inputs_->setItem(line, kName, ShownItem(FromGbk(sheet_.RowName(row)), false));
        inputs_->setItem(line, kValue, ShownItem(QString::fromStdString(FormulaValueText(values_[row]))));
        inputs_->setItem(line, kTolerance, new QTableWidgetItem);
        inputs_->setItem(line, kRange, ShownItem({}, false));
    }
    inputs_->horizontalHeader()->setStretchLastSection(true);
    // Room for every input of most formulas without scrolling.
    const int shown_rows = std::clamp(inputs_->rowCount(), 4, 10);
    inputs_->setMinimumHeight(inputs_->horizontalHeader()->sizeHint().height()
                              + shown_rows * inputs_->verticalHeader()->defaultSectionSize() + 2 * inputs_->frameWidth());
    inputs_->setColumnWidth(kTolerance, 140);
    inputs_->setColumnWidth(kRange, 200);
    connect(inputs_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == kTolerance)
            ShowRange(item->row());
    });
    return inputs_;
}

QWidget* ToleranceWindow::CreateSettings()
{
    auto* box = new QGroupBox(u"蒙特卡洛"_s);
    auto* layout = new QVBoxLayout(box);
    auto* uniform = new QRadioButton(u"均匀分布"_s);
    SetControlId(*uniform, ids::kUniform);
    uniform->setChecked(true);
    normal_ = new QRadioButton(u"正态分布 (σ = 半宽/3)"_s);
    SetControlId(*normal_, ids::kNormal);
    layout->addWidget(uniform);
    layout->addWidget(normal_);
    layout->addWidget(new QLabel(u"样本数"_s));
    samples_ = new QLineEdit(QString::number(kToleranceSamplesDefault));
    SetControlId(*samples_, ids::kSamples);
    layout->addWidget(samples_);
    auto* compute = new QPushButton(u"计算"_s);
    SetControlId(*compute, ids::kCompute);
    compute->setDefault(true);
    connect(compute, &QPushButton::clicked, this, &ToleranceWindow::Compute);
    layout->addWidget(compute);
    layout->addStretch();
    return box;
}

QWidget* ToleranceWindow::CreateResults()
{
    QStringList columns;
    for (const std::string& name : ToleranceColumnNames())
        columns << FromGbk(name);
    results_ = Table(ids::kResults, columns);
    results_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(results_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            shown_->setCurrentIndex(row);
    });

    auto* chart_side = new QWidget;
    auto* chart_layout = new QVBoxLayout(chart_side);
    chart_layout->setContentsMargins(0, 0, 0, 0);
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(u"直方图与灵敏度"_s));
    shown_ = new QComboBox;
    SetControlId(*shown_, ids::kShown);
    connect(shown_, &QComboBox::currentIndexChanged, this, &ToleranceWindow::ShowResult);
    choice->addWidget(shown_, 1);
    chart_layout->addLayout(choice);
    histogram_ = new ToleranceHistogramView;
    SetControlId(*histogram_, ids::kHistogram);
    chart_layout->addWidget(histogram_, 1);
    sensitivity_ = Table(ids::kSensitivity, {u"输入"_s, u"方差占比 %"_s, u"贡献 ±"_s});
    sensitivity_->horizontalHeader()->setStretchLastSection(true);

    auto* below = new QSplitter;
    below->addWidget(chart_side);
    below->addWidget(sensitivity_);
    below->setSizes({680, 300});
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(results_);
    splitter->addWidget(below);
    splitter->setSizes({170, 400});
    return splitter;
}

QWidget* ToleranceWindow::CreateButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    save_ = new QPushButton(caption::kSaveTable);
    SetControlId(*save_, ids::kSaveTable);
    connect(save_, &QPushButton::clicked, this, &ToleranceWindow::SaveTable);
    print_ = new QPushButton(u"打印"_s);
    SetControlId(*print_, ids::kPrint);
    connect(print_, &QPushButton::clicked, this, &ToleranceWindow::Print);
    auto* close = new QPushButton(u"关闭"_s);
    SetControlId(*close, id::kCancel);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    for (QPushButton* button : {save_, print_, close})
        layout->addWidget(button);
    // Nothing to save or print before the first computation.
    save_->setEnabled(false);
    print_->setEnabled(false);
    return row;
}

void ToleranceWindow::ShowRange(int line)
{
    const QString text = inputs_->item(line, kTolerance)->text().trimmed();
    const std::optional<std::string> gbk = ToGbk(text);
    const std::optional<ToleranceRange> range =
        gbk ? ReadTolerance(*gbk, values_[rows_[line]]) : std::nullopt;
    QString shown;
    if (range)
        shown = QString::fromStdString(ToleranceRangeText(range->low, range->high));
    else if (!text.isEmpty())
        shown = u"写法不对"_s;
    inputs_->item(line, kRange)->setText(shown);
}

std::optional<TolerancePlan> ToleranceWindow::ReadPlan()
{
    TolerancePlan plan;
    for (int line = 0; line < inputs_->rowCount(); ++line) {
        const QString text = inputs_->item(line, kTolerance)->text().trimmed();
        if (text.isEmpty())
            continue;
        const std::optional<std::string> gbk = GbkLinesOrSay(port_, text);
        if (!gbk)
            return std::nullopt;
        const int row = rows_[line];
        const std::optional<ToleranceRange> range = ReadTolerance(*gbk, values_[row]);
        if (!range) {
            inputs_->setCurrentCell(line, kTolerance);
            port_.ShowMessage(FromGbk(ToleranceMessage(sheet_.RowName(row), *gbk)));
            return std::nullopt;
        }
        plan.inputs.push_back({row, *gbk, *range});
    }
    const std::optional<int> samples = ReadSampleCount(samples_->text().toStdString());
    if (!samples) {
        port_.ShowMessage(u"样本数应为2到%1之间的整数"_s.arg(kToleranceSamplesMax));
        return std::nullopt;
    }
    plan.settings.samples = *samples;
    plan.settings.distribution = normal_->isChecked() ? ToleranceDistribution::Normal : ToleranceDistribution::Uniform;
    return plan;
}

// The analysis asks its own questions through the port; a message at the
// nominal point leaves the window as it was.
void ToleranceWindow::Compute()
{
    const std::optional<TolerancePlan> plan = ReadPlan();
    if (!plan)
        return;
    PortEngineHost host(port_);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ToleranceResult result = RunToleranceAnalysis(sheet_, *plan, host);
    QApplication::restoreOverrideCursor();
    if (!result.message.empty()) {
        port_.ShowMessage(FromGbk(result.message));
        return;
    }
    result_ = std::move(result);
    ShowResults();
}

void ToleranceWindow::ShowResults()
{
    const ToleranceResult& result = *result_;
    results_->setRowCount(static_cast<int>(result.names.size()));
    const QSignalBlocker blocker(shown_);
    const QString chosen = shown_->currentText();
    shown_->clear();
    for (int r = 0; r < results_->rowCount(); ++r) {
        const QString name = FromGbk(result.names[r]);
        shown_->addItem(name);
        results_->setItem(r, 0, ShownItem(name, false));
        const std::vector<double> values = ToleranceRowValues(result.figures[r]);
        for (size_t column = 0; column < values.size(); ++column)
            results_->setItem(r, static_cast<int>(column) + 1, ShownItem(Value(values[column])));
    }
    QStringList status = {FromGbk(ToleranceSettingsText(result))};
    for (const std::string& line : ToleranceLeftOutLines(result))
        status << FromGbk(line);
    status_->setText(status.join(u'\n'));
    save_->setEnabled(true);
    print_->setEnabled(true);
    // The result chosen before stays; at first the last, usually the one
    // the formula is for.
    const int again = shown_->findText(chosen);
    shown_->setCurrentIndex(again >= 0 ? again : shown_->count() - 1);
    ShowResult(shown_->currentIndex());
}

void ToleranceWindow::ShowResult(int index)
{
    sensitivity_->setRowCount(0);
    if (index < 0)
        return;
    const ToleranceResult& result = *result_;
    const ResultFigures& figures = result.figures[index];
    histogram_->Plot(FromGbk(result.names[index]), figures);
    for (const SensitivityShare& share : SensitivityShares(figures.contributions)) {
        const int row = sensitivity_->rowCount();
        sensitivity_->insertRow(row);
        sensitivity_->setItem(row, 0, ShownItem(FromGbk(result.inputs[share.input].name), false));
        sensitivity_->setItem(row, 1, ShownItem(QString::number(share.percent, 'f', 2)));
        sensitivity_->setItem(row, 2, ShownItem(Value(std::abs(figures.contributions[share.input]))));
    }
}

void ToleranceWindow::SaveTable()
{
    if (result_)
        SaveCsvTable(port_, FromGbk(result_->formula) + u"-公差分析.csv"_s, ToleranceCsvText(*result_));
}

void ToleranceWindow::Print()
{
    if (result_)
        PrintThroughCompanion(TolerancePrintText(*result_), start_, port_);
}

}  // namespace orvik
