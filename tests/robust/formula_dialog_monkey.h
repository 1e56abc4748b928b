#pragma once

// A monkey inside the formula dialog: opens formulas from the tree, computes,
// types into value cells and editors, creates, edits, renames and deletes
// formulas and categories, prints, saves and closes, every prompt and
// question answered at random.
#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "monkey_support.h"

class QTreeWidgetItem;
class QWidget;

namespace orvik {

class EditableListCtrl;
class Engine;
class FakeUserPort;
class FormulaDialog;
class FormulaTreeCtrl;

class FormulaDialogMonkey {
public:
    // `folder` takes saved and chosen files; `step` hears each action's
    // name before it runs (the watchdog's clock).
    FormulaDialogMonkey(FakeUserPort& port, const Engine& engine, QString folder,
                        std::function<void(const char*)> step);

    struct Visit {
        QString broken;     // the first promise not kept, with its action; empty when all held
        bool kept = false;  // the user kept the formula's variables
    };

    // Shows `dialog`, runs up to `actions` random actions in it and closes it
    // (at random like a user, at the end with answers that surely close).
    Visit Run(FormulaDialog& dialog, Random& random, int actions);

private:
    void BuildActions();
    // The promises the dialog keeps after every action; empty when all hold.
    QString Broken() const;
    QString BrokenAfterClosing(bool kept) const;
    void Close(Random& random);

    FormulaTreeCtrl& Tree() const;
    EditableListCtrl& Variables() const;
    QWidget* Focus() const;
    // One of the items a user can see, or null (the empty space below them).
    QTreeWidgetItem* RandomItem(Random& random) const;
    void DoubleClick(QTreeWidgetItem* item) const;
    void ClickCell(Random& random) const;
    void ClickIfShown(int id) const;
    void TypeIntoEditor(Random& random) const;
    void ReplaceEditorText(Random& random) const;

    FakeUserPort& port_;
    const Engine& engine_;
    QString folder_;
    std::function<void(const char*)> step_;
    std::vector<Action> actions_;
    FormulaDialog* dialog_ = nullptr;
    // The table when the dialog opened: its count and names.
    std::vector<std::string> base_names_;
};

}  // namespace orvik
