// A window of the programs keeps their light look on a dark desktop.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "platform/own_look.h"
#include "text_contrast.h"

namespace orvik {

class OwnLookTest : public QObject {
    Q_OBJECT

private slots:
    // Widgets without colours of their own, where a theme's palettes for
    // kinds of widget would show through.
    void PlainWidgetsIgnoreTheDesktopsPalettes()
    {
        UseDarkDesktopPalette();
        UseOwnLook(*qApp, LightPalette(QColor(239, 239, 239), QColor(0, 0, 0)));
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("标签")));
        layout->addWidget(new QPushButton(QStringLiteral("按钮")));
        layout->addWidget(new QCheckBox(QStringLiteral("选项")));
        layout->addWidget(new QLineEdit(QStringLiteral("文字")));
        auto* list = new QListWidget;
        list->addItems({QStringLiteral("一"), QStringLiteral("二")});
        layout->addWidget(list);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList poor = PoorlyReadableTexts(window, 4.5);
        QVERIFY2(poor.isEmpty(), qPrintable(poor.join(u'\n')));
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::OwnLookTest)
#include "own_look_test.moc"
