#include "library/editable_list_ctrl.h"

#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/control_id.h"
#include "resources/control_ids.h"

namespace orvik {

namespace {

// A narrower column holds no box.
constexpr int kNarrowestColumn = 5;

bool IsEnter(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

void SetReportStyle(QTableView& view)
{
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setWordWrap(false);
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 4);
    view.horizontalHeader()->setSectionsClickable(false);
    view.horizontalHeader()->setHighlightSections(false);
    view.horizontalHeader()->setStretchLastSection(true);
}

// The box over the cell does the editing, not the view's own editors.
EditableListCtrl::EditableListCtrl(QWidget* parent) : QTableView(parent)
{
    SetReportStyle(*this);
    connect(this, &QAbstractItemView::clicked, this, &EditableListCtrl::BeginEditing);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { PlaceBox(); });
}

void EditableListCtrl::HideEditBox()
{
    box_in_use_ = false;
    if (box_)
        box_->hide();
}

int EditableListCtrl::SelectedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isRowSelected(current.row(), {}) ? current.row() : -1;
}

void EditableListCtrl::SelectRow(int row)
{
    selectionModel()->setCurrentIndex(model()->index(row, current_column_),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool EditableListCtrl::HoldsBox(int column) const
{
    return column < column_count_ && columnWidth(column) >= kNarrowestColumn;
}

QLineEdit& EditableListCtrl::Box()
{
    if (!box_) {
        box_ = new QLineEdit(viewport());
        SetControlId(*box_, id::formula::kCellEditor);
        box_->hide();
        box_->installEventFilter(this);
        connect(box_, &QLineEdit::textEdited, this, &EditableListCtrl::CopyBoxText);
    }
    return *box_;
}

// Names are never edited: a click on one only selects its row.
void EditableListCtrl::BeginEditing(const QModelIndex& index)
{
    if (!hasFocus())
        setFocus();
    if (!index.isValid() || index.column() == 0)
        return;
    scrollTo(index);
    if (index.column() != current_column_) {
        current_column_ = index.column();
        viewport()->update();
    }
    if (!HoldsBox(current_column_))
        return;
    box_in_use_ = true;
    LoadBox(index);
    PlaceBox();
    box_->setFocus();
}

void EditableListCtrl::LoadBox(const QModelIndex& cell)
{
    QLineEdit& box = Box();
    box_start_text_ = cell.data().toString();
    box.setText(box_start_text_);
    const bool writable = cell.flags().testFlag(Qt::ItemIsEditable);
    box.setReadOnly(!writable);
    if (writable)
        box.selectAll();
}

void EditableListCtrl::PlaceBox()
{
    if (!box_ || !box_in_use_)
        return;
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !HoldsBox(current_column_) || current.row() < rowAt(0)) {
        // The focus stays with the list while its box is out of sight.
        if (box_->hasFocus())
            setFocus();
        box_->hide();
        return;
    }
    QRect cell = visualRect(model()->index(current.row(), current_column_));
    cell.setRight(std::min(cell.right(), viewport()->width() - 1));
    box_->setGeometry(cell);
    if (!box_->isVisible()) {
        box_->show();
        if (hasFocus())
            box_->setFocus();
    }
}

// Whatever makes another row current takes the box along, showing that
// row's own value.
void EditableListCtrl::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (!box_in_use_)
        return;
    if (current.isValid() && current.row() != previous.row())
        LoadBox(model()->index(current.row(), current_column_));
    PlaceBox();
}

void EditableListCtrl::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    PlaceBox();
}

void EditableListCtrl::CopyBoxText(const QString& text)
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const QModelIndex cell = model()->index(row, current_column_);
    if (!model()->setData(cell, text)) {
        box_->setText(cell.data().toString());
        emit TextRefused(text);
    }
}

// Only a writable cell is evaluated: a computed value stays what the
// statements made it.
void EditableListCtrl::EnterInBox()
{
    const int row = SelectedRow();
    if (row < 0 || box_->isReadOnly())
        return;
    emit ValueEntered(row);
    box_start_text_ = model()->index(row, current_column_).data().toString();
    box_->setText(box_start_text_);
}

// Esc leaves the dialog alone: it belongs to the cell's edit.
void EditableListCtrl::CancelEdit()
{
    const int row = SelectedRow();
    if (row >= 0 && !box_->isReadOnly())
        model()->setData(model()->index(row, current_column_), box_start_text_);
    // Focus first: a focused box that hides passes the focus on as Tab
    // would, to the next cell.
    setFocus();
    HideEditBox();
}

void EditableListCtrl::MoveBy(int step)
{
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() + step : (step > 0 ? 0 : -1);
    if (row < 0 || row >= model()->rowCount())
        return;
    const QModelIndex cell = model()->index(row, current_column_);
    scrollTo(cell);
    box_in_use_ = true;
    SelectRow(row);
    LoadBox(cell);
    PlaceBox();
    box_->setFocus();
}

void EditableListCtrl::keyPressEvent(QKeyEvent* event)
{
    if (box_) {
        switch (event->key()) {
        case Qt::Key_Up: MoveBy(-1); return;
        case Qt::Key_Down: MoveBy(1); return;
        default: break;
        }
        // Enter first takes the focus to the box and ends its selection;
        // otherwise it goes on to the dialog's default button.
        if (IsEnter(*event) && box_->isVisible()) {
            box_->setFocus();
            if (box_->selectedText().size() == box_->text().size()) {
                box_->deselect();
                box_->end(false);
                return;
            }
        }
    }
    QTableView::keyPressEvent(event);
}

bool EditableListCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_ || event->type() != QEvent::KeyPress)
        return QTableView::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsEnter(key)) {
        EnterInBox();
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        CancelEdit();
        return true;
    }
    if (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) {
        MoveBy(key.key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace orvik
