#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "companion/main_frame.h"

namespace orvik {

// Prints real documents into PDF files, as a printer would receive them.
class CompanionPrintTest : public QObject {
    Q_OBJECT

private:
    // Prints the view's text; returns the pages the job reported and the
    // pages the PDF file holds.
    std::pair<int, int> PrintToPdf(CVekPrintView& view, QPrinter& printer)
    {
        const QString path = dir_.filePath(QStringLiteral("out%1.pdf").arg(++files_));
        last_pdf_ = path;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        const int printed = view.PrintDocument(printer);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {printed, -1};
        static const QRegularExpression page_object(QStringLiteral("/Type\\s*/Page(?!s)"));
        return {printed, int(QString::fromLatin1(file.readAll()).count(page_object))};
    }

    static QString Lines(int count, const QString& text)
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines << QStringLiteral("%1 %2").arg(i).arg(text);
        return lines.join('\n');
    }

    // The first page of the last PDF as a grey image at 150 dots an inch.
    QImage RenderFirstPage()
    {
        const QString image = dir_.filePath(QStringLiteral("page"));
        QProcess render;
        render.start(QStringLiteral("pdftoppm"), {"-r", "150", "-f", "1", "-l", "1", "-gray", "-singlefile",
                                                  last_pdf_, image});
        if (!render.waitForFinished(-1) || render.exitCode() != 0)
            qFatal("pdftoppm (poppler-utils) could not render %s", qPrintable(last_pdf_));
        return QImage(image + QStringLiteral(".pgm"));
    }

    QTemporaryDir dir_;
    QString last_pdf_;
    int files_ = 0;

private slots:
    void PagesFollowTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("min_pages");
        QTest::addColumn<int>("max_pages");
        QTest::newRow("empty text, one page") << QString() << QString() << 1 << 1;
        QTest::newRow("empty text with header") << QString() << QStringLiteral("页眉") << 1 << 1;
        QTest::newRow("a few lines") << Lines(5, QStringLiteral("齿轮 d = 20.000000")) << QString() << 1 << 1;
        // At 600 dpi the default font gives roughly 50 lines to a page.
        QTest::newRow("several pages")
            << Lines(300, QStringLiteral("r = 5.000000\t计算")) << QStringLiteral("过程") << 3 << 10;
        QTest::newRow("one long line wraps over pages")
            << QStringLiteral("很长的一行").repeated(3000) << QString() << 2 << 40;
    }

    void PagesFollowTheText()
    {
        QFETCH(QString, text);
        QFETCH(QString, header);
        QFETCH(int, min_pages);
        QFETCH(int, max_pages);
        CMainFrame frame;
        frame.View().SetText(text);
        frame.View().SetPageHeader(header);
        const auto [printed, in_file] = PrintToPdf(frame.View(), frame.View().Printer());
        QCOMPARE(in_file, printed);
        QVERIFY2(printed >= min_pages && printed <= max_pages, qPrintable(QString::number(printed)));
    }

    // The body ends at R-100: full lines must reach it, and nothing may pass it.
    void NoPrintedCharacterCrossesTheBodysRightEdge_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("point_size");  // 0: the printer's default font
        QTest::newRow("capital X, default font") << QString(200, u'X') << 0;
        QTest::newRow("capital X, large font") << QString(200, u'X') << 31;
        QTest::newRow("Chinese") << QStringLiteral("齿").repeated(200) << 0;
    }

    void NoPrintedCharacterCrossesTheBodysRightEdge()
    {
        QFETCH(QString, text);
        QFETCH(int, point_size);
        CMainFrame frame;
        frame.View().SetText(text);
        if (point_size > 0) {
            QFont font;
            font.setPointSize(point_size);
            frame.View().SetFontObject(font);
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(true);  // the painter's origin is the paper's corner
        PrintToPdf(frame.View(), printer);
        const QImage page = RenderFirstPage();
        QVERIFY(!page.isNull());
        const double edge = (printer.width() - 100) * double(page.width()) / printer.width();
        int rightmost_ink = -1;
        for (int y = 0; y < page.height(); ++y)
            for (int x = page.width() - 1; x > rightmost_ink; --x)
                if (qGray(page.pixel(x, y)) < 128)
                    rightmost_ink = x;
        // One pixel for rounding at this resolution; a full line ends within
        // about a character of the edge.
        QVERIFY2(rightmost_ink <= edge + 1, qPrintable(QStringLiteral("ink at %1, edge %2").arg(rightmost_ink).arg(edge)));
        QVERIFY2(rightmost_ink > edge - 80, qPrintable(QStringLiteral("ink at %1, edge %2").arg(rightmost_ink).arg(edge)));
    }

    // A header wider than its band is cut at its end, where "…" says so,
    // not on both sides of the paper.
    void ALongHeaderEndsInAnEllipsis()
    {
        CMainFrame frame;
        frame.View().SetText(QStringLiteral("x"));
        const QString header = QStringLiteral("公式计算结果").repeated(14);
        frame.View().SetPageHeader(header);
        QPrinter printer(QPrinter::HighResolution);
        PrintToPdf(frame.View(), printer);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", last_pdf_, "-"});
        QVERIFY(text.waitForFinished(-1) && text.exitCode() == 0);
        const QString first_line = QString::fromUtf8(text.readAllStandardOutput()).section(u'\n', 0, 0);
        QVERIFY2(first_line.endsWith(u'…') && first_line.size() > 20, qPrintable(first_line));
        // pdftotext may give a character as the code of its radical (⼏ for 几).
        QVERIFY2(header.startsWith(first_line.chopped(1).normalized(QString::NormalizationForm_KC)),
                 qPrintable(first_line));
    }

    void ALargerFontTakesMorePages()
    {
        CMainFrame frame;
        frame.View().SetText(Lines(200, QStringLiteral("x = 1")));
        QPrinter printer(QPrinter::HighResolution);
        const int default_pages = PrintToPdf(frame.View(), printer).first;
        QFont large;
        large.setPointSize(24);
        frame.View().SetFontObject(large);
        const auto [printed, in_file] = PrintToPdf(frame.View(), printer);
        QCOMPARE(in_file, printed);
        QVERIFY2(printed > default_pages, qPrintable(QString::number(printed)));
    }

    void PageRangePrintsOnlyThosePages()
    {
        CMainFrame frame;
        frame.View().SetText(Lines(300, QStringLiteral("line")));
        QPrinter printer(QPrinter::HighResolution);
        const int all = PrintToPdf(frame.View(), printer).first;
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        QCOMPARE(PrintToPdf(frame.View(), printer), std::pair(2, 2));
        printer.setFromTo(all, all + 5);
        QCOMPARE(PrintToPdf(frame.View(), printer), std::pair(1, 1));
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::CompanionPrintTest)
#include "companion_print_test.moc"
