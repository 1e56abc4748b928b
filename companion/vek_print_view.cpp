#include "companion/vek_print_view.h"

#include <limits>

#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "companion/page_header_dialog.h"
#include "companion/print_job.h"

namespace orvik {
namespace {

// Device units of the page layout are those of a common printer.
constexpr int kPrinterDpi = 600;
constexpr int kTextMargin = 20;

bool InPrintRange(const QPrinter& printer, int page)
{
    return printer.printRange() != QPrinter::PageRange || page >= printer.fromPage();
}

int LastPage(const QPrinter& printer)
{
    const bool range = printer.printRange() == QPrinter::PageRange && printer.toPage() > 0;
    return range ? printer.toPage() : std::numeric_limits<int>::max();
}

}  // namespace

CVekPrintView::CVekPrintView(QWidget* parent)
    : EditorView(parent), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

CVekPrintView::~CVekPrintView() = default;

void CVekPrintView::OnInitialUpdate()
{
    // The dialog's starting choice only: the text keeps the default font
    // until the user picks one.
    font_ = QFont(QStringLiteral("宋体"));
    font_.setPixelSize(12);
    font_.setWeight(QFont::Normal);
    UpdateTabStops();
    setViewportMargins(kTextMargin, 0, kTextMargin, 0);
    // The margins belong to the text area and look like it.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    setPalette(colours);
    setAutoFillBackground(true);
}

void CVekPrintView::SetFontObject(const QFont& font)
{
    font_ = font;
    own_font_ = true;
    setFont(font_);
    UpdateTabStops();
}

void CVekPrintView::UpdateTabStops()
{
    SetTabStopDistance(4 * fontMetrics().averageCharWidth());
}

void CVekPrintView::OnSetPageHeader()
{
    PageHeaderDialog dialog(page_header_, this);
    if (dialog.exec() == QDialog::Accepted)
        page_header_ = dialog.Text();
}

void CVekPrintView::OnChooseFont()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, font_, this);
    if (chosen)
        SetFontObject(font);
}

void CVekPrintView::OnFilePrint()
{
    if (OnPreparePrinting() && PrintDocument(*printer_) == 0)
        QMessageBox::warning(this, QStringLiteral("vekPrint"), QStringLiteral("无法打印文档。"));
}

void CVekPrintView::OnFilePrintPreview()
{
    // A page range chosen for an earlier print job does not limit the preview.
    printer_->setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog preview(printer_.get(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintDocument(*printer); });
    preview.exec();
}

void CVekPrintView::OnFilePrintSetup()
{
    QPageSetupDialog(printer_.get(), this).exec();
}

bool CVekPrintView::OnPreparePrinting()
{
    QPrintDialog dialog(printer_.get(), this);
    return dialog.exec() == QDialog::Accepted;
}

int CVekPrintView::PrintDocument(QPrinter& printer)
{
    printer.setResolution(kPrinterDpi);
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    OnBeginPrinting(painter, printer);
    int printed = 0;
    for (int page = 1; page <= LastPage(printer) && job_->HasPage(page); ++page) {
        // Pages before the range are laid out all the same: each one's
        // start depends on the page before.
        const PageLines lines = job_->LayOut(page);
        if (!InPrintRange(printer, page))
            continue;
        if (printed++ > 0)
            printer.newPage();
        OnPrint(painter, page, lines);
    }
    OnEndPrinting();
    painter.end();
    return printed;
}

void CVekPrintView::OnBeginPrinting(QPainter& painter, QPrinter& printer)
{
    job_ = std::make_unique<PrintJob>(Text(), page_header_, BodyFont(painter.font(), printer),
                                      printer);
}

void CVekPrintView::OnPrint(QPainter& painter, int page, const PageLines& lines)
{
    job_->Paint(painter, page, lines);
}

void CVekPrintView::OnEndPrinting()
{
    job_.reset();
}

QFont CVekPrintView::BodyFont(const QFont& printer_font, const QPrinter& printer) const
{
    if (!own_font_)
        return printer_font;
    // A font sized in points is scaled to the printer by Qt itself; one sized
    // in screen pixels is scaled here by the ratio of the resolutions.
    QFont body = font_;
    if (body.pixelSize() > 0)
        body.setPixelSize(qRound(body.pixelSize() * double(printer.logicalDpiY()) / logicalDpiY()));
    return body;
}

}  // namespace orvik
