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
    void FillListsCategoriesThenFormulas();
    void MissingLibraryGivesNoItems();
    void ExpandingReadsTheDiskAgain();
    void RightClickSelectsAndKeyboardMenuOpensInTheCorner();
    void NewCategoryGoesIntoTheTargetDirectory_data();
    void NewCategoryGoesIntoTheTargetDirectory();
    void NamesThatWouldLeaveTheLibraryAreRefused_data();
    void NamesThatWouldLeaveTheLibraryAreRefused();
    void NewFormulaGivesTheFilePath();
    void RenameNeverReplaces_data();
    void RenameNeverReplaces();
    void DeleteAsksAndRemovesOnlyFormulas();
    void EditingLocksAllButNewCategory();
    void FailuresOnDiskAreReported();

private:
    QString Library(const QString& relative = {}) const { return QDir(dir_->path()).filePath(u"vekf/"_s + relative); }
    std::string LibraryBytes() const { return QFile::encodeName(Library()).toStdString(); }
    void Make(const QStringList& paths) const;
    bool Exists(const QString& relative) const { return QFileInfo::exists(Library(relative)); }
    QTreeWidgetItem* Root() const { return tree_->topLevelItem(0); }
    // The item reached from the root through `captions`.
    QTreeWidgetItem* Find(const QStringList& captions) const;
    static QStringList Captions(const QTreeWidgetItem* parent);
    void Select(const QStringList& captions) const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<FormulaTreeCtrl> tree_;
    std::unique_ptr<FakeUserPort> port_;
    std::unique_ptr<LibraryStore> store_;
};

// Paths ending in "/" are directories, the others files.
void FormulaTreeTest::Make(const QStringList& paths) const
{
    for (const QString& path : paths) {
        if (path.endsWith(u'/')) {
            QDir().mkpath(Library(path));
            continue;
        }
        QDir().mkpath(QFileInfo(Library(path)).path());
        QFile file(Library(path));
        if (!file.open(QIODevice::WriteOnly))
            qWarning("cannot write %s", qPrintable(path));
    }
}

QTreeWidgetItem* FormulaTreeTest::Find(const QStringList& captions) const
{
    QTreeWidgetItem* item = Root();
    for (const QString& caption : captions) {
        QTreeWidgetItem* found = nullptr;
        for (int i = 0; item && i < item->childCount() && !found; ++i) {
            if (item->child(i)->text(0) == caption)
                found = item->child(i);
        }
        item = found;
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
    port_ = std::make_unique<FakeUserPort>();
    store_ = std::make_unique<LibraryStore>(*tree_, *port_, LibraryBytes());
    store_->Rebuild();
}

void FormulaTreeTest::cleanup()
{
    store_.reset();
    tree_.reset();
    dir_.reset();
}

void FormulaTreeTest::FillListsCategoriesThenFormulas()
{
    Make({u"beta/x.txt"_s, u"Alpha/y.tfl"_s, u"gamma/"_s, u"b.tfl"_s, u"齿轮.tfl"_s, u"C.TFL"_s, u"note.txt"_s});
    store_->Rebuild();
    QCOMPARE(tree_->topLevelItemCount(), 1);
    QCOMPARE(Root()->text(0), u"公式列表"_s);
    QVERIFY(Root()->isExpanded());
    QCOMPARE(tree_->currentItem(), Root());
    QCOMPARE(Captions(Root()), (QStringList{u"Alpha"_s, u"beam"_s, u"beta"_s, u"gamma"_s, u"gear"_s,
                                           u"a "_s, u"b "_s, u"齿轮 "_s}));
    // Only directories with entries get a button; a note is an entry, not a formula.
    QCOMPARE(Find({u"Alpha"_s})->childCount(), 1);
    QCOMPARE(Find({u"beta"_s})->childCount(), 1);
    QCOMPARE(Find({u"gamma"_s})->childCount(), 0);
    Find({u"beta"_s})->setExpanded(true);
    QCOMPARE(Find({u"beta"_s})->childCount(), 0);
    const LibraryItem formula = tree_->Item(Find({u"齿轮 "_s}));
    QCOMPARE(formula.kind, LibraryItemKind::Formula);
    QCOMPARE(QFile::decodeName(FormulaFilePath(formula).c_str()), Library(u"齿轮.tfl"_s));
}

void FormulaTreeTest::MissingLibraryGivesNoItems()
{
    QDir(Library()).removeRecursively();
    store_->Rebuild();
    QCOMPARE(tree_->topLevelItemCount(), 0);
    QCOMPARE(tree_->SelectedItem().kind, LibraryItemKind::None);
}

void FormulaTreeTest::ExpandingReadsTheDiskAgain()
{
    QTreeWidgetItem* gear = Find({u"gear"_s});
    gear->setExpanded(true);
    QCOMPARE(Captions(gear), QStringList{u"spur "_s});
    tree_->setCurrentItem(Find({u"gear"_s, u"spur "_s}));
    Make({u"gear/helix.tfl"_s});
    gear->setExpanded(false);
    QCOMPARE(Captions(gear), QStringList{QString()});
    QCOMPARE(tree_->currentItem(), gear);
    gear->setExpanded(true);
    QCOMPARE(Captions(gear), (QStringList{u"helix "_s, u"spur "_s}));
}

void FormulaTreeTest::RightClickSelectsAndKeyboardMenuOpensInTheCorner()
{
    QTreeWidgetItem* beam = Find({u"beam"_s});
    QTest::mouseClick(tree_->viewport(), Qt::RightButton, {}, tree_->visualItemRect(beam).center());
    QCOMPARE(tree_->SelectedItem().kind, LibraryItemKind::Category);
    QCOMPARE(tree_->currentItem(), beam);
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
    QTest::newRow("formula beside") << QStringList{u"gear"_s, u"spur "_s} << u"gear/new"_s;
    QTest::newRow("nothing selected") << QStringList{u"-"_s} << u"new"_s;
}

void FormulaTreeTest::NewCategoryGoesIntoTheTargetDirectory()
{
    QFETCH(QStringList, selected);
    QFETCH(QString, made);
    Find({u"gear"_s})->setExpanded(true);
    Select(selected);
    port_->prompt_answers = {u" new "_s};
    store_->NewCategory();
    QCOMPARE(port_->prompts.value(0).prompt, u"请输入新计算类名"_s);
    QVERIFY(QFileInfo(Library(made)).isDir());
    QVERIFY(port_->messages.isEmpty());
    // Rebuilt: only the root is open again.
    QCOMPARE(tree_->currentItem(), Root());
    QVERIFY(!Find({u"gear"_s})->isExpanded());
    QCOMPARE(Captions(Root()).contains(u"new"_s), !made.contains(u'/'));
}

void FormulaTreeTest::NamesThatWouldLeaveTheLibraryAreRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("parent") << u"../out"_s << u"名字中不能有“/”、“\\”或控制字符"_s;
    QTest::newRow("backslash") << u"a\\b"_s << u"名字中不能有“/”、“\\”或控制字符"_s;
    QTest::newRow("dots") << u".."_s << u"名字不能是“.”或“..”"_s;
    QTest::newRow("blank") << u"   "_s << u"名字不能为空白"_s;
    QTest::newRow("no GBK") << u"a😀"_s << u"文字中的字符“😀”不能用GBK表示，请删去或改写它"_s;
}

void FormulaTreeTest::NamesThatWouldLeaveTheLibraryAreRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Select({u"a "_s});
    const QStringList before = QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (int command = 0; command < 3; ++command) {
        port_->prompt_answers = {typed};
        if (command == 0)
            store_->NewCategory();
        else if (command == 1)
            QVERIFY(!store_->NewFormula(false));
        else
            store_->Rename(false);
        QCOMPARE(port_->messages.value(command), message);
    }
    QVERIFY(Exists(u"gear/spur.tfl"_s));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(QDir(Library()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{u"a.tfl"_s, u"beam"_s, u"gear"_s}));
}

void FormulaTreeTest::NewFormulaGivesTheFilePath()
{
    Select({u"a "_s});
    port_->prompt_answers = {u"Gear.TFL"_s, std::nullopt};
    QCOMPARE(store_->NewFormula(false), QFile::encodeName(Library(u"Gear.tfl"_s)).toStdString());
    QCOMPARE(port_->prompts.value(0).prompt, u"请输入公式名"_s);
    QVERIFY(!store_->NewFormula(false));
    QVERIFY(!Exists(u"Gear.tfl"_s));
}

void FormulaTreeTest::RenameNeverReplaces_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("message");
    QTest::newRow("formula") << QStringList{u"a "_s} << u"xyz"_s << QStringList{u"xyz.tfl"_s} << QString();
    QTest::newRow("capital ending") << QStringList{u"a "_s} << u"xyz.TFL"_s << QStringList{u"xyz.tfl"_s} << QString();
    QTest::newRow("category") << QStringList{u"beam"_s} << u"beams"_s << QStringList{u"beams"_s, u"a.tfl"_s}
                              << QString();
    QTest::newRow("onto a formula") << QStringList{u"a "_s} << u"b"_s << QStringList{u"a.tfl"_s, u"b.tfl"_s}
                                    << u"已有名为“b”的计算类或公式"_s;
    QTest::newRow("onto a directory") << QStringList{u"a "_s} << u"gear.TFL"_s << QStringList{u"a.tfl"_s}
                                      << u"已有名为“gear.TFL”的计算类或公式"_s;
    QTest::newRow("same name") << QStringList{u"gear"_s, u"spur "_s} << u"spur"_s << QStringList{u"a.tfl"_s}
                               << QString();
    QTest::newRow("taken") << QStringList{u"beam"_s} << u"gear"_s << QStringList{u"beam"_s, u"gear/spur.tfl"_s}
                           << u"已有名为“gear”的计算类或公式"_s;
    QTest::newRow("root") << QStringList{} << u"x"_s << QStringList{u"a.tfl"_s} << u"公式列表不可重命名"_s;
}

void FormulaTreeTest::RenameNeverReplaces()
{
    QFETCH(QStringList, selected);
    QFETCH(QString, typed);
    QFETCH(QStringList, present);
    QFETCH(QString, message);
    Make({u"gear.tfl/"_s, u"b.tfl"_s});
    store_->Rebuild();
    Find({u"gear"_s})->setExpanded(true);
    Select(selected);
    port_->prompt_answers = {typed};
    store_->Rename(false);
    QCOMPARE(port_->messages.value(0), message);
    for (const QString& name : present)
        QVERIFY2(Exists(name), qPrintable(name));
    QVERIFY(Exists(u"gear/spur.tfl"_s));
}

void FormulaTreeTest::DeleteAsksAndRemovesOnlyFormulas()
{
    Select({u"gear"_s});
    store_->Delete(false);
    QCOMPARE(port_->messages, QStringList{u"不可删除计算类，你可以重命名它"_s});
    Select({u"a "_s});
    port_->answers = {false, true};
    store_->Delete(false);
    QVERIFY(Exists(u"a.tfl"_s));
    store_->Delete(false);
    QCOMPARE(port_->questions, (QStringList{u"确定要删除公式:a"_s, u"确定要删除公式:a"_s}));
    QVERIFY(!Exists(u"a.tfl"_s));
    QCOMPARE(Captions(Root()), (QStringList{u"beam"_s, u"gear"_s}));
}

void FormulaTreeTest::EditingLocksAllButNewCategory()
{
    Select({u"a "_s});
    QVERIFY(!store_->NewFormula(true));
    store_->Rename(true);
    store_->Delete(true);
    QVERIFY(store_->RefusedWhileEditing(id::formula::kOpenFormula, true));
    QVERIFY(!store_->RefusedWhileEditing(id::formula::kNewCategory, true));
    QCOMPARE(port_->messages, (QStringList{u"正在编辑"_s, u"正在编辑,不可重命名"_s, u"正在编辑,不可重命名"_s,
                                          u"正在编辑,请保存之后再打开"_s}));
    QVERIFY(port_->prompts.isEmpty());
    port_->prompt_answers = {u"new"_s};
    store_->NewCategory();
    QVERIFY(Exists(u"new"_s));
}

// Each command on an item whose file or directory went away since the listing.
void FormulaTreeTest::FailuresOnDiskAreReported()
{
    Select({u"a "_s});
    QFile::remove(Library(u"a.tfl"_s));
    port_->prompt_answers = {u"b"_s};
    store_->Rename(false);
    Make({u"c.tfl"_s});
    store_->Rebuild();
    Select({u"c "_s});
    QFile::remove(Library(u"c.tfl"_s));
    port_->answers = {true};
    store_->Delete(false);
    Select({u"gear"_s});
    QDir(Library(u"gear"_s)).removeRecursively();
    port_->prompt_answers = {u"x"_s, u"beam"_s};
    store_->NewCategory();
    store_->NewCategory();
    QCOMPARE(port_->messages, (QStringList{u"不能把“a”重命名为“b”"_s, u"不能删除公式“c”"_s,
                                          u"不能建立计算类“x”"_s, u"已有名为“beam”的计算类或公式"_s}));
    QCOMPARE(Captions(Root()), (QStringList{u"beam"_s}));
}

}  // namespace orvik

QTEST_MAIN(orvik::FormulaTreeTest)
#include "formula_tree_test.moc"
