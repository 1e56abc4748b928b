#pragma once

#include <cstddef>
#include <memory>

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <QString>

class QMenu;

#include "companion/edit_history.h"
#include "companion/qt_char_advances.h"
#include "companion/wrapped_text.h"

namespace orvik {

// A plain-text editor whose long lines wrap at the window edge. Lines are
// wrapped by the text's own model and only the lines in sight are drawn, so
// a file of any shape shows at once and typing stays quick, even in one
// line of megabytes.
class EditorView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit EditorView(QWidget* parent = nullptr);
    ~EditorView() override;

    // Line ends become LF (from CR LF or a lone CR). Clears the undo steps
    // and the modified flag. False, with nothing changed, for a text too long.
    bool SetText(const QString& text);
    QString Text() const;

    // As if typed over the selection.
    void InsertText(const QString& text);
    void SelectAll();
    bool HasSelection() const { return anchor_ != caret_; }
    QString SelectedText() const;
    std::size_t CaretPosition() const { return caret_; }

    void Cut();
    void Copy();
    void Paste();
    void Undo();
    void DeleteSelection();

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    double TabStopDistance() const { return text_.TabWidth(); }
    void SetTabStopDistance(double distance);

signals:
    void CopyAvailable(bool available);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Tab is a character here, not a move to the next control.
    bool focusNextPrevChild(bool next) override;

private:
    enum class Step;
    struct Place {
        std::size_t pos;
        std::size_t line;
    };

    // The edit commands that a right click offers.
    std::unique_ptr<QMenu> EditMenu();
    bool MoveByKey(const QKeyEvent* event);
    bool EditByKey(const QKeyEvent* event);
    Place StepFrom(Step step) const;
    void MoveCaret(Place to, bool keep_anchor, bool keep_goal = false);
    // `keep_goal`: moving up or down keeps the x that the caret aims for.
    void Select(std::size_t anchor, Place caret, bool keep_goal = false);
    // Replaces the selection with text whose lines end in LF; false when
    // the text would grow too long.
    bool ReplaceSelection(std::u16string_view with, bool typed);
    void DeleteOr(Step step);

    std::size_t CaretLine() const;
    Place PlaceAt(const QPoint& point) const;
    std::size_t FirstLine() const;
    std::size_t VisibleLines() const;
    void ApplyFont();
    void Rewrap(bool shown);
    void UpdateScrollBar();
    void EnsureCaretVisible();
    void RestartBlink();
    // After an edit: the lines it left to wrap are wrapped between events.
    void WrapInPieces();
    void DrawLine(QPainter& painter, std::size_t line, int y) const;
    void DrawSelection(QPainter& painter, std::size_t line, int y) const;
    QRectF CaretRect() const;

    QFont text_font_;
    std::unique_ptr<QtCharAdvances> advances_;
    WrappedText text_;
    EditHistory history_;
    int line_height_ = 1;
    int ascent_ = 0;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    std::size_t caret_line_ = 0;  // where the caret shows at a wrap
    double goal_x_ = 0;           // kept by moves up and down
    bool modified_ = false;
    bool caret_shown_ = true;
    QBasicTimer blink_;
    QBasicTimer wrapping_;
};

}  // namespace orvik
