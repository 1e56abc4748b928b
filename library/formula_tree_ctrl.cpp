#include "library/formula_tree_ctrl.h"

#include <vector>

#include <sys/stat.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>

#include "library/core/library_listing.h"
#include "platform/control_id.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

// Item data: the kind, and the item's own component of its path in the
// file system's bytes (for a formula its name and the caption's blank), so
// that names that are not valid UTF-8 still lead back to their files.
constexpr int kKindRole = Qt::UserRole;
constexpr int kComponentRole = Qt::UserRole + 1;

constexpr int kIconSize = 16;

// A closed folder, open while the category is selected.
QIcon FolderIcon(const QStyle& style)
{
    QIcon icon;
    icon.addPixmap(style.standardIcon(QStyle::SP_DirClosedIcon).pixmap(kIconSize), QIcon::Normal);
    icon.addPixmap(style.standardIcon(QStyle::SP_DirOpenIcon).pixmap(kIconSize), QIcon::Selected);
    return icon;
}

bool IsDirectory(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The wait cursor and no drawing while a directory is read and its items go in.
class ListingInProgress {
public:
    explicit ListingInProgress(QWidget& tree) : tree_(tree), updates_(tree.updatesEnabled())
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        tree_.setUpdatesEnabled(false);
    }
    ~ListingInProgress()
    {
        tree_.setUpdatesEnabled(updates_);
        QApplication::restoreOverrideCursor();
    }
    ListingInProgress(const ListingInProgress&) = delete;
    ListingInProgress& operator=(const ListingInProgress&) = delete;

private:
    QWidget& tree_;
    bool updates_;
};

struct MenuEntry {
    int id;  // 0: a separator
    QString text;
};

bool IsWithin(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor)
{
    for (const QTreeWidgetItem* up = item ? item->parent() : nullptr; up; up = up->parent()) {
        if (up == ancestor)
            return true;
    }
    return false;
}

}  // namespace

FormulaTreeCtrl::FormulaTreeCtrl(QWidget* parent)
    : QTreeWidget(parent),
      // The root is the list of all formulas: a list page, unlike any folder.
      root_icon_(style()->standardIcon(QStyle::SP_FileDialogDetailedView)),
      category_icon_(FolderIcon(*style())),
      formula_icon_(style()->standardIcon(QStyle::SP_FileIcon)),
      menu_(CreateMenu())
{
    SetControlId(*this, id::formula::kTree);
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Captions are names on disk; they change only through the rename command.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    setIconSize(QSize(kIconSize, kIconSize));
    connect(this, &QTreeWidget::itemExpanded, this, &FormulaTreeCtrl::Expanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &FormulaTreeCtrl::Collapsed);
}

QMenu* FormulaTreeCtrl::CreateMenu()
{
    const MenuEntry entries[] = {
        {id::formula::kNewCategory, u"新建计算类"_s},
        {id::formula::kNewFormula, u"新建公式"_s},
        {0, {}},
        {id::formula::kOpenFormula, u"打开公式"_s},
        {id::formula::kEditFormula, u"编辑公式"_s},
        {0, {}},
        {id::formula::kDelete, u"删除"_s},
        {id::formula::kRename, u"重命名"_s},
    };
    auto* menu = new QMenu(this);
    SetControlId(*menu, id::formula::kLibraryMenu);
    for (const MenuEntry& entry : entries) {
        if (entry.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(entry.text);
        SetControlId(*action, entry.id);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { emit CommandChosen(id); });
    }
    return menu;
}

void FormulaTreeCtrl::Fill(const std::string& root_path, bool show_files)
{
    clear();
    root_path_ = JoinPath(root_path, "");
    show_files_ = show_files;
    if (!IsDirectory(root_path_))
        return;
    QTreeWidgetItem* root = NewItem(LibraryItemKind::Root, u"公式列表"_s, {});
    AddPlaceholder(*root);
    addTopLevelItem(root);
    // Expanding lists the directory.
    root->setExpanded(true);
    setCurrentItem(root);
}

QTreeWidgetItem* FormulaTreeCtrl::NewItem(LibraryItemKind kind, const QString& caption,
                                          const QByteArray& component) const
{
    auto* item = new QTreeWidgetItem(QStringList{caption});
    // A long name is cut at the tree's edge; the tip shows it whole.
    item->setToolTip(0, caption.trimmed());
    item->setData(0, kKindRole, static_cast<int>(kind));
    item->setData(0, kComponentRole, component);
    switch (kind) {
    case LibraryItemKind::Root: item->setIcon(0, root_icon_); break;
    case LibraryItemKind::Category: item->setIcon(0, category_icon_); break;
    case LibraryItemKind::Formula: item->setIcon(0, formula_icon_); break;
    case LibraryItemKind::None: break;
    }
    return item;
}

void FormulaTreeCtrl::AddPlaceholder(QTreeWidgetItem& item) const
{
    item.addChild(NewItem(LibraryItemKind::None, {}, {}));
}

void FormulaTreeCtrl::ListDirectory(QTreeWidgetItem& parent)
{
    const ListingInProgress busy(*this);
    const std::string directory = ItemPath(parent);
    const DirectoryListing listing = orvik::ListDirectory(directory, show_files_);
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(listing.directories.size() + listing.files.size()));
    for (const std::string& name : listing.directories) {
        const QByteArray bytes(name.data(), static_cast<qsizetype>(name.size()));
        QTreeWidgetItem* category = NewItem(LibraryItemKind::Category, QFile::decodeName(bytes), bytes);
        if (HasEntries(JoinPath(directory, name), show_files_))
            AddPlaceholder(*category);
        children << category;
    }
    for (const std::string& name : listing.files) {
        if (!IsFormulaFileName(name))
            continue;
        const QByteArray stem(name.data(), static_cast<qsizetype>(name.size() - kFormulaExtension.size()));
        children << NewItem(LibraryItemKind::Formula, QFile::decodeName(stem) + u' ', stem + ' ');
    }
    // All at once: one insertion for the view instead of one per item.
    parent.addChildren(children);
}

void FormulaTreeCtrl::Expanded(QTreeWidgetItem* item)
{
    qDeleteAll(item->takeChildren());
    ListDirectory(*item);
}

void FormulaTreeCtrl::Collapsed(QTreeWidgetItem* item)
{
    // The selection goes up to the collapsed item instead of vanishing with its children.
    if (IsWithin(currentItem(), item))
        setCurrentItem(item);
    qDeleteAll(item->takeChildren());
    AddPlaceholder(*item);
}

std::string FormulaTreeCtrl::ItemPath(const QTreeWidgetItem& item) const
{
    std::vector<QByteArray> components;
    for (const QTreeWidgetItem* up = &item; up->parent(); up = up->parent())
        components.push_back(up->data(0, kComponentRole).toByteArray());
    std::string path = root_path_;
    for (auto component = components.rbegin(); component != components.rend(); ++component)
        path = JoinPath(path, component->toStdString());
    while (path.size() > 1 && path.back() == kPathSeparator)
        path.pop_back();
    return path;
}

LibraryItem FormulaTreeCtrl::Item(const QTreeWidgetItem* item) const
{
    if (!item)
        return {};
    const auto kind = static_cast<LibraryItemKind>(item->data(0, kKindRole).toInt());
    if (kind == LibraryItemKind::None)
        return {};
    return {kind, ItemPath(*item)};
}

LibraryItem FormulaTreeCtrl::SelectedItem() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return Item(selected.isEmpty() ? nullptr : selected.first());
}

void FormulaTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    // The context menu event that follows opens the menu.
    if (QTreeWidgetItem* hit = itemAt(event->position().toPoint())) {
        setCurrentItem(hit);
    } else {
        clearSelection();
        setCurrentItem(nullptr);
    }
    event->accept();
}

void FormulaTreeCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    // From the keyboard there is no pointer: just inside the tree's corner.
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? viewport()->mapToGlobal(QPoint(5, 5))
                                                                     : event->globalPos();
    menu_->popup(at);
    event->accept();
}

}  // namespace orvik
