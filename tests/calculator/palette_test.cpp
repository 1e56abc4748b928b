// The calculator window stays readable whatever palette the desktop has.

#include <QtTest>

#include "platform/program_style.h"
#include "text_contrast.h"
#include "window_fixture.h"

namespace orvik {

class PaletteTest : public QObject {
    Q_OBJECT

private slots:
    void TextsStayReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("dark desktop") << true;
        QTest::newRow("light desktop") << false;
    }

    // The fixed blue and purple texts are made for light backgrounds; 3:1
    // is the least contrast for text at this size to read.
    void TextsStayReadable()
    {
        QFETCH(bool, dark);
        if (dark)
            UseDarkDesktopPalette();
        else
            QApplication::setPalette(QApplication::style()->standardPalette());
        ApplyProgramStyle(*qApp);
        WindowFixture fixture;
        fixture.SetInput(QStringLiteral("长度=3*4"));
        fixture.Click(id::kEvaluate);
        const QStringList poor = PoorlyReadableTexts(fixture.window, 3.0);
        QVERIFY2(poor.isEmpty(), qPrintable(poor.join(u'\n')));
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::PaletteTest)
#include "palette_test.moc"
