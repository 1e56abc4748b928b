// Where windows open and what the save dialogs add to a name.
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include "platform/save_file_dialog.h"
#include "platform/window_placement.h"

namespace orvik {

using namespace Qt::StringLiterals;

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void AWindowOpensBesideItsOwnerWhereTheScreenAllows()
    {
        const QRect screen(0, 0, 1920, 1080);
        const QSize size(400, 300);
        struct Case {
            QRect owner;
            QPoint expected;
        };
        const Case cases[] = {
            {{100, 100, 800, 600}, {900, 100}},   // right
            {{100, 900, 800, 150}, {900, 780}},   // right, lifted onto the screen
            {{1200, 100, 700, 600}, {800, 100}},  // left
            {{0, 0, 1900, 600}, {0, 600}},        // below
            {{0, 0, 1900, 1000}, {1520, 780}},    // no room: the bottom right corner
        };
        for (const Case& c : cases)
            QCOMPARE(BesidePosition(c.owner, size, screen), c.expected);
    }

    void SavingAddsTheEndingOfTheChosenFileType()
    {
        QTemporaryDir dir;
        QFileDialog dialog(nullptr, u"计算文件存盘"_s, dir.path(), u"计算文件 (*.vek);;所有文件 (*.*)"_s);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        AddChosenEnding(dialog);
        dialog.selectFile(u"pyth"_s);
        QCOMPARE(dialog.selectedFiles(), QStringList{dir.filePath(u"pyth.vek"_s)});
        auto* types = dialog.findChild<QComboBox*>(u"fileTypeCombo"_s);
        QVERIFY(types);
        types->setCurrentIndex(1);
        emit types->textActivated(types->currentText());  // as the user's choice
        QCOMPARE(dialog.selectedFiles(), QStringList{dir.filePath(u"pyth"_s)});
    }
};

}  // namespace orvik

QTEST_MAIN(orvik::WindowTest)
#include "window_test.moc"
