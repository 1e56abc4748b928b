// Times the print companion on large texts: the page layout, printing to PDF
// against Qt's PDF writer drawing the same lines on its own, and how soon the
// window shows a file and answers the keyboard.
//
// Usage: companion_bench [layout] [print] [show] [shape ...]
// (no argument: everything). Run it offscreen or on a display. Each figure
// is the best of a few runs, as other work on the machine only adds time.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>

#include "companion/main_frame.h"
#include "companion/print_job.h"
#include "companion/qt_char_advances.h"
#include "platform/gbk.h"
#include "platform/gbk_qt.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Time(const std::function<void()>& work)
{
    const Clock::time_point start = Clock::now();
    work();
    return SecondsSince(start);
}

std::string Gbk(const char* utf8)
{
    return orvik::Utf8ToGbk(utf8).value();
}

constexpr int kRuns = 3;

double Best(const std::function<double()>& run)
{
    double best = run();
    for (int i = 1; i < kRuns; ++i)
        best = std::min(best, run());
    return best;
}

// About 138,000 lines of a calculation record, 10 MB of GBK with CR LF.
std::string RecordText()
{
    const std::string words = Gbk("齿轮分度圆直径 计算过程记录");
    std::string text;
    char line[128];
    for (int i = 0; text.size() < 10'000'000; ++i) {
        std::snprintf(line, sizeof line, "%6d: d%d = m*z/cos(b) = %.6f ", i, i % 97, i * 1.2345678);
        text += line;
        text += words;
        text.append(static_cast<std::size_t>(i % 7), '.');
        text += "\r\n";
    }
    return text;
}

std::string Repeat(const std::string& piece, std::size_t bytes)
{
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() + piece.size() <= bytes)
        text += piece;
    return text;
}

struct Shape {
    const char* name;
    std::function<std::string()> make;
};

constexpr std::size_t kLimit = 16 * 1024 * 1024;

const std::vector<Shape>& Shapes()
{
    static const std::vector<Shape> shapes{
        {"record-10MB", RecordText},
        {"one-line-2MB", [] { return std::string(2'000'000, 'x'); }},
        {"blank-200k", [] { return Repeat("\r\n", 400'000) + "x"; }},
        {"blank-800k", [] { return Repeat("\r\n", 1'600'000) + "x"; }},
        {"one-line-16MiB", [] { return std::string(kLimit, 'x'); }},
        {"chinese-one-line-16MiB", [] { return Repeat(Gbk("中文"), kLimit); }},
        {"crlf-16MiB", [] { return Repeat("\r\n", kLimit); }},
        {"lf-16MiB", [] { return Repeat("\n", kLimit); }},
        {"spaces-16MiB", [] { return std::string(kLimit, ' '); }},
        {"tabs-16MiB", [] { return std::string(kLimit, '\t'); }},
        {"short-lf-lines-16MiB", [] { return Repeat("a = 1\n", kLimit); }},
    };
    return shapes;
}

// A PDF printer at the resolution the companion prints at.
void PdfTo(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(600);
}

struct DrawnPage {
    std::vector<std::pair<QPointF, QString>> runs;
};

// Lays out every page as a print job does; returns the seconds it took.
double LayOutAll(const QString& text, const QString& pdf, std::vector<orvik::PageLines>* pages)
{
    QPrinter printer(QPrinter::HighResolution);
    PdfTo(printer, pdf);
    QPainter painter(&printer);
    orvik::PrintJob job(text, QString(), painter.font(), printer);
    return Time([&] {
        for (int page = 1; job.HasPage(page); ++page) {
            orvik::PageLines lines = job.LayOut(page);
            if (pages)
                pages->push_back(std::move(lines));
        }
    });
}

void BenchLayout(const Shape& shape, const QString& dir)
{
    const QString text = orvik::FromGbkLines(shape.make());
    std::vector<orvik::PageLines> pages;
    LayOutAll(text, dir + "/layout.pdf", &pages);
    const double seconds = Best([&] { return LayOutAll(text, dir + "/layout.pdf", nullptr); });
    std::printf("layout  %-24s %8.3f s  %6zu pages, %lld lines\n", shape.name, seconds, pages.size(),
                static_cast<long long>(text.count(u'\n')));
}

// Qt's PDF writer alone: the same runs at the same places in the same font,
// the same page numbers, every string made beforehand.
double DrawFloor(const std::string& gbk, const std::vector<orvik::PageLines>& pages,
                 const QFont& body_font, const QString& pdf)
{
    QPrinter printer(QPrinter::HighResolution);
    PdfTo(printer, pdf);
    const int left = 150;
    std::vector<DrawnPage> drawn(pages.size());
    int ascent = 0;
    {
        QPainter probe(&printer);
        probe.setFont(body_font);
        ascent = probe.fontMetrics().ascent();
    }
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (const orvik::PrintedLine& line : pages[p].lines)
            for (const orvik::TextRun& run : line.runs)
                drawn[p].runs.emplace_back(QPointF(left + run.x, line.y + ascent),
                                           orvik::FromGbk(std::string_view(gbk).substr(run.begin, run.end - run.begin)));
    }
    return Time([&] {
        QPainter painter(&printer);
        const QRect footer(left, printer.height() - 130, printer.width() - 250, 130);
        for (std::size_t p = 0; p < drawn.size(); ++p) {
            if (p > 0)
                printer.newPage();
            painter.drawText(footer, Qt::AlignCenter | Qt::TextSingleLine,
                             QStringLiteral("第 %1 页").arg(p + 1));
            painter.save();
            painter.setFont(body_font);
            for (const auto& [at, run] : drawn[p].runs)
                painter.drawText(at, run);
            painter.restore();
        }
        painter.end();
    });
}

// The two are timed by turns, so that other work on the machine weighs on both alike.
void BenchPrint(const QString& dir)
{
    const std::string gbk = RecordText();
    const QString text = orvik::FromGbkLines(gbk);
    orvik::CMainFrame frame;
    frame.View().SetText(text);
    std::vector<orvik::PageLines> pages;
    LayOutAll(text, dir + "/layout.pdf", &pages);
    QFont body_font;
    {
        QPrinter probe(QPrinter::HighResolution);
        PdfTo(probe, dir + "/probe.pdf");
        body_font = orvik::MeasuredFont(QPainter(&probe).font());
    }
    QPrinter printer(QPrinter::HighResolution);
    PdfTo(printer, dir + "/print.pdf");
    int printed = 0;
    double print = 1e9;
    double floor = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        print = std::min(print, Time([&] { printed = frame.View().PrintDocument(printer); }));
        floor = std::min(floor, DrawFloor(gbk, pages, body_font, dir + "/floor.pdf"));
    }
    std::printf("print   record-10MB              %8.3f s  %6d pages; Qt alone %.3f s; ratio %.2f\n",
                print, printed, floor, print / floor);
}

// Processes events until `widget` has been painted once more; returns when
// that paint ended, give or take one other event. Work the event loop does
// after it (the rest of a long text wrapped in pieces) is not counted, but
// is done before returning.
Clock::time_point WaitForPaint(QWidget* widget)
{
    struct Watch : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                painted = true;
            return false;
        }
    } watch;
    widget->installEventFilter(&watch);
    widget->update();
    while (!watch.painted)
        QApplication::processEvents(QEventLoop::AllEvents);
    const Clock::time_point painted = Clock::now();
    widget->removeEventFilter(&watch);
    QApplication::processEvents();
    return painted;
}

void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

struct ShowTimes {
    double shown, type, to_end, narrow;
};

ShowTimes ShowOnce(const QString& path)
{
    const Clock::time_point start = Clock::now();
    orvik::CMainFrame frame;
    if (!frame.Document().OnOpenDocument(QFile::encodeName(path).toStdString()))
        qFatal("cannot open %s", qPrintable(path));
    frame.View().OnInitialUpdate();
    frame.setGeometry(frame.screen()->availableGeometry());
    frame.showMaximized();
    QWidget* viewport = frame.View().viewport();
    const double shown = std::chrono::duration<double>(WaitForPaint(viewport) - start).count();
    const auto answer = [&](const std::function<void()>& act) {
        const Clock::time_point asked = Clock::now();
        act();
        return std::chrono::duration<double>(WaitForPaint(viewport) - asked).count();
    };
    const double type = answer([&] { Key(&frame.View(), Qt::Key_A, Qt::NoModifier, "a"); });
    const double to_end = answer([&] { Key(&frame.View(), Qt::Key_End, Qt::ControlModifier); });
    const double narrow = answer([&] { frame.resize(frame.width() / 2, frame.height()); });
    return {shown, type, to_end, narrow};
}

void BenchShow(const Shape& shape, const QString& dir)
{
    const QString path = dir + "/shown.txt";
    {
        QFile file(path);
        const std::string bytes = shape.make();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            qFatal("cannot write %s", qPrintable(path));
    }
    ShowTimes best = ShowOnce(path);
    for (int i = 1; i < kRuns; ++i) {
        const ShowTimes run = ShowOnce(path);
        best = {std::min(best.shown, run.shown), std::min(best.type, run.type), std::min(best.to_end, run.to_end),
                std::min(best.narrow, run.narrow)};
    }
    std::printf("show    %-24s %8.3f s; key %.3f s, to the end %.3f s, narrower %.3f s\n", shape.name,
                best.shown, best.type, best.to_end, best.narrow);
}

bool Wanted(const QStringList& arguments, const QString& what)
{
    return arguments.isEmpty() || arguments.contains(what);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    QStringList shapes;
    for (const Shape& shape : Shapes())
        if (arguments.contains(QLatin1StringView(shape.name)))
            shapes << QLatin1StringView(shape.name);
    for (const QString& shape : shapes)
        arguments.removeAll(shape);
    const auto chosen = [&](const Shape& shape) {
        return shapes.isEmpty() || shapes.contains(QLatin1StringView(shape.name));
    };
    QTemporaryDir dir;
    if (Wanted(arguments, "layout"))
        for (const Shape& shape : Shapes())
            if (chosen(shape))
                BenchLayout(shape, dir.path());
    if (Wanted(arguments, "print"))
        BenchPrint(dir.path());
    if (Wanted(arguments, "show"))
        for (const Shape& shape : Shapes())
            if (chosen(shape))
                BenchShow(shape, dir.path());
    return 0;
}
