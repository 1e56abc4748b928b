#include "companion/editor_view.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>

#include "companion/text_steps.h"

namespace orvik {

enum class EditorView::Step {
    kNextCharacter,
    kPreviousCharacter,
    kNextWord,
    kPreviousWord,
    kLineDown,
    kLineUp,
    kPageDown,
    kPageUp,
    kLineStart,
    kLineEnd,
    kTextStart,
    kTextEnd,
};

namespace {

struct KeyStep {
    QKeySequence::StandardKey move;
    QKeySequence::StandardKey select;
};

// By the order of the steps.
constexpr KeyStep kKeySteps[] = {
    {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar},
    {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar},
    {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord},
    {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord},
    {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine},
    {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine},
    {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage},
    {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage},
    {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine},
    {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine},
    {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument},
    {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument},
};

// Room for the caret after the widest line.
constexpr int kCaretWidth = 1;

// Units of text wrapped between two events after an edit, a few
// milliseconds' work, so keys keep being answered meanwhile.
constexpr std::size_t kWrapPieceUnits = std::size_t{1} << 18;

// Line ends become LF, from CR LF or a lone CR; in one pass, as
// QString::replace takes time quadratic in the number of lines.
std::u16string ToLfText(QStringView text)
{
    std::u16string lf;
    lf.reserve(WrappedText::CapacityFor(static_cast<std::size_t>(text.size())));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        lf += unit == u'\r' ? u'\n' : unit;
    }
    return lf;
}

QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

EditorView::EditorView(QWidget* parent)
    : QAbstractScrollArea(parent),
      text_font_(MeasuredFont(font())),
      advances_(std::make_unique<QtCharAdvances>(text_font_)),
      text_(*advances_)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    // Shown always, so a line count crossing the height does not rewrap everything twice.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ApplyFont();
}

EditorView::~EditorView() = default;

bool EditorView::SetText(const QString& text)
{
    if (!text_.SetText(ToLfText(text)))
        return false;
    history_.Clear();
    modified_ = false;
    caret_ = anchor_ = caret_line_ = 0;
    goal_x_ = 0;
    verticalScrollBar()->setValue(0);
    emit CopyAvailable(false);
    if (isVisible())
        UpdateScrollBar();
    viewport()->update();
    return true;
}

QString EditorView::Text() const
{
    return ToQString(text_.Text());
}

void EditorView::InsertText(const QString& text)
{
    ReplaceSelection(ToLfText(text), false);
}

void EditorView::SelectAll()
{
    Select(0, {text_.Size(), text_.LineOf(text_.Size())});
}

QString EditorView::SelectedText() const
{
    const std::size_t from = std::min(anchor_, caret_);
    return ToQString(std::u16string_view(text_.Text()).substr(from, std::max(anchor_, caret_) - from));
}

void EditorView::Cut()
{
    if (!HasSelection())
        return;
    Copy();
    DeleteSelection();
}

void EditorView::Copy()
{
    if (HasSelection())
        QApplication::clipboard()->setText(SelectedText());
}

void EditorView::Paste()
{
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty())
        InsertText(text);
}

void EditorView::Undo()
{
    const std::optional<TextEdit> edit = history_.TakeLast();
    if (!edit)
        return;
    text_.Replace(edit->at, edit->at + edit->inserted.size(), edit->removed);
    modified_ = true;
    WrapInPieces();
    UpdateScrollBar();
    const std::size_t end = edit->at + edit->removed.size();
    MoveCaret({end, text_.LineOf(end)}, false);
}

void EditorView::SetTabStopDistance(double distance)
{
    text_.SetTabWidth(distance);
    Rewrap(isVisible());
}

void EditorView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(text_font_);
    const std::size_t count = text_.LineCount();
    const std::size_t first = FirstLine();
    const int height = viewport()->height();
    painter.setPen(palette().color(QPalette::Text));
    int y = 0;
    for (std::size_t line = first; line < count && y < height; ++line, y += line_height_) {
        DrawLine(painter, line, y);
        DrawSelection(painter, line, y);
    }
    if (hasFocus() && caret_shown_)
        painter.fillRect(CaretRect(), palette().color(QPalette::Text));
}

void EditorView::DrawLine(QPainter& painter, std::size_t line, int y) const
{
    const std::u16string_view text = text_.Text();
    text_.ForEachRun(line, [&](std::size_t begin, std::size_t end, double x) {
        painter.drawText(QPointF(x, y + ascent_), ToQString(text.substr(begin, end - begin)));
    });
}

void EditorView::DrawSelection(QPainter& painter, std::size_t line, int y) const
{
    const std::size_t from = std::min(anchor_, caret_);
    const std::size_t to = std::max(anchor_, caret_);
    const std::size_t begin = std::max(from, text_.LineStart(line));
    const std::size_t end = text_.LineEnd(line);
    // A selected line end shows as a blank's width.
    const bool line_end = end < text_.Size() && text_.Text()[end] == u'\n' && from <= end && end < to;
    if (begin >= std::min(to, end) && !line_end)
        return;
    const double left = text_.X(line, begin);
    const double right = text_.X(line, std::min(to, end)) + (line_end ? advances_->Advance(u" ") : 0);
    const QRectF band(left, y, right - left, line_height_);
    painter.fillRect(band, palette().color(QPalette::Highlight));
    painter.save();
    painter.setClipRect(band);
    painter.setPen(palette().color(QPalette::HighlightedText));
    DrawLine(painter, line, y);
    painter.restore();
}

QRectF EditorView::CaretRect() const
{
    const std::size_t line = CaretLine();
    const std::size_t first = FirstLine();
    const double x = std::min(text_.X(line, caret_), double(viewport()->width() - kCaretWidth));
    const double y = (double(line) - double(first)) * line_height_;
    return QRectF(x, y, kCaretWidth, line_height_);
}

void EditorView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    // The first one comes as the view is shown, before it counts as visible.
    Rewrap(true);
}

void EditorView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ApplyFont();
}

void EditorView::ApplyFont()
{
    // The widths are measured afresh only for a font that differs: the
    // constructor has measured the first one already.
    if (const QFont measured = MeasuredFont(font()); measured != text_font_) {
        text_font_ = measured;
        auto advances = std::make_unique<QtCharAdvances>(text_font_);
        text_.SetAdvances(*advances);
        advances_ = std::move(advances);
    }
    const QFontMetrics metrics(text_font_);
    line_height_ = std::max(1, metrics.lineSpacing());
    ascent_ = metrics.ascent();
    Rewrap(isVisible());
}

// Keeps the text at the top of the view in sight when lines wrap anew.
// Lines of a view not shown are wrapped only when asked for.
void EditorView::Rewrap(bool shown)
{
    const bool scrolled = verticalScrollBar()->value() > 0;
    const std::size_t top = scrolled ? text_.LineStart(FirstLine()) : 0;
    text_.SetWidth(viewport()->width() - kCaretWidth);
    if (!shown)
        return;
    UpdateScrollBar();
    verticalScrollBar()->setValue(int(text_.LineOf(top)));
    viewport()->update();
}

void EditorView::UpdateScrollBar()
{
    const std::size_t count = text_.LineCount();
    const std::size_t visible = VisibleLines();
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, int(count > visible ? count - visible : 0));
    bar->setPageStep(int(visible));
    bar->setSingleStep(1);
}

std::size_t EditorView::FirstLine() const
{
    return std::size_t(verticalScrollBar()->value());
}

std::size_t EditorView::VisibleLines() const
{
    return std::size_t(std::max(1, viewport()->height() / line_height_));
}

std::size_t EditorView::CaretLine() const
{
    const std::size_t line = caret_line_;
    if (line < text_.LineCount() && text_.LineStart(line) <= caret_ && caret_ <= text_.LineEnd(line))
        return line;
    return text_.LineOf(caret_);
}

void EditorView::EnsureCaretVisible()
{
    const std::size_t line = CaretLine();
    const std::size_t first = FirstLine();
    const std::size_t visible = VisibleLines();
    if (line < first)
        verticalScrollBar()->setValue(int(line));
    else if (line >= first + visible)
        verticalScrollBar()->setValue(int(line - visible + 1));
}

void EditorView::keyPressEvent(QKeyEvent* event)
{
    if (MoveByKey(event) || EditByKey(event))
        event->accept();
    else
        event->ignore();
}

bool EditorView::MoveByKey(const QKeyEvent* event)
{
    for (std::size_t i = 0; i < std::size(kKeySteps); ++i) {
        const bool select = event->matches(kKeySteps[i].select);
        if (select || event->matches(kKeySteps[i].move)) {
            const auto step = static_cast<Step>(i);
            const bool vertical = step == Step::kLineDown || step == Step::kLineUp || step == Step::kPageDown
                                  || step == Step::kPageUp;
            MoveCaret(StepFrom(step), select, vertical);
            return true;
        }
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return true;
    }
    return false;
}

bool EditorView::EditByKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (event->matches(QKeySequence::Delete)) {
        DeleteOr(Step::kNextCharacter);
        return true;
    }
    if (event->key() == Qt::Key_Backspace && modifiers == Qt::NoModifier) {
        DeleteOr(Step::kPreviousCharacter);
        return true;
    }
    const bool line_end = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString text = line_end ? QStringLiteral("\n") : event->text();
    const bool typed = !text.isEmpty() && (text[0].isPrint() || text[0] == u'\t' || text[0] == u'\n')
                       && !(modifiers & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier));
    if (typed)
        ReplaceSelection(ToLfText(text), true);
    return typed;
}

void EditorView::DeleteOr(Step step)
{
    if (!HasSelection())
        anchor_ = StepFrom(step).pos;
    DeleteSelection();
}

EditorView::Place EditorView::StepFrom(Step step) const
{
    const std::u16string_view text = text_.Text();
    const std::size_t line = CaretLine();
    const std::size_t last_line = text_.LineCount() - 1;
    const auto on = [&](std::size_t to) { return Place{text_.PositionAt(to, goal_x_), to}; };
    const auto at = [&](std::size_t pos) { return Place{pos, text_.LineOf(pos)}; };
    const std::size_t page = VisibleLines();
    switch (step) {
    case Step::kNextCharacter:
        return at(NextCharacter(text, caret_));
    case Step::kPreviousCharacter:
        return at(PreviousCharacter(text, caret_));
    case Step::kNextWord:
        return at(NextWord(text, caret_));
    case Step::kPreviousWord:
        return at(PreviousWord(text, caret_));
    case Step::kLineDown:
        return on(std::min(line + 1, last_line));
    case Step::kLineUp:
        return on(line > 0 ? line - 1 : 0);
    case Step::kPageDown:
        return on(std::min(line + page, last_line));
    case Step::kPageUp:
        return on(line > page ? line - page : 0);
    case Step::kLineStart:
        return {text_.LineStart(line), line};
    case Step::kLineEnd:
        return {text_.LineEnd(line), line};
    case Step::kTextStart:
        return at(0);
    case Step::kTextEnd:
        return at(text.size());
    }
    return {caret_, line};
}

void EditorView::MoveCaret(Place to, bool keep_anchor, bool keep_goal)
{
    Select(keep_anchor ? anchor_ : to.pos, to, keep_goal);
}

void EditorView::Select(std::size_t anchor, Place caret, bool keep_goal)
{
    const bool had_selection = HasSelection();
    anchor_ = anchor;
    caret_ = caret.pos;
    caret_line_ = caret.line;
    if (!keep_goal)
        goal_x_ = text_.X(caret.line, caret.pos);
    EnsureCaretVisible();
    RestartBlink();
    if (had_selection != HasSelection())
        emit CopyAvailable(HasSelection());
    viewport()->update();
}

bool EditorView::ReplaceSelection(std::u16string_view with, bool typed)
{
    const std::size_t from = std::min(anchor_, caret_);
    const std::size_t to = std::max(anchor_, caret_);
    if (from == to && with.empty())
        return true;
    TextEdit edit{from, text_.Text().substr(from, to - from), std::u16string(with)};
    if (!text_.Replace(from, to, with)) {
        QMessageBox::warning(this, QStringLiteral("vekPrint"), QStringLiteral("文本太长，不能再加入文字。"));
        return false;
    }
    history_.Record(std::move(edit), typed);
    modified_ = true;
    WrapInPieces();
    UpdateScrollBar();
    const std::size_t end = from + with.size();
    MoveCaret({end, text_.LineOf(end)}, false);
    return true;
}

EditorView::Place EditorView::PlaceAt(const QPoint& point) const
{
    // Above or below the view: the line just out of sight, so dragging scrolls a line at a time.
    const std::size_t first = FirstLine();
    const auto row = std::clamp(std::floor(double(point.y()) / line_height_), -1.0, double(VisibleLines()));
    const std::size_t line = std::min(row < 0 ? (first > 0 ? first - 1 : 0) : first + std::size_t(row),
                                      text_.LineCount() - 1);
    return {text_.PositionAt(line, point.x()), line};
}

void EditorView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    MoveCaret(PlaceAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void EditorView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return QAbstractScrollArea::mouseMoveEvent(event);
    MoveCaret(PlaceAt(event->position().toPoint()), true);
}

void EditorView::mouseReleaseEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void EditorView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseDoubleClickEvent(event);
    const auto [first, last] = WordAround(text_.Text(), PlaceAt(event->position().toPoint()).pos);
    Select(first, {last, text_.LineOf(last)});
}

void EditorView::contextMenuEvent(QContextMenuEvent* event)
{
    EditMenu()->exec(event->globalPos());
}

std::unique_ptr<QMenu> EditorView::EditMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const auto add = [&](const QString& text, bool enabled, void (EditorView::*command)()) {
        menu->addAction(text, this, command)->setEnabled(enabled);
    };
    add(QStringLiteral("撤消(&U)"), history_.CanUndo(), &EditorView::Undo);
    menu->addSeparator();
    add(QStringLiteral("剪切(&T)"), HasSelection(), &EditorView::Cut);
    add(QStringLiteral("复制(&C)"), HasSelection(), &EditorView::Copy);
    add(QStringLiteral("粘贴(&P)"), !QApplication::clipboard()->text().isEmpty(), &EditorView::Paste);
    add(QStringLiteral("删除(&D)"), HasSelection(), &EditorView::DeleteSelection);
    menu->addSeparator();
    add(QStringLiteral("全选(&A)"), !text_.Text().empty(), &EditorView::SelectAll);
    return menu;
}

void EditorView::DeleteSelection()
{
    ReplaceSelection(u"", false);
}

void EditorView::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        ReplaceSelection(ToLfText(event->commitString()), true);
    event->accept();
}

QVariant EditorView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImFont:
        return text_font_;
    case Qt::ImCursorRectangle:
        return CaretRect().translated(viewport()->pos()).toAlignedRect();
    case Qt::ImCursorPosition:
        return qlonglong(caret_ - text_.LineStart(CaretLine()));
    case Qt::ImSurroundingText: {
        const std::size_t line = CaretLine();
        const std::size_t start = text_.LineStart(line);
        return ToQString(std::u16string_view(text_.Text()).substr(start, text_.LineEnd(line) - start));
    }
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void EditorView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    RestartBlink();
}

void EditorView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    viewport()->update();
}

void EditorView::RestartBlink()
{
    caret_shown_ = true;
    const int interval = QApplication::cursorFlashTime() / 2;
    if (interval > 0 && hasFocus())
        blink_.start(interval, this);
    viewport()->update();
}

void EditorView::WrapInPieces()
{
    if (!text_.Settled() && !wrapping_.isActive())
        wrapping_.start(0, this);
}

void EditorView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == wrapping_.timerId()) {
        // Lines below the view change nothing shown but the scroll bar.
        const bool shown = text_.SettledLines() < FirstLine() + VisibleLines() + 1;
        if (text_.WrapMore(kWrapPieceUnits))
            wrapping_.stop();
        UpdateScrollBar();
        if (shown)
            viewport()->update();
        return;
    }
    if (event->timerId() != blink_.timerId())
        return QAbstractScrollArea::timerEvent(event);
    caret_shown_ = !caret_shown_;
    viewport()->update(CaretRect().toAlignedRect().adjusted(-1, 0, 1, 0));
}

void EditorView::scrollContentsBy(int, int)
{
    viewport()->update();
}

bool EditorView::focusNextPrevChild(bool)
{
    return false;
}

}  // namespace orvik
