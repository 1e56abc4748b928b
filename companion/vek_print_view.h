#pragma once

#include <memory>

#include <QFont>
#include <QString>

#include "companion/editor_view.h"
#include "companion/page_layout.h"

class QPainter;
class QPrinter;

namespace orvik {

class PrintJob;

// The editor view: holds the text, the page header and the font, and prints
// the text page by page.
class CVekPrintView : public EditorView {
    Q_OBJECT

public:
    explicit CVekPrintView(QWidget* parent = nullptr);
    ~CVekPrintView() override;

    void OnInitialUpdate();

    const QString& PageHeader() const { return page_header_; }
    void SetPageHeader(const QString& header) { page_header_ = header; }

    // The font the font dialog starts from; once set here it is also the
    // text area's font, and so the printed body's.
    const QFont& FontObject() const { return font_; }
    void SetFontObject(const QFont& font);

    QPrinter& Printer() { return *printer_; }

    // Runs one job on `printer` (print or preview); returns the number of
    // pages output, 0 when the printer cannot be started.
    int PrintDocument(QPrinter& printer);

    void OnSetPageHeader();
    void OnChooseFont();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();

private:
    bool OnPreparePrinting();
    void OnBeginPrinting(QPainter& painter, QPrinter& printer);
    void OnPrint(QPainter& painter, int page, const PageLines& lines);
    void OnEndPrinting();
    QFont BodyFont(const QFont& printer_font, const QPrinter& printer) const;
    void UpdateTabStops();

    QString page_header_;
    QFont font_;
    bool own_font_ = false;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrintJob> job_;
};

}  // namespace orvik
