// 保存 and 读入 through the file dialogs, and the process file named on the
// command line.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/gbk_qt.h"
#include "records/process_file.h"
#include "window_fixture.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

const QString kFileTypes = u"计算文件 (*.vek);;所有文件 (*.*)"_s;

QByteArray Header()
{
    return QByteArray(kProcessFileHeader.data(), qsizetype(kProcessFileHeader.size()));
}

}  // namespace

class ProcessFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void SaveWritesTheHistory();
    void SaveRemembersTheFile();
    void SaveThatFailsKeepsTheHistory();
    void CancelChangesNothing();
    void ReadAppendsAfterTheUsedLines();
    void ReadRefusals_data();
    void ReadRefusals();
    void UndefinedBytesSurviveAJump();
    void LongLineIsCut();
    void StartUpFile_data();
    void StartUpFile();

private:
    QString Library() const { return QDir(home_->path()).filePath(u"vekf"_s); }
    QString Write(const QString& name, const QByteArray& bytes) const;
    // Lines 1 to 3 hold a=1, b=2, c=3; the window shows line 2 and its value.
    static void FillThreeLines(WindowFixture& f);

    std::unique_ptr<QTemporaryDir> home_;
    QString old_current_;
};

void ProcessFilesTest::init()
{
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("ORVIK_HOME", home_->path().toLocal8Bit());
    old_current_ = QDir::currentPath();
    QDir::setCurrent(home_->path());
}

void ProcessFilesTest::cleanup()
{
    QDir::setCurrent(old_current_);
    home_.reset();
}

QString ProcessFilesTest::Write(const QString& name, const QByteArray& bytes) const
{
    const QString path = QDir(home_->path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void ProcessFilesTest::FillThreeLines(WindowFixture& f)
{
    for (const QString& text : {u"a=1"_s, u"b=2"_s}) {
        f.SetInput(text);
        f.Click(id::kStepDown);
    }
    f.SetInput(u"c=3"_s);
    f.JumpTo(u"2"_s);
}

// The library directory is made on the first save; rows of a line are
// joined with ";" in the file and in the window.
void ProcessFilesTest::SaveWritesTheHistory()
{
    WindowFixture f;
    QVERIFY(!QDir(Library()).exists());
    f.SetInput(u"p=3"_s);
    f.Click(id::kStepDown);
    f.SetInput(u"q=p*2\nr=q+1"_s);
    const QString path = QDir(Library()).filePath(u"run.vek"_s);
    f.port.chosen_files = {path};
    f.Click(id::kSave);

    QCOMPARE(f.port.file_choices.size(), 1);
    QCOMPARE(f.port.file_choices[0].caption, u"计算文件存盘"_s);
    QCOMPARE(f.port.file_choices[0].directory, Library());
    QCOMPARE(f.port.file_choices[0].filter, kFileTypes);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), Header() + "\r\np=3\r\nq=p*2;r=q+1\r\nend:");
    QCOMPARE(f.Input().toPlainText(), u"q=p*2;r=q+1"_s);
    QCOMPARE(f.HistoryLine(1), u"q=p*2;r=q+1"_s);
    QCOMPARE(QDir::currentPath(), home_->path());
    QVERIFY(f.port.messages.isEmpty());
}

// The next save offers the remembered file; reading it back into a cleared
// history restores the rows.
void ProcessFilesTest::SaveRemembersTheFile()
{
    WindowFixture f;
    f.SetInput(u"x=1\ny=2"_s);
    const QString path = QDir(home_->path()).filePath(u"elsewhere.vek"_s);
    f.port.chosen_files = {path, path, path};
    f.Click(id::kSave);
    QCOMPARE(f.window.ProcessFile(), path);
    f.Click(id::kSave);
    QCOMPARE(f.port.file_choices[1].directory, path);

    f.Click(id::kClearStatements);
    f.Click(id::kLoad);
    QCOMPARE(f.port.file_choices[2].caption, u"选择计算文件读入"_s);
    QCOMPARE(f.port.file_choices[2].directory, Library());
    QCOMPARE(f.port.file_choices[2].filter, kFileTypes);
    QCOMPARE(f.HistoryLine(0), u"x=1\ny=2"_s);
    QCOMPARE(f.Input().toPlainText(), u"x=1\ny=2"_s);
}

void ProcessFilesTest::SaveThatFailsKeepsTheHistory()
{
    WindowFixture f;
    f.SetInput(u"x=1\ny=2"_s);
    const QString path = QDir(home_->path()).filePath(u"missing/run.vek"_s);
    f.port.chosen_files = {path};
    f.Click(id::kSave);
    QCOMPARE(f.port.messages, QStringList{u"打不开文件"_s});
    QCOMPARE(f.HistoryLine(0), u"x=1\ny=2"_s);
    QCOMPARE(f.Input().toPlainText(), u"x=1\ny=2"_s);
    QCOMPARE(f.window.ProcessFile(), path);
}

void ProcessFilesTest::CancelChangesNothing()
{
    WindowFixture f;
    f.SetInput(u"x=1"_s);
    f.Click(id::kSave);
    f.Click(id::kLoad);
    QCOMPARE(f.port.dialogs, (QStringList{u"计算文件存盘"_s, u"选择计算文件读入"_s}));
    QCOMPARE(f.window.ProcessFile(), QString());
    QCOMPARE(f.Input().toPlainText(), u"x=1"_s);
    QVERIFY(f.port.messages.isEmpty());
}

// Appended after line 3; the window keeps showing line 2 with its result,
// and nothing is evaluated.
void ProcessFilesTest::ReadAppendsAfterTheUsedLines()
{
    WindowFixture f;
    FillThreeLines(f);
    const QString path = Write(u"more.vek"_s, Header() + "\r\nx=1;y=2\r\nz=3\r\nend:\r\nw=4\r\n");
    f.port.chosen_files = {path};
    f.Click(id::kLoad);
    QCOMPARE(f.HistoryLine(2), u"c=3"_s);
    QCOMPARE(f.HistoryLine(3), u"x=1\ny=2"_s);
    QCOMPARE(f.HistoryLine(4), u"z=3"_s);
    QCOMPARE(f.HistoryLine(5), QString());
    QCOMPARE(f.Input().toPlainText(), u"b=2"_s);
    QCOMPARE(f.Result(), u"2.000000000000"_s);
    QCOMPARE(f.LineBox(), u"2"_s);
    QVERIFY(f.Enabled(id::kStepUp));
    QCOMPARE(f.Variables().rowCount(), 2);  // a and b
    QCOMPARE(f.window.ProcessFile(), path);
    QCOMPARE(QDir::currentPath(), home_->path());
}

void ProcessFilesTest::ReadRefusals_data()
{
    QTest::addColumn<QByteArray>("bytes");  // empty: no file
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("missing file") << QByteArray() << QStringList();
    QTest::newRow("header with a blank") << Header() + " \r\nx=1\r\n" << QStringList{u"文件格式错误"_s};
    QTest::newRow("other text") << QByteArray("x=1\r\n") << QStringList{u"文件格式错误"_s};
}

// A confirmed dialog is remembered even when the file is refused.
void ProcessFilesTest::ReadRefusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, messages);
    WindowFixture f;
    FillThreeLines(f);
    const QString path = bytes.isEmpty() ? QDir(home_->path()).filePath(u"none.vek"_s)
                                         : Write(u"bad.vek"_s, bytes);
    f.port.chosen_files = {path};
    f.Click(id::kLoad);
    QCOMPARE(f.port.messages, messages);
    QCOMPARE(f.HistoryLine(3), QString());
    QCOMPARE(f.Input().toPlainText(), u"b=2"_s);
    QCOMPARE(f.Result(), u"2.000000000000"_s);
    QCOMPARE(f.window.ProcessFile(), path);
}

// A line the box cannot show exactly is shown with a stand-in character and
// is not overwritten by showing it again.
void ProcessFilesTest::UndefinedBytesSurviveAJump()
{
    WindowFixture f;
    f.port.chosen_files = {Write(u"odd.vek"_s, Header() + "\r\na=\xFF" "1\r\n")};
    f.Click(id::kLoad);
    QCOMPARE(f.Input().toPlainText(), u"a=\uFFFD1"_s);
    f.JumpTo(u"2"_s);
    f.JumpTo(u"1"_s);
    QCOMPARE(f.window.History().Line(0), std::string("a=\xFF" "1"));
}

// Two megabytes on one line: the window shows its start, not a frozen box.
void ProcessFilesTest::LongLineIsCut()
{
    WindowFixture f;
    const QByteArray line = "h=1" + QByteArray("+1").repeated(1 << 20);
    f.port.chosen_files = {Write(u"long.vek"_s, Header() + "\r\n" + line + "\r\nend:")};
    f.Click(id::kLoad);
    QCOMPARE(f.port.messages, QStringList{FromGbk(kLinesCutMessage)});
    QCOMPARE(f.Input().toPlainText().size(), qsizetype(kProcessFileLineMax));
    QVERIFY(f.Input().toPlainText().startsWith(u"h=1+1+1"_s));
}

void ProcessFilesTest::StartUpFile_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("shown");
    QTest::newRow("4 bytes") << u"ab.v"_s << u"r=2"_s;
    QTest::newRow("full path") << QString() << u"r=2"_s;
    QTest::newRow("3 bytes") << u"a.v"_s << QString();
    QTest::newRow("directory") << u"folder.vek"_s << QString();  // no message either
}

// Relative names are read from the working directory.
void ProcessFilesTest::StartUpFile()
{
    QFETCH(QString, argument);
    QFETCH(QString, shown);
    const QByteArray bytes = Header() + "\r\nr=2\r\nr*3\r\nend:";
    const QString full = Write(u"start.vek"_s, bytes);
    Write(u"ab.v"_s, bytes);
    Write(u"a.v"_s, bytes);
    QDir(home_->path()).mkdir(u"folder.vek"_s);
    WindowFixture f(argument.isEmpty() ? full : argument);
    QCOMPARE(f.Input().toPlainText(), shown);
    QCOMPARE(f.HistoryLine(1), shown.isEmpty() ? QString() : u"r*3"_s);
    QCOMPARE(f.LineBox(), u"1"_s);
    QCOMPARE(f.Variables().rowCount(), 0);
    QVERIFY(f.port.messages.isEmpty());
}

}  // namespace orvik

QTEST_MAIN(orvik::ProcessFilesTest)
#include "process_files_test.moc"
