#include "calculator/name_pick_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace orvik {

using namespace Qt::StringLiterals;

NamePickListCtrl::NamePickListCtrl(QWidget* parent) : QTableWidget(0, 2, parent)
{
    setHorizontalHeaderLabels({u"变量名"_s, u"值"_s});
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnWidth(0, 100);
    setColumnWidth(1, 80);
    // Values take whatever width the list has beyond the names, so that
    // 1, 1e20 and 1e31 do not all read as 1.000000...
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    // A right click only picks a name: the focus stays where the user types.
    setFocusPolicy(Qt::TabFocus);
}

void NamePickListCtrl::mousePressEvent(QMouseEvent* event)
{
    const bool right = event->button() == Qt::RightButton;
    if (right)
        remembered_name_ = NameAt(event->position().toPoint());
    else
        setFocus(Qt::MouseFocusReason);
    QTableWidget::mousePressEvent(event);
    if (right)
        emit NameRightClicked();
}

void NamePickListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    remembered_name_ = NameAt(event->position().toPoint());
    QTableWidget::mouseDoubleClickEvent(event);
    emit NameDoubleClicked();
}

void NamePickListCtrl::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter)
        remembered_name_ = FirstSelectedName();
    QTableWidget::keyPressEvent(event);
    if (enter) {
        event->accept();  // handled here, never the window's
        emit NameEntered();
    }
}

QString NamePickListCtrl::NameAt(const QPoint& position) const
{
    const int row = rowAt(position.y());
    const QTableWidgetItem* name = row >= 0 ? item(row, 0) : nullptr;
    return name ? name->text() : QString();
}

QString NamePickListCtrl::FirstSelectedName() const
{
    int first = -1;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        if (first < 0 || index.row() < first)
            first = index.row();
    const QTableWidgetItem* name = first >= 0 ? item(first, 0) : nullptr;
    return name ? name->text() : QString();
}

}  // namespace orvik
