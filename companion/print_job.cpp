#include "companion/print_job.h"

#include <QPainter>
#include <QPrinter>

#include "companion/qt_char_advances.h"
#include "platform/gbk.h"
#include "platform/gbk_qt.h"

namespace orvik {
namespace {

QRect ToQRect(const DeviceRect& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// The printable area in device units; the painter's origin is its top left.
DeviceRect PageRect(const QPrinter& printer)
{
    return DeviceRect{0, 0, printer.width(), printer.height()};
}

// Paper needs something in the place of a character GBK lacks: "?".
std::string ToGbkLinesLossy(const QString& text)
{
    if (std::optional<std::string> exact = ToGbkLines(text))
        return *exact;
    std::string gbk;
    for (const char32_t code : text.toUcs4())
        gbk += code == U'\n' ? "\r\n" : Utf8ToGbk(QString::fromUcs4(&code, 1).toStdString()).value_or("?");
    return gbk;
}

constexpr int kBandFlags = Qt::AlignCenter | Qt::TextSingleLine;

}  // namespace

PrintJob::PrintJob(const QString& text, const QString& header, const QFont& body_font,
                   QPrinter& printer)
    : text_(ToGbkLinesLossy(text)),
      header_(ToGbkLinesLossy(header)),
      frame_(FramePage(PageRect(printer), header_.size())),
      body_font_(MeasuredFont(body_font)),
      metrics_(body_font_, &printer)
{
    page_starts_.Start(text_);
}

PageLines PrintJob::LayOut(int page)
{
    PageLines lines = LayoutPage(text_, page_starts_.StartOf(page), frame_.body, metrics_);
    page_starts_.Record(page, lines.next_start);
    return lines;
}

void PrintJob::Paint(QPainter& painter, int page, const PageLines& lines) const
{
    if (frame_.header_drawn) {
        // A header wider than its band would run off the paper: it is cut with "…".
        const QRect band = ToQRect(frame_.header_band);
        painter.drawText(band, kBandFlags,
                         painter.fontMetrics().elidedText(FromGbk(header_), Qt::ElideRight, band.width()));
        const DeviceRect& rule = frame_.header_rule;
        painter.drawLine(rule.left, rule.top, rule.right, rule.bottom);
    }
    painter.drawText(ToQRect(frame_.footer_band), kBandFlags, QStringLiteral("第 %1 页").arg(page));

    painter.save();
    painter.setFont(body_font_);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int ascent = painter.fontMetrics().ascent();
    for (const PrintedLine& line : lines.lines) {
        for (const TextRun& run : line.runs) {
            const std::string_view bytes = std::string_view(text_).substr(run.begin, run.end - run.begin);
            painter.drawText(QPointF(frame_.body.left + run.x, line.y + ascent), FromGbk(bytes));
        }
    }
    painter.restore();
}

}  // namespace orvik
