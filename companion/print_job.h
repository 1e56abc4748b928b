#pragma once

#include <string>

#include <QFont>
#include <QString>

#include "companion/page_frame.h"
#include "companion/page_layout.h"
#include "companion/page_start_list.h"
#include "companion/qt_font_metrics.h"

class QPainter;
class QPrinter;

namespace orvik {

// One print job or preview: lays the text out page after page and draws the
// pages with header, rule and page number.
class PrintJob {
public:
    PrintJob(const QString& text, const QString& header, const QFont& body_font, QPrinter& printer);

    bool HasPage(int page) const { return page_starts_.Has(page); }

    // Pages are laid out in order; each notes where the next one begins.
    PageLines LayOut(int page);

    // Header and footer use the painter's current font, the body its own.
    void Paint(QPainter& painter, int page, const PageLines& lines) const;

private:
    std::string text_;    // GBK, line ends CR LF
    std::string header_;  // GBK
    PageFrame frame_;
    QFont body_font_;
    QtFontMetrics metrics_;
    PageStartList page_starts_;
};

}  // namespace orvik
