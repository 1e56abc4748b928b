// The formula dialog on a temporary library, driven through its controls and
// the scripted port.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "engine/engine.h"
#include "formula_dialog_fixture.h"
#include "library/editable_list_ctrl.h"
#include "library/formula_dialog.h"
#include "library/formula_tree_ctrl.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::formula;

namespace {

// Files and printed texts hold GBK.
QByteArray Gbk(const QString& text)
{
    return QByteArray::fromStdString(ToGbk(text).value());
}

const QByteArray kGear = Gbk(u"ORVIK_FILE\r\n[VAR_INIT]\r\nm=2\r\nz=20\r\n[end]\r\n[EXPRESS]\r\nd=m*z\r\n"
                             u"da=d+2*m\r\n[end]\r\n[COMMENT]\r\n模数和齿数\r\n[end]\r\n"_s);
const QByteArray kBroken = Gbk(u"ORVIK_FILE\r\n[VAR_INIT]\r\nq=1\r\n需要输入变量的初值\r\n[end]\r\n"_s);
const QByteArray kOpenEnded = "ORVIK_FILE\r\n[VAR_INIT]\r\nq=1\r\n";  // the definitions never end
const QByteArray kManyResults = "ORVIK_FILE\r\n[VAR_INIT]\r\na=1000\r\n[end]\r\n[EXPRESS]\r\n"
                                + QByteArray("b=a*a\r\n").repeated(30) + "[end]\r\n[COMMENT]\r\n\r\n[end]\r\n";

}  // namespace

class FormulaDialogTest : public QObject, FormulaDialogFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void OpensAndComputesWithValuesTypedIntoTheList();
    void ComputingTakesATypedCellAndEscCancelsOnlyTheCell();
    void ComputedRowsAreReadOnlyAndUpDownMoveTheBox();
    void AFailedReadLeavesNoFormulaOpen();
    void AFailedEditReadStoresNothingOfAnotherFormula();
    void LongNamesAndResultsCanBeReadWhole();
    void EditingLocksTheLibraryAndSavesOrKeepsTheEdit();
    void NewFormulaAsksBeforeReplacingAndKeepsAnUnwrittenEdit();
    void ClosingAsksAboutTheVariables_data();
    void ClosingAsksAboutTheVariables();
    void PrintsAndSavesTheCalculation();

private:
    template <typename T>
    T& Control(int id) const
    {
        return *FindControl<T>(*dialog_, id);
    }
    void WriteFile(const QString& relative, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& relative) const;
    void Select(const QString& formula) const;
    void DoubleClick(const QString& formula) const;
    EditableListCtrl& Variables() const { return Control<EditableListCtrl>(ids::kVariables); }
    QString Cell(int row) const { return Variables().model()->index(row, 1).data().toString(); }
    QString Result(int row) const { return Control<QTableWidget>(ids::kStatements).item(row, 1)->text(); }
    void ClickCell(int row, int column) const;
    QLineEdit* Box() const { return Variables().EditBox(); }
    void Command(int id) const { emit tree().CommandChosen(id); }
    FormulaTreeCtrl& tree() const { return Control<FormulaTreeCtrl>(ids::kTree); }
};

void FormulaDialogTest::init()
{
    MakeHome();
    WriteFile(u"齿轮/gear.tfl"_s, kGear);
    WriteFile(u"齿轮/broken.tfl"_s, kBroken);
    WriteFile(u"齿轮/open.tfl"_s, kOpenEnded);
    WriteFile(u"齿轮/many.tfl"_s, kManyResults);
    QVERIFY(ShowDialog());
    tree().topLevelItem(0)->child(0)->setExpanded(true);
}

void FormulaDialogTest::cleanup()
{
    RemoveHome();
}

void FormulaDialogTest::WriteFile(const QString& relative, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(Library(relative)).path());
    QFile file(Library(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray FormulaDialogTest::ReadFile(const QString& relative) const
{
    QFile file(Library(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void FormulaDialogTest::Select(const QString& formula) const
{
    QTreeWidgetItem* category = tree().topLevelItem(0)->child(0);
    for (int i = 0; i < category->childCount(); ++i) {
        if (category->child(i)->text(0) == formula + u' ')
            tree().setCurrentItem(category->child(i));
    }
    QCOMPARE(tree().currentItem()->text(0), formula + u' ');
}

void FormulaDialogTest::DoubleClick(const QString& formula) const
{
    Select(formula);
    const QRect item = tree().visualItemRect(tree().currentItem());
    // The view takes a double click only on the item its press went to.
    QTest::mousePress(tree().viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(tree().viewport(), Qt::LeftButton, {}, item.center());
}

void FormulaDialogTest::ClickCell(int row, int column) const
{
    const QRect cell = Variables().visualRect(Variables().model()->index(row, column));
    QTest::mouseClick(Variables().viewport(), Qt::LeftButton, {}, cell.center());
}

void FormulaDialogTest::OpensAndComputesWithValuesTypedIntoTheList()
{
    QVERIFY(!Control<QWidget>(ids::kPrint).isEnabled());
    ClickCell(0, 1);  // nothing open: only the focus
    QVERIFY(!Box());
    DoubleClick(u"gear"_s);
    QCOMPARE(Control<QTableWidget>(ids::kStatements).rowCount(), 2);
    QCOMPARE(Result(0), QString());
    QCOMPARE(Cell(1), u"20.000000"_s);
    QCOMPARE(Control<QPlainTextEdit>(ids::kDescription).toPlainText(), u"模数和齿数\n"_s);
    QVERIFY(Control<QWidget>(ids::kSaveResults).isEnabled());
    QCOMPARE(engine_->Variables().Count(), 3);

    ClickCell(0, 0);  // a name never opens the box
    QVERIFY(!Box());
    ClickCell(0, 1);
    QVERIFY(Box() && Box()->isVisible() && !Box()->isReadOnly());
    QCOMPARE(Box()->selectedText(), u"2.000000"_s);
    QTest::keyClicks(Box(), u"3*4"_s);
    QCOMPARE(Cell(0), u"3*4"_s);  // as typed
    QTest::keyClick(Box(), Qt::Key_Return);
    QCOMPARE(Box()->text(), u"12.000000"_s);
    QCOMPARE(Cell(0), u"12.000000"_s);

    Control<QAbstractButton>(ids::kCompute).click();
    QCOMPARE(Result(0), u"=240.000000"_s);
    QCOMPARE(Result(1), u"=264.000000"_s);
    QCOMPARE(Variables().model()->rowCount(), 4);
    QCOMPARE(Variables().SelectedRow(), 0);

    // Opening the open formula again reads nothing.
    DoubleClick(u"gear"_s);
    QCOMPARE(Result(0), u"=240.000000"_s);
}

void FormulaDialogTest::ComputingTakesATypedCellAndEscCancelsOnlyTheCell()
{
    DoubleClick(u"gear"_s);
    ClickCell(0, 1);
    QTest::keyClicks(Box(), u"3*4"_s);
    Control<QAbstractButton>(ids::kCompute).click();  // no Enter
    QCOMPARE(Result(0), u"=240.000000"_s);
    QCOMPARE(Cell(0), u"12.000000"_s);

    ClickCell(1, 1);
    QTest::keyClicks(Box(), u"5"_s);
    QTest::keyClick(Box(), Qt::Key_Escape);
    QVERIFY(dialog_->isVisible() && !Box()->isVisible());
    QCOMPARE(Cell(1), u"20.000000"_s);
    QCOMPARE(Variables().SelectedRow(), 1);
    QVERIFY(port_.questions.isEmpty());
}

void FormulaDialogTest::ComputedRowsAreReadOnlyAndUpDownMoveTheBox()
{
    DoubleClick(u"gear"_s);
    Control<QAbstractButton>(ids::kCompute).click();
    ClickCell(3, 1);  // da, computed
    QVERIFY(Box()->isReadOnly());
    QTest::keyClicks(Box(), u"9"_s);
    QTest::keyClick(Box(), Qt::Key_Return);
    QCOMPARE(Cell(3), u"44.000000"_s);
    QTest::keyClick(Box(), Qt::Key_Down);  // the last row: stays
    QCOMPARE(Variables().SelectedRow(), 3);
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(Box(), Qt::Key_Up);
    QCOMPARE(Variables().SelectedRow(), 1);
    QVERIFY(!Box()->isReadOnly());
    QCOMPARE(Box()->text(), u"20.000000"_s);
    QCOMPARE(Box()->geometry(), Variables().visualRect(Variables().model()->index(1, 1)));

    // What GBK cannot hold never reaches the cell.
    QTest::sendKeyEvent(QTest::Click, Box(), Qt::Key_unknown, u"😀"_s, {});
    QCOMPARE(Cell(1), u"20.000000"_s);
    QCOMPARE(port_.messages.size(), 1);
}

void FormulaDialogTest::AFailedReadLeavesNoFormulaOpen()
{
    DoubleClick(u"gear"_s);
    DoubleClick(u"broken"_s);
    QCOMPARE(port_.messages, QStringList{u"公式中变量定义有错"_s});
    QCOMPARE(Control<QTableWidget>(ids::kStatements).rowCount(), 0);
    QCOMPARE(Variables().model()->rowCount(), 1);  // the definition read before the fault
    QVERIFY(!Control<QWidget>(ids::kPrint).isEnabled());
    QVERIFY(dialog_->CurrentFormulaPath().empty());
    QCOMPARE(Control<QPlainTextEdit>(ids::kDescription).toPlainText(), QString());  // not gear's
    DoubleClick(u"gear"_s);
    QCOMPARE(Variables().model()->rowCount(), 2);
}

void FormulaDialogTest::AFailedEditReadStoresNothingOfAnotherFormula()
{
    DoubleClick(u"gear"_s);
    Select(u"gear"_s);
    Command(ids::kEditFormula);
    port_.three_way_answers = {false, true};
    Control<QAbstractButton>(ids::kCompute).click();  // not saved
    Select(u"open"_s);
    Command(ids::kEditFormula);
    QCOMPARE(port_.messages, QStringList{u"公式文件中计算式有错"_s});
    QCOMPARE(Control<QPlainTextEdit>(ids::kStatementsEditor).toPlainText(), QString());
    QCOMPARE(Control<QPlainTextEdit>(ids::kDescription).toPlainText(), QString());
    Control<QAbstractButton>(ids::kCompute).click();  // saved
    const QByteArray saved = ReadFile(u"齿轮/open.tfl"_s);
    QVERIFY(saved.contains("q=1") && !saved.contains("d=m*z") && !saved.contains(Gbk(u"模数"_s)));
}

// The tree's tips, a larger window and a result column that keeps its
// width beside a scroll bar.
void FormulaDialogTest::LongNamesAndResultsCanBeReadWhole()
{
    DoubleClick(u"many"_s);
    QCOMPARE(tree().currentItem()->toolTip(0), u"many"_s);
    auto& statements = Control<QTableWidget>(ids::kStatements);
    const QSize list_size = statements.size();
    dialog_->resize(dialog_->size() + QSize(300, 200));
    QCOMPARE(statements.size(), list_size + QSize(200, 100));
    Control<QAbstractButton>(ids::kCompute).click();
    QTRY_VERIFY(statements.verticalScrollBar()->isVisible());
    QVERIFY(statements.columnWidth(1) > statements.fontMetrics().horizontalAdvance(Result(0)));
    QVERIFY(statements.columnViewportPosition(1) + statements.columnWidth(1) <= statements.viewport()->width());
}

void FormulaDialogTest::EditingLocksTheLibraryAndSavesOrKeepsTheEdit()
{
    DoubleClick(u"gear"_s);
    Select(u"gear"_s);
    Command(ids::kEditFormula);
    QCOMPARE(dialog_->EditingState(), FormulaDialog::Editing::ExistingFormula);
    QCOMPARE(Control<QAbstractButton>(ids::kCompute).text(), u"结束编辑"_s);
    QVERIFY(Control<QWidget>(ids::kStatementsEditor).isVisible() && !Variables().isVisible());
    QCOMPARE(Control<QPlainTextEdit>(ids::kDefinitionsEditor).toPlainText(), u"m=2\nz=20\n"_s);
    QCOMPARE(engine_->Variables().Count(), 1);

    for (const int command : {ids::kOpenFormula, ids::kNewFormula, ids::kRename, ids::kDelete})
        Command(command);
    QCOMPARE(port_.messages, (QStringList{u"正在编辑,请保存之后再打开"_s, u"正在编辑"_s, u"正在编辑,不可重命名"_s,
                                          u"正在编辑,不可重命名"_s}));

    auto& statements = Control<QPlainTextEdit>(ids::kStatementsEditor);
    statements.setPlainText(u"d=m*z\nW=d\n"_s);
    statements.setFocus();
    Control<QComboBox>(ids::kLetters).activated(0);  // α, like every letter
    QCOMPARE(statements.toPlainText(), u"αd=m*z\nW=d\n"_s);
    statements.setPlainText(u"d=m*z\nW=d\n"_s);

    port_.three_way_answers = {std::nullopt, true};
    Control<QAbstractButton>(ids::kCompute).click();
    QCOMPARE(dialog_->EditingState(), FormulaDialog::Editing::ExistingFormula);
    Control<QAbstractButton>(ids::kCompute).click();
    QCOMPARE(dialog_->EditingState(), FormulaDialog::Editing::None);
    QVERIFY(ReadFile(u"齿轮/gear.tfl"_s).contains("[EXPRESS]\r\nd=m*z\r\r\nW=d\r\r\n"));
    QCOMPARE(Control<QTableWidget>(ids::kStatements).item(1, 0)->text(), u"W=d"_s);  // read again
    QCOMPARE(port_.questions.count(u"是否保存本次所作修改?"_s), 2);
}

void FormulaDialogTest::NewFormulaAsksBeforeReplacingAndKeepsAnUnwrittenEdit()
{
    Select(u"gear"_s);
    port_.prompt_answers = {std::nullopt, u"gear"_s};
    Command(ids::kNewFormula);  // cancelled at the name
    QCOMPARE(dialog_->EditingState(), FormulaDialog::Editing::None);
    Command(ids::kNewFormula);
    QCOMPARE(Control<QAbstractButton>(ids::kCompute).text(), u"退出编辑"_s);
    auto& statements = Control<QPlainTextEdit>(ids::kStatementsEditor);
    QCOMPARE(statements.toPlainText(), QString());
    QCOMPARE(statements.placeholderText(), u"此处输入计算式"_s);
    QVERIFY(!Control<QWidget>(ids::kPrint).isVisible() && Control<QWidget>(ids::kLetters).isVisible());
    statements.setPlainText(u"r=2*a"_s);
    Control<QPlainTextEdit>(ids::kDefinitionsEditor).setPlainText(u"a=1"_s);

    port_.three_way_answers = {true};
    port_.answers = {false};  // do not replace the gear formula, nor take another name
    Control<QAbstractButton>(ids::kCompute).click();
    QVERIFY(port_.questions.contains(u"已有名为“gear”的公式,要替换它吗?"_s));
    QCOMPARE(port_.prompts.last().prompt, u"请输入另一个公式名"_s);
    QCOMPARE(port_.prompts.last().entry, u"gear"_s);
    QCOMPARE(ReadFile(u"齿轮/gear.tfl"_s), kGear);
    QCOMPARE(dialog_->EditingState(), FormulaDialog::Editing::NewFormula);

    QDir(Library(u"齿轮"_s)).removeRecursively();  // nowhere to write
    port_.three_way_answers = {true};
    port_.answers = {true};
    Control<QAbstractButton>(ids::kCompute).click();
    QCOMPARE(port_.messages.last(), u"不能保存公式“gear”"_s);
    QCOMPARE(dialog_->EditingState(), FormulaDialog::Editing::NewFormula);
    QCOMPARE(statements.toPlainText(), u"r=2*a"_s);

    QDir().mkpath(Library(u"齿轮"_s));
    port_.three_way_answers = {true};
    Control<QAbstractButton>(ids::kCompute).click();
    QCOMPARE(dialog_->EditingState(), FormulaDialog::Editing::None);
    const QByteArray written("ORVIK_FILE\r\n[VAR_INIT]\r\na=1\r\n[end]\r\n[EXPRESS]\r\nr=2*a\r\n[end]\r\n"
                             "[COMMENT]\r\n\r\n[end]\r\n");
    QCOMPARE(ReadFile(u"齿轮/gear.tfl"_s), written);
    QCOMPARE(tree().currentItem(), tree().topLevelItem(0));

    // Not replaced, saved under another name.
    tree().topLevelItem(0)->child(0)->setExpanded(true);
    Select(u"gear"_s);
    port_.prompt_answers = {u"gear"_s, u"gear2"_s};
    Command(ids::kNewFormula);
    Control<QPlainTextEdit>(ids::kDefinitionsEditor).setPlainText(u"a=2"_s);
    port_.three_way_answers = {true};
    port_.answers = {false};
    Control<QAbstractButton>(ids::kCompute).click();
    QCOMPARE(dialog_->EditingState(), FormulaDialog::Editing::None);
    QCOMPARE(ReadFile(u"齿轮/gear.tfl"_s), written);
    QVERIFY(ReadFile(u"齿轮/gear2.tfl"_s).contains("a=2"));
}

void FormulaDialogTest::ClosingAsksAboutTheVariables_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QList<std::optional<bool>>>("three_way");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("questions");
    const QString keep = u"是否在自由计算时使用刚才用过的变量"_s;
    const QString save = u"是否保存本次所作修改?"_s;
    QTest::newRow("nothing opened") << false << false << QList<std::optional<bool>>{} << false << true << 1
                                    << QStringList{};
    QTest::newRow("no") << true << false << QList<std::optional<bool>>{} << false << true << 1 << QStringList{keep};
    QTest::newRow("yes") << true << false << QList<std::optional<bool>>{} << true << true << 3 << QStringList{keep};
    QTest::newRow("editing, cancel") << true << true << QList<std::optional<bool>>{std::nullopt} << false << false
                                     << 1 << QStringList{save};
    QTest::newRow("editing, no") << true << true << QList<std::optional<bool>>{false} << true << true << 3
                                 << QStringList{save, keep};
}

void FormulaDialogTest::ClosingAsksAboutTheVariables()
{
    QFETCH(bool, open);
    QFETCH(bool, edit);
    QFETCH(QList<std::optional<bool>>, three_way);
    QFETCH(bool, keep);
    QFETCH(bool, closed);
    if (open)
        DoubleClick(u"gear"_s);
    if (edit)
        Command(ids::kEditFormula);
    QSignalSpy kept(dialog_.get(), &FormulaDialog::VariablesKept);
    port_.three_way_answers = three_way;
    port_.answers = {keep};
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    QCOMPARE(dialog_->isVisible(), !closed);
    QTEST(engine_->Variables().Count(), "count");
    QTEST(port_.questions, "questions");
    QCOMPARE(kept.count(), closed && keep && open ? 1 : 0);
}

void FormulaDialogTest::PrintsAndSavesTheCalculation()
{
    DoubleClick(u"gear"_s);
    Control<QAbstractButton>(ids::kCompute).click();
    port_.chosen_files = {dir_->filePath(u"out.txt"_s), dir_->filePath(u"missing/out.txt"_s)};
    Control<QAbstractButton>(ids::kSaveResults).click();
    Control<QAbstractButton>(ids::kSaveResults).click();
    QCOMPARE(port_.messages, (QStringList{u"保存成功"_s, u"打不开文件"_s}));
    QCOMPARE(port_.file_choices.first().directory, dir_->filePath(u"gear.txt"_s));
    QFile saved(dir_->filePath(u"out.txt"_s));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    for (const QString& part : {u"公式: gear\r\n"_s, u"m = 2.000000"_s, u"d=m*z\t=40.000000\r\n"_s,
                                u"da = 44.000000"_s, u"模数和齿数"_s})
        QVERIFY2(text.contains(Gbk(part)), qPrintable(part));

    port_.inspect_dialog = [](QDialog& dialog) { dialog.accept(); };
    Control<QAbstractButton>(ids::kPrint).click();
    QCOMPARE(start_.started.size(), size_t(1));
    QFile printed(dir_->filePath(u"__temp1"_s));
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.readAll().startsWith(Gbk(u"公式: gear\r\n"_s)));
}

}  // namespace orvik

QTEST_MAIN(orvik::FormulaDialogTest)
#include "formula_dialog_test.moc"
