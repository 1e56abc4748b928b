#pragma once

#include <QTableView>

class QLineEdit;

namespace orvik {

// The report look of the dialog's lists: a header, grid lines, whole rows
// selected one at a time, no editing of their own.
void SetReportStyle(QTableView& view);

// A report list whose value cells are edited in a box laid over the cell
// (control 1083 of the formula dialog). A click on a cell of the first
// column-count columns, other than the first column, opens the box: over a
// writable cell (the model's editable flag) with its text selected, over
// any other as a read-only view of the value. What is typed goes into the
// cell as it is typed; Enter asks the owner to evaluate it (ValueEntered)
// and shows the cell afterwards; Esc puts back the text the cell had when
// the box came to it and hides the box; Up and Down take the box to the
// row above or below.
class EditableListCtrl : public QTableView {
    Q_OBJECT
public:
    explicit EditableListCtrl(QWidget* parent = nullptr);

    // How many columns, from the first, may hold the box.
    void SetColumnCount(int count) { column_count_ = count; }
    // Hidden until the next click; the owner hides it when the rows change
    // to another formula.
    void HideEditBox();
    // Null until the first click on a value cell.
    QLineEdit* EditBox() const { return box_; }

    int SelectedRow() const;
    // Selects and focuses `row` as the current row.
    void SelectRow(int row);

signals:
    // Enter in the box over a writable cell of `row`: the owner evaluates
    // the cell's text and puts the result into the cell.
    void ValueEntered(int row);
    // The model did not take what was typed (the box shows the cell again).
    void TextRefused(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BeginEditing(const QModelIndex& index);
    // Up and Down: the box to the row `step` away, when there is one.
    void MoveBy(int step);
    // The box over the current row's cell in the current column; hidden
    // while that row lies above the first visible one.
    void PlaceBox();
    // The cell's text in the box, writable or read-only as the cell is.
    void LoadBox(const QModelIndex& cell);
    void CopyBoxText(const QString& text);
    void EnterInBox();
    void CancelEdit();
    bool HoldsBox(int column) const;
    QLineEdit& Box();

    int column_count_ = 0;
    int current_column_ = 0;
    QLineEdit* box_ = nullptr;
    QString box_start_text_;  // the cell's text when the box came to it
    // The box follows the current row from the first click on until the
    // owner hides it.
    bool box_in_use_ = false;
};

}  // namespace orvik
