#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvik {

inline constexpr int kHistoryLineCount = 500;

// What a history command asks of the window after it ran.
struct HistoryStep {
    // A fixed GBK message to show with an OK button; empty when there is none.
    // A refused command changes nothing.
    std::string_view message;
    // When set: evaluate a working copy of this text (the value is not used,
    // its assignments reach the variable table) and refresh the variable list.
    std::optional<std::string> evaluate;
    // True when the current line changed: show CurrentText(), LineNumber(),
    // the ↑/↓ states, and run the evaluate command on the new line.
    bool moved = false;
};

// The 500 numbered statement lines of the calculator window and the line the
// input box shows. Lines are GBK and may hold CR LF line breaks. The window
// reads its controls, calls one method and shows what it returns; it never
// edits the lines itself.
class CalculationHistory {
public:
    // Slot i is line number i + 1.
    const std::string& Line(int slot) const { return lines_.at(slot); }
    void SetLine(int slot, std::string text) { lines_.at(slot) = std::move(text); }

    int CurrentLine() const { return current_; }
    int LineNumber() const { return current_ + 1; }
    const std::string& CurrentText() const { return lines_[current_]; }

    // The first empty slot, kHistoryLineCount when every line holds text.
    int FirstEmptySlot() const;
    // The lines from line 1 up to, not including, the first empty one.
    std::span<const std::string> LinesInUse() const;
    // Stores `lines` from the first empty slot on, as many as there is room
    // for; the current line does not move.
    void AppendLines(std::span<const std::string> lines);

    bool UpEnabled() const { return current_ > 0; }
    bool DownEnabled() const { return current_ < kHistoryLineCount - 1; }

    // Every edit of the input box stores its whole text into the current
    // line. Showing a text in the box is not an edit and must not call this.
    void Mirror(std::string_view input_text);

    // ↓: stores the input text, moves one line down and asks for the stored
    // text to be evaluated. Refused on a blank input and on the last line.
    HistoryStep StepDown(std::string_view input_text);

    // ↑: stores the input text (even an empty one), moves one line up and
    // asks for the stored text to be evaluated. Nothing at all on line 1.
    HistoryStep StepUp(std::string_view input_text);

    // 行: the line-number box's text must be a whole number from 1 to 500.
    // Nothing is evaluated; the window empties the input box and inserts the
    // new current line (an edit, so Mirror stores it back unchanged).
    HistoryStep JumpToLine(std::string_view line_number_text);

    // Empties the lines from line 1 up to the first empty one and goes back
    // to line 1.
    void ClearStatements();

    // Writes the worked example into the current line and the two after it
    // (only those that exist) and returns the text for the window to insert
    // at the input box's caret. The current line does not move.
    std::string InsertExamples();

private:
    std::array<std::string, kHistoryLineCount> lines_;
    int current_ = 0;
};

}  // namespace orvik
