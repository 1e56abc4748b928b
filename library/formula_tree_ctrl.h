#pragma once

#include <string>

#include <QIcon>
#include <QTreeWidget>

#include "library/core/library_paths.h"

class QMenu;

namespace orvik {

// The library tree (control 1082): the root "公式列表" for a directory, its
// sub-directories as categories and, when asked, its formula files, each
// captioned with the formula's name and one blank. A directory is read when
// its item is expanded and forgotten when it is collapsed, so the tree
// shows the disk as it was at the last expansion. A right click selects the
// item under the pointer (or nothing) and opens the library menu 103.
class FormulaTreeCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit FormulaTreeCtrl(QWidget* parent = nullptr);

    // Replaces all items by the root for `root_path` with the directory
    // listed under it, expanded and selected. A path that is not a
    // directory leaves the tree without items.
    void Fill(const std::string& root_path, bool show_files);

    // The item as the library commands see it; kind None for no item and
    // for the placeholder that gives a collapsed directory its button.
    LibraryItem Item(const QTreeWidgetItem* item) const;
    LibraryItem SelectedItem() const;

    // Menu 103; each action carries its command id as objectName.
    QMenu& ContextMenu() const { return *menu_; }

signals:
    // A command of the menu was chosen: one of the id::formula commands.
    void CommandChosen(int id);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QMenu* CreateMenu();
    QTreeWidgetItem* NewItem(LibraryItemKind kind, const QString& caption,
                             const QByteArray& component) const;
    void AddPlaceholder(QTreeWidgetItem& item) const;
    void ListDirectory(QTreeWidgetItem& parent);
    void Expanded(QTreeWidgetItem* item);
    void Collapsed(QTreeWidgetItem* item);
    std::string ItemPath(const QTreeWidgetItem& item) const;

    std::string root_path_;  // ends in a separator
    bool show_files_ = false;
    QIcon root_icon_;
    QIcon category_icon_;
    QIcon formula_icon_;
    QMenu* menu_;
};

}  // namespace orvik
