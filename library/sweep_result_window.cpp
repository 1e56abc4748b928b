#include "library/sweep_result_window.h"

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "library/command_captions.h"
#include "library/core/sweep_text.h"
#include "library/result_window.h"
#include "library/save_table.h"
#include "library/suggested_file.h"
#include "library/sweep_chart_view.h"
#include "library/sweep_table_model.h"
#include "platform/atomic_file.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "platform/user_port.h"
#include "records/companion_print.h"
#include "records/save_report.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::sweep_result;

SweepResultWindow::SweepResultWindow(SweepResult result, std::vector<int> statements, UserPort& port,
                                     ProcessStart& start, QWidget* parent)
    : QDialog(parent, Qt::Window), result_(std::move(result)), statements_(std::move(statements)), port_(port),
      start_(start)
{
    FrameResultWindow(*this, ids::kWindow, caption::ResultWindowTitle(caption::kSweep, FromGbk(result_.formula)), QSize(980, 600));

    auto* settings = new QLabel(FromGbk(SweepSettingsText(result_)));
    SetControlId(*settings, ids::kSettings);
    auto* table = new QTableView;
    SetControlId(*table, ids::kTable);
    table->setModel(new SweepTableModel(result_, statements_, table));
    // Columns as wide as the values of the first rows (not of every row),
    // with room to breathe.
    table->horizontalHeader()->setResizeContentsPrecision(100);
    table->resizeColumnsToContents();
    for (int column = 0; column < table->model()->columnCount(); ++column)
        table->setColumnWidth(column, table->columnWidth(column) + 16);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    chart_ = new SweepChartView(result_);
    SetControlId(*chart_, ids::kChart);
    auto* splitter = new QSplitter;
    splitter->addWidget(table);
    splitter->addWidget(chart_);
    splitter->setSizes({420, 560});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settings);
    layout->addWidget(splitter, 1);
    layout->addWidget(CreateButtons());
    chart_->Plot(statements_.front());
}

QWidget* SweepResultWindow::CreateButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(u"曲线"_s));
    auto* plotted = new QComboBox;
    SetControlId(*plotted, ids::kPlotted);
    for (const int statement : statements_)
        plotted->addItem(FromGbk(result_.statements[statement]), statement);
    connect(plotted, &QComboBox::currentIndexChanged, this,
            [this, plotted](int index) { chart_->Plot(plotted->itemData(index).toInt()); });
    layout->addWidget(plotted);
    layout->addStretch();
    const struct {
        int id;
        QString caption;
        void (SweepResultWindow::*command)();
    } buttons[] = {
        {ids::kSaveTable, caption::kSaveTable, &SweepResultWindow::SaveTable},
        {ids::kSaveImage, u"保存图片"_s, &SweepResultWindow::SaveImage},
        {ids::kPrint, u"打印"_s, &SweepResultWindow::Print},
    };
    for (const auto& button : buttons) {
        auto* push = new QPushButton(button.caption);
        SetControlId(*push, button.id);
        connect(push, &QPushButton::clicked, this, button.command);
        layout->addWidget(push);
    }
    auto* close = new QPushButton(u"关闭"_s);
    SetControlId(*close, id::kCancel);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close);
    return row;
}

QString SweepResultWindow::FileName(const QString& extension) const
{
    return FromGbk(result_.formula) + u"-"_s + FromGbk(result_.input_name) + u"扫描"_s + extension;
}

void SweepResultWindow::SaveTable()
{
    SaveCsvTable(port_, FileName(u".csv"_s), SweepCsvText(result_, statements_));
}

void SweepResultWindow::SaveImage()
{
    const QString path = port_.ChooseFileToSave(u"保存图片"_s, SuggestedDataFile(FileName(u".png"_s)),
                                                u"PNG 图片 (*.png);;所有文件 (*.*)"_s);
    if (path.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    const bool drawn = buffer.open(QIODevice::WriteOnly) && chart_->grab().save(&buffer, "PNG");
    ReportSave(port_, drawn && WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                                   std::string_view(png.constData(), png.size())));
}

void SweepResultWindow::Print()
{
    PrintThroughCompanion(SweepPrintText(result_, statements_), start_, port_);
}

}  // namespace orvik
