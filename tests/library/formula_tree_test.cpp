// The library tree on a temporary library, and the library commands run
// through the scripted port.
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "fake_user_port.h"
#include "library/formula_tree_ctrl.h"
#include "library/library_store.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

class FormulaTreeTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ListsInOrderAndReadsTheDiskOnEachExpansion();
    void RightClickSelectsAndKeyboardMenuOpensInTheCorner();
    void NewCategoryGoesIntoTheTargetDirectory_data();
    void NewCategoryGoesIntoTheTargetDirectory();
    void NamesThatWouldLeaveTheLibraryAreRefused();
    void RenameNeverReplaces_data();
    void RenameNeverReplaces();
    void NewFormulaDeleteAndTheEditingLock();
    void FailuresOnDiskAreReported();
    void NothingChangesInACategoryLinkedFromOutside();

private:
    QString Library(const QString& relative = {}) const { return dir_->filePath(u"vekf/"_s + relative); }
    // Paths ending in "/" are directories, the others empty files.
    void Make(const QStringList& paths) const;
    bool Exists(const QString& relative) const { return QFileInfo::exists(Library(relative)); }
    QTreeWidgetItem* Root() const { return tree_->topLevelItem(0); }
    // The item reached from the root through `captions`.
    QTreeWidgetItem* Find(const QStringList& captions) const;
    void Select(const QStringList& captions) const;
    static QStringList Captions(const QTreeWidgetItem* parent);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<FormulaTreeCtrl> tree_;
    FakeUserPort port_;
    std::unique_ptr<LibraryStore> store_;
};

void FormulaTreeTest::Make(const QStringList& paths) const
{
    for (const QString& path : paths) {
        QDir().mkpath(path.endsWith(u'/') ? Library(path) : QFileInfo(Library(path)).path());
        if (QFile file(Library(path)); !path.endsWith(u'/') && !file.open(QIODevice::WriteOnly))
            qWarning("cannot write %s", qPrintable(path));
    }
}

QTreeWidgetItem* FormulaTreeTest::Find(const QStringList& captions) const
{
    QTreeWidgetItem* item = Root();
    for (const QString& caption : captions) {
        const int row = Captions(item).indexOf(caption);
        item = row < 0 ? nullptr : item->child(row);
    }
    return item;
}

void FormulaTreeTest::Select(const QStringList& captions) const
{
    tree_->clearSelection();
    tree_->setCurrentItem(Find(captions));
}

QStringList FormulaTreeTest::Captions(const QTreeWidgetItem* parent)
{
    QStringList captions;
    for (int i = 0; parent && i < parent->childCount(); ++i)
        captions << parent->child(i)->text(0);
    return captions;
}

void FormulaTreeTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    Make({u"gear/spur.tfl"_s, u"gear/note.txt"_s, u"beam/"_s, u"a.tfl"_s});
    tree_ = std::make_unique<FormulaTreeCtrl>();
    tree_->resize(300, 400);
    tree_->show();
    port_ = FakeUserPort();
    store_ = std::make_unique<LibraryStore>(*tree_, port_, QFile::encodeName(Library()).toStdString());
    store_->Rebuild();
}

void FormulaTreeTest::cleanup()
{
    store_.reset();
    tree_.reset();
    dir_.reset();
}

void FormulaTreeTest::ListsInOrderAndReadsTheDiskOnEachExpansion()
{
    Make({u"beta/x.txt"_s, u"Alpha/"_s, u"b.tfl"_s, u"齿轮.tfl"_s, u"C.TFL"_s, u"note.txt"_s});
    store_->Rebuild();
    QCOMPARE(Root()->text(0), u"公式列表"_s);
    QVERIFY(Root()->isExpanded());
    QCOMPARE(tree_->currentItem(), Root());
    QCOMPARE(Captions(Root()),
             (QStringList{u"Alpha"_s, u"beam"_s, u"beta"_s, u"gear"_s, u"a "_s, u"b "_s, u"齿轮 "_s}));
    // A note is an entry, so beta gets a button, but not a formula.
    QCOMPARE(Find({u"Alpha"_s})->childCount(), 0);
    Find({u"beta"_s})->setExpanded(true);
    QCOMPARE(Find({u"beta"_s})->childCount(), 0);
    QCOMPARE(FormulaFilePath(tree_->Item(Find({u"齿轮 "_s}))), QFile::encodeName(Library(u"齿轮.tfl"_s)).toStdString());

    QTreeWidgetItem* gear = Find({u"gear"_s});
    gear->setExpanded(true);
    tree_->setCurrentItem(Find({u"gear"_s, u"spur "_s}));
    Make({u"gear/helix.tfl"_s});
    gear->setExpanded(false);
    QCOMPARE(Captions(gear), QStringList{QString()});
    QCOMPARE(tree_->currentItem(), gear);
    gear->setExpanded(true);
    QCOMPARE(Captions(gear), (QStringList{u"helix "_s, u"spur "_s}));

    QDir(Library()).removeRecursively();
    store_->Rebuild();
    QCOMPARE(tree_->topLevelItemCount(), 0);
}

void FormulaTreeTest::RightClickSelectsAndKeyboardMenuOpensInTheCorner()
{
    QTreeWidgetItem* beam = Find({u"beam"_s});
    QTest::mouseClick(tree_->viewport(), Qt::RightButton, {}, tree_->visualItemRect(beam).center());
    QCOMPARE(tree_->SelectedItem().kind, LibraryItemKind::Category);
    QTest::mouseClick(tree_->viewport(), Qt::RightButton, {}, QPoint(150, tree_->viewport()->height() - 5));
    QCOMPARE(tree_->SelectedItem().kind, LibraryItemKind::None);

    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(-1, -1), QPoint(-1, -1));
    QApplication::sendEvent(tree_->viewport(), &request);
    QMenu& menu = tree_->ContextMenu();
    QVERIFY(menu.isVisible());
    QCOMPARE(menu.pos(), tree_->viewport()->mapToGlobal(QPoint(5, 5)));
    QSignalSpy chosen(tree_.get(), &FormulaTreeCtrl::CommandChosen);
    menu.findChild<QAction*>(QString::number(id::formula::kRename))->trigger();
    QCOMPARE(chosen.value(0).value(0).toInt(), id::formula::kRename);
    menu.close();
}

void FormulaTreeTest::NewCategoryGoesIntoTheTargetDirectory_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("made");
    QTest::newRow("root") << QStringList{} << u"new"_s;
    QTest::newRow("category") << QStringList{u"gear"_s} << u"gear/new"_s;
    QTest::newRow("beside a formula") << QStringList{u"gear"_s, u"spur "_s} << u"gear/new"_s;
    QTest::newRow("nothing selected") << QStringList{u"-"_s} << u"new"_s;
}

void FormulaTreeTest::NewCategoryGoesIntoTheTargetDirectory()
{
    QFETCH(QStringList, selected);
    QFETCH(QString, made);
    Find({u"gear"_s})->setExpanded(true);
    Select(selected);
    port_.prompt_answers = {u" new "_s};
    store_->NewCategory();
    QCOMPARE(port_.prompts.value(0).prompt, u"请输入新计算类名"_s);
    QVERIFY(QFileInfo(Library(made)).isDir());
    QVERIFY(port_.messages.isEmpty());
    // Rebuilt: the root open and selected, the rest closed.
    QCOMPARE(tree_->currentItem(), Root());
    QVERIFY(!Find({u"gear"_s})->isExpanded());
}

void FormulaTreeTest::NamesThatWouldLeaveTheLibraryAreRefused()
{
    const QStringList typed{u"../out"_s, u"a😀"_s};
    const QStringList messages{u"名字中不能有“/”、“\\”或控制字符"_s, u"文字中的字符“😀”不能用GBK表示，请删去或改写它"_s};
    Select({u"a "_s});
    const QStringList before = QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& name : typed) {
        port_.prompt_answers = {name, name, name};
        store_->NewCategory();
        QVERIFY(!store_->NewFormula(false));
        store_->Rename(false);
    }
    for (int i = 0; i < typed.size() * 3; ++i)
        QCOMPARE(port_.messages.value(i), messages.value(i / 3));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(QDir(Library()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{u"a.tfl"_s, u"beam"_s, u"gear"_s}));
}

void FormulaTreeTest::RenameNeverReplaces_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("present");
    QTest::addColumn<QString>("message");
    QTest::newRow("formula") << QStringList{u"a "_s} << u"xyz"_s << u"xyz.tfl"_s << QString();
    QTest::newRow("category") << QStringList{u"beam"_s} << u"beams"_s << u"beams"_s << QString();
    QTest::newRow("onto a formula") << QStringList{u"a "_s} << u"b"_s << u"a.tfl"_s << u"已有名为“b”的计算类或公式"_s;
    QTest::newRow("onto a directory") << QStringList{u"a "_s} << u"gear.TFL"_s << u"a.tfl"_s
                                      << u"已有名为“gear.TFL”的计算类或公式"_s;
    QTest::newRow("root") << QStringList{} << u"x"_s << QString() << u"公式列表不可重命名"_s;
}

void FormulaTreeTest::RenameNeverReplaces()
{
    QFETCH(QStringList, selected);
    QFETCH(QString, typed);
    QFETCH(QString, present);
    QFETCH(QString, message);
    Make({u"gear.tfl/"_s, u"b.tfl"_s});
    store_->Rebuild();
    Find({u"gear"_s})->setExpanded(true);
    Select(selected);
    port_.prompt_answers = {typed};
    store_->Rename(false);
    QCOMPARE(port_.messages.value(0), message);
    QVERIFY(Exists(present));
    QVERIFY(Exists(u"b.tfl"_s) && Exists(u"gear/spur.tfl"_s) && QFileInfo(Library(u"gear.tfl"_s)).isDir());
}

void FormulaTreeTest::NewFormulaDeleteAndTheEditingLock()
{
    Select({u"gear"_s});
    port_.prompt_answers = {u"Gear.TFL"_s};
    QCOMPARE(store_->NewFormula(false), QFile::encodeName(Library(u"gear/Gear.tfl"_s)).toStdString());
    QVERIFY(!Exists(u"gear/Gear.tfl"_s));
    store_->Delete(false);
    Select({u"a "_s});
    port_.answers = {false, true};
    store_->Delete(false);
    QVERIFY(Exists(u"a.tfl"_s));
    store_->Delete(false);
    QVERIFY(!Exists(u"a.tfl"_s));
    QCOMPARE(port_.questions, (QStringList{u"确定要删除公式:a"_s, u"确定要删除公式:a"_s}));
    QCOMPARE(Captions(Root()), (QStringList{u"beam"_s, u"gear"_s}));

    Select({u"gear"_s});
    QVERIFY(!store_->NewFormula(true));
    store_->Rename(true);
    store_->Delete(true);
    QVERIFY(store_->RefusedWhileEditing(id::formula::kOpenFormula, true));
    QCOMPARE(port_.messages, (QStringList{u"不可删除计算类，你可以重命名它"_s, u"正在编辑"_s, u"正在编辑,不可重命名"_s,
                                         u"正在编辑,不可重命名"_s, u"正在编辑,请保存之后再打开"_s}));
    QCOMPARE(port_.prompts.size(), 1);
}

// Each command on an item whose file or directory went away after the listing.
void FormulaTreeTest::FailuresOnDiskAreReported()
{
    Make({u"c.tfl"_s});
    store_->Rebuild();
    Select({u"a "_s});
    QFile::remove(Library(u"a.tfl"_s));
    port_.prompt_answers = {u"b"_s};
    store_->Rename(false);
    Select({u"c "_s});
    QFile::remove(Library(u"c.tfl"_s));
    port_.answers = {true};
    store_->Delete(false);
    Select({u"gear"_s});
    QDir(Library(u"gear"_s)).removeRecursively();
    port_.prompt_answers = {u"x"_s, u"beam"_s};
    store_->NewCategory();
    store_->NewCategory();
    QCOMPARE(port_.messages, (QStringList{u"不能把“a”重命名为“b”"_s, u"不能删除公式“c”"_s, u"不能建立计算类“x”"_s,
                                         u"已有名为“beam”的计算类或公式"_s}));
    QCOMPARE(Captions(Root()), QStringList{u"beam"_s});
}

// Each command that would change a category linked from outside the
// library is refused with its message before it asks anything.
void FormulaTreeTest::NothingChangesInACategoryLinkedFromOutside()
{
    const QString outside = dir_->filePath(u"outside"_s);
    QVERIFY(QDir().mkpath(outside) && QFile(outside + u"/x.tfl"_s).open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(outside, Library(u"linked"_s)));
    store_->Rebuild();
    Find({u"linked"_s})->setExpanded(true);
    Select({u"linked"_s, u"x "_s});
    port_.answers = {true};
    port_.prompt_answers = {u"y"_s, u"z"_s};
    store_->Delete(false);
    store_->Rename(false);
    store_->NewCategory();
    QVERIFY(!store_->NewFormula(false));
    QCOMPARE(port_.messages, QStringList(4, u"计算类“linked”经链接通到公式库以外，不能在其中新建、删除或重命名"_s));
    QVERIFY(port_.questions.isEmpty() && port_.prompts.isEmpty());
    QVERIFY(QFileInfo::exists(outside + u"/x.tfl"_s));
}

}  // namespace orvik

QTEST_MAIN(orvik::FormulaTreeTest)
#include "formula_tree_test.moc"
