#include "formula_dialog_monkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTreeWidgetItem>
#include <QTest>

#include "engine/engine.h"
#include "fake_user_port.h"
#include "library/editable_list_ctrl.h"
#include "library/formula_dialog.h"
#include "library/formula_tree_ctrl.h"
#include "platform/control_id.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::formula;

namespace {

// A close now and then, so that a visit sees a few formulas first.
constexpr int kCloseOneIn = 50;
constexpr int kActionsPerEventRun = 10;
// Closes at random before the answers that surely close.
constexpr int kRandomCloses = 3;

template <typename T>
T& Control(const FormulaDialog& dialog, int id)
{
    return *FindControl<T>(dialog, id);
}

QString RandomCellText(Random& random)
{
    const QString texts[] = {u"abc"_s, u"INF"_s, u"-NAN"_s, u"1e999"_s, QString(), u"0.1234567"_s,
                             u"2500000"_s, u"x=5"_s, u"\U0001F600"_s};
    return random.OneIn(2) ? RandomStatement(random) : random.Pick(texts);
}

// Mostly definitions, some of them faulty; now and then more inputs than
// the table holds.
QString RandomDefinitions(Random& random)
{
    const int lines = random.OneIn(30) ? 410 : random.Below(6);
    QString text;
    for (int line = 0; line < lines; ++line) {
        if (random.OneIn(8))
            text += RandomStatement(random);
        else
            text += u"w%1=%2"_s.arg(lines > 6 ? line : random.Below(600)).arg(random.Below(100) / 7.0);
        text += u'\n';
    }
    return text;
}

QString RandomStatements(Random& random)
{
    QString text;
    for (int lines = random.Below(5); lines > 0; --lines)
        text += RandomStatement(random) + u'\n';
    return text;
}

QString RandomDescription(Random& random)
{
    const QString texts[] = {QString(), u"说明"_s, u"\U0001F600"_s, QString(3000, u'd'), u"第一行\n第二行"_s};
    return random.Pick(texts);
}

void CollectShown(QTreeWidgetItem* item, std::vector<QTreeWidgetItem*>& items)
{
    items.push_back(item);
    for (int i = 0; item->isExpanded() && i < item->childCount(); ++i)
        CollectShown(item->child(i), items);
}

}  // namespace

FormulaDialogMonkey::FormulaDialogMonkey(FakeUserPort& port, const Engine& engine, QString folder,
                                         std::function<void(const char*)> step)
    : port_(port), engine_(engine), folder_(std::move(folder)), step_(std::move(step))
{
    BuildActions();
}

FormulaDialogMonkey::Visit FormulaDialogMonkey::Run(FormulaDialog& dialog, Random& random, int actions)
{
    dialog_ = &dialog;
    const VariableTable& table = engine_.Variables();
    base_names_.clear();
    for (int i = 0; i < table.Count(); ++i)
        base_names_.emplace_back(table[i].Name());
    Visit visit;
    const QMetaObject::Connection kept =
        QObject::connect(&dialog, &FormulaDialog::VariablesKept, [&visit] { visit.kept = true; });
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        qWarning("the formula dialog did not become active");

    const Action close{"dialog: close", [this](Random& r) { Close(r); }};
    for (int done = 1; done <= actions && dialog.isVisible(); ++done) {
        const Action& action =
            random.OneIn(kCloseOneIn) ? close : actions_[random.Below(static_cast<int>(actions_.size()))];
        step_(action.name);
        PrepareRandomAnswers(port_, random, folder_);
        action.run(random);
        if (done % kActionsPerEventRun == 0)
            QCoreApplication::processEvents();
        if (const QString broken = Broken(); !broken.isEmpty()) {
            visit.broken = u"formula dialog action %1 (%2): %3"_s.arg(done).arg(QString::fromUtf8(action.name), broken);
            break;
        }
    }
    step_("dialog: close at the end");
    for (int attempt = 0; attempt < kRandomCloses && dialog.isVisible(); ++attempt) {
        PrepareRandomAnswers(port_, random, folder_);
        Close(random);
    }
    if (dialog.isVisible()) {
        PrepareRandomAnswers(port_, random, folder_);
        port_.three_way_answers = {false};  // the edit is not saved
        dialog.close();
    }
    QObject::disconnect(kept);
    if (visit.broken.isEmpty())
        visit.broken = BrokenAfterClosing(visit.kept);
    dialog_ = nullptr;
    return visit;
}

void FormulaDialogMonkey::BuildActions()
{
    static constexpr int kKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space,
                                    Qt::Key_Home, Qt::Key_End, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Left,
                                    Qt::Key_Right, Qt::Key_PageDown, Qt::Key_1, Qt::Key_X};
    static constexpr int kTreeKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                        Qt::Key_End, Qt::Key_Return, Qt::Key_Space, Qt::Key_Asterisk,
                                        Qt::Key_Minus};
    actions_ = {
        {"dialog: double click a library item", [this](Random& r) { DoubleClick(RandomItem(r)); }},
        {"dialog: press a key in the tree",
         [this](Random& r) {
             Tree().setFocus();
             QTest::keyClick(&Tree(), Qt::Key(r.Pick(kTreeKeys)));
         }},
        {"dialog: choose a library command",
         [this](Random& r) {
             if (!r.OneIn(4)) {
                 QTreeWidgetItem* item = RandomItem(r);
                 const QPoint at = item ? Tree().visualItemRect(item).center()
                                        : QPoint(5, Tree().viewport()->height() - 3);
                 QTest::mouseClick(Tree().viewport(), Qt::RightButton, {}, at);
             }
             QList<QAction*> commands;
             for (QAction* action : Tree().ContextMenu().actions()) {
                 if (!action->isSeparator())
                     commands << action;
             }
             commands[r.Below(static_cast<int>(commands.size()))]->trigger();
         }},
        {"dialog: click 计算 or end the edit", [this](Random&) { ClickIfShown(ids::kCompute); }},
        {"dialog: click a cell", [this](Random& r) { ClickCell(r); }},
        {"dialog: type into a cell",
         [this](Random& r) {
             ClickCell(r);
             TypeText(Focus(), RandomCellText(r));
             if (!r.OneIn(4))
                 QTest::keyClick(Focus(), Qt::Key_Return);
         }},
        {"dialog: press Up or Down",
         [this](Random& r) {
             QWidget* target = r.OneIn(3) ? &Variables() : Focus();
             QTest::keyClick(target, r.OneIn(2) ? Qt::Key_Up : Qt::Key_Down);
         }},
        {"dialog: scroll the variable list",
         [this](Random& r) {
             QScrollBar& bar = r.OneIn(3) ? *Variables().horizontalScrollBar() : *Variables().verticalScrollBar();
             bar.setValue(bar.minimum() + r.Below(bar.maximum() - bar.minimum() + 1));
         }},
        {"dialog: press a key", [this](Random& r) { QTest::keyClick(Focus(), Qt::Key(r.Pick(kKeys))); }},
        {"dialog: type into an editor", [this](Random& r) { TypeIntoEditor(r); }},
        {"dialog: paste over an editor's text", [this](Random& r) { ReplaceEditorText(r); }},
        {"dialog: choose a letter",
         [this](Random& r) {
             auto& letters = Control<QComboBox>(*dialog_, ids::kLetters);
             if (letters.isHidden())
                 return;
             const int index = r.Below(letters.count());
             letters.setCurrentIndex(index);
             emit letters.activated(index);
         }},
        {"dialog: click 打印", [this](Random&) { ClickIfShown(ids::kPrint); }},
        {"dialog: click 保存", [this](Random&) { ClickIfShown(ids::kSaveResults); }},
    };
}

// Esc or the close box.
void FormulaDialogMonkey::Close(Random& random)
{
    if (random.OneIn(2))
        QTest::keyClick(Focus(), Qt::Key_Escape);
    else
        dialog_->close();
}

QString FormulaDialogMonkey::Broken() const
{
    const VariableTable& table = engine_.Variables();
    const int base = static_cast<int>(base_names_.size());
    if (table.Count() > VariableTable::kCapacity || Variables().model()->rowCount() > VariableTable::kCapacity)
        return u"more than 400 variables: %1"_s.arg(table.Count());
    if (table.Count() < base)
        return u"%1 variables left of the %2 from before the dialog"_s.arg(table.Count()).arg(base);
    for (int i = 0; i < base; ++i) {
        if (table[i].Name() != base_names_[i])
            return u"variable %1 from before the dialog changed its name"_s.arg(i);
    }
    if (dialog_->Sheet().RowCount() > table.Count() - base)
        return u"the variable list shows %1 rows for %2 variables"_s.arg(dialog_->Sheet().RowCount())
            .arg(table.Count() - base);
    const QString captions[] = {u"计算"_s, u"退出编辑"_s, u"结束编辑"_s};
    const bool editing = dialog_->EditingState() != FormulaDialog::Editing::None;
    const QString caption = Control<QAbstractButton>(*dialog_, ids::kCompute).text();
    if (caption != captions[static_cast<int>(dialog_->EditingState())])
        return u"the button reads %1 in editing state %2"_s.arg(caption).arg(static_cast<int>(dialog_->EditingState()));
    if (Control<QWidget>(*dialog_, ids::kStatements).isHidden() != editing)
        return u"the statements list is shown while editing, or hidden while not"_s;
    return {};
}

QString FormulaDialogMonkey::BrokenAfterClosing(bool kept) const
{
    if (dialog_->isVisible())
        return u"the dialog did not close"_s;
    if (const QString broken = Broken(); !broken.isEmpty())
        return u"after closing: "_s + broken;
    const int count = engine_.Variables().Count();
    const int base = static_cast<int>(base_names_.size());
    if (kept ? count <= base : count != base)
        return u"closed with %1 variables, %2 before it opened, the formula's variables %3"_s.arg(count)
            .arg(base)
            .arg(kept ? u"kept"_s : u"not kept"_s);
    return {};
}

FormulaTreeCtrl& FormulaDialogMonkey::Tree() const
{
    return Control<FormulaTreeCtrl>(*dialog_, ids::kTree);
}

EditableListCtrl& FormulaDialogMonkey::Variables() const
{
    return Control<EditableListCtrl>(*dialog_, ids::kVariables);
}

QWidget* FormulaDialogMonkey::Focus() const
{
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == dialog_ ? focus : dialog_;
}

QTreeWidgetItem* FormulaDialogMonkey::RandomItem(Random& random) const
{
    std::vector<QTreeWidgetItem*> items;
    for (int i = 0; i < Tree().topLevelItemCount(); ++i)
        CollectShown(Tree().topLevelItem(i), items);
    if (items.empty() || random.OneIn(10))
        return nullptr;
    return items[random.Below(static_cast<int>(items.size()))];
}

void FormulaDialogMonkey::DoubleClick(QTreeWidgetItem* item) const
{
    FormulaTreeCtrl& tree = Tree();
    if (item)
        tree.scrollToItem(item);
    const QPoint at = item ? tree.visualItemRect(item).center() : QPoint(5, tree.viewport()->height() - 3);
    // The view takes a double click only on the item its press went to.
    QTest::mousePress(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
}

// A value cell mostly, a name now and then, or the space below the rows.
void FormulaDialogMonkey::ClickCell(Random& random) const
{
    EditableListCtrl& list = Variables();
    if (list.isHidden())
        return;
    const int rows = list.model()->rowCount();
    QPoint at(5, list.viewport()->height() - 2);
    if (rows > 0 && !random.OneIn(6)) {
        const QModelIndex cell = list.model()->index(random.Below(rows), random.OneIn(4) ? 0 : 1);
        list.scrollTo(cell);
        at = list.visualRect(cell).center();
    }
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
}

void FormulaDialogMonkey::ClickIfShown(int id) const
{
    auto& button = Control<QAbstractButton>(*dialog_, id);
    if (!button.isHidden())
        button.click();
}

// A click into one of the three boxes (the letters' target), then, while
// editing, a few keys.
void FormulaDialogMonkey::TypeIntoEditor(Random& random) const
{
    const int boxes[] = {ids::kStatementsEditor, ids::kDefinitionsEditor, ids::kDescription};
    const int id = random.Pick(boxes);
    auto& box = Control<QPlainTextEdit>(*dialog_, id);
    if (box.isHidden())
        return;
    const QSize size = box.viewport()->size();
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {},
                      QPoint(random.Below(std::max(1, size.width())), random.Below(std::max(1, size.height()))));
    if (dialog_->EditingState() == FormulaDialog::Editing::None)
        return;
    if (id == ids::kDefinitionsEditor)
        TypeText(&box, u"w%1=%2\n"_s.arg(random.Below(600)).arg(random.Below(100)));
    else
        TypeText(&box, RandomStatement(random) + (random.OneIn(2) ? u"\n"_s : QString()));
}

void FormulaDialogMonkey::ReplaceEditorText(Random& random) const
{
    if (dialog_->EditingState() == FormulaDialog::Editing::None)
        return;
    switch (random.Below(3)) {
    case 0:
        Control<QPlainTextEdit>(*dialog_, ids::kDefinitionsEditor).setPlainText(RandomDefinitions(random));
        break;
    case 1:
        Control<QPlainTextEdit>(*dialog_, ids::kStatementsEditor).setPlainText(RandomStatements(random));
        break;
    default:
        Control<QPlainTextEdit>(*dialog_, ids::kDescription).setPlainText(RandomDescription(random));
    }
}

}  // namespace orvik
