#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

// Widths of characters in the text area's font, in pixels, each measured
// once: wrapping a long text asks for the same few again and again.
class CharAdvances {
public:
    virtual ~CharAdvances() = default;

    // `character` is one UTF-16 unit or a surrogate pair; never a tab or LF.
    double Advance(std::u16string_view character) const
    {
        if (character.size() != 1)
            return Measure(character);  // rare: not kept
        float& width = widths_[character[0]];
        if (width < 0)
            width = static_cast<float>(Measure(character));
        return width;
    }

protected:
    virtual double Measure(std::u16string_view character) const = 0;

private:
    mutable std::vector<float> widths_ = std::vector<float>(0x10000, -1.0F);  // by unit; negative: not yet
};

// The editor's text (lines end with LF) and its lines as shown: each source
// line wraps at the last blank or tab that fits the width, or at the width
// where it has none; blanks at a wrap stay at the end of the line. Lines are
// wrapped when first asked for after a change of width, tabs or font, and an
// edit rewraps only from the line before it until the lines fall back into
// step with the old ones, so any text stays quick to show and to edit
// however its lines are shaped.
//
// Where an edit moves every later wrap (a text of one long line, say), it
// rewraps a bounded stretch after itself and leaves the lines beyond where
// they were, moved along with the text, until WrapMore has rewrapped them
// in pieces: meanwhile they are shown as the old wraps they are.
class WrappedText {
public:
    // Texts of more UTF-16 units than this are refused.
    static constexpr std::size_t kMaxLength = std::size_t{1} << 26;
    // How far past itself an edit rewraps before leaving the rest to WrapMore.
    static constexpr std::size_t kEditRewrapUnits = std::size_t{1} << 16;

    explicit WrappedText(const CharAdvances& advances, std::size_t edit_rewrap_units = kEditRewrapUnits)
        : advances_(&advances), edit_rewrap_units_(edit_rewrap_units)
    {
    }

    // The capacity a text of `size` units is best kept in: room to grow, so
    // that typing does not copy the whole text to a new place.
    static std::size_t CapacityFor(std::size_t size) { return size + size / 8 + 4096; }

    const std::u16string& Text() const { return text_; }
    std::size_t Size() const { return text_.size(); }
    // False, with nothing changed, when the text would grow too long.
    bool SetText(std::u16string text);
    bool Replace(std::size_t from, std::size_t to, std::u16string_view with);

    // Whether every line is wrapped for the text as it is now.
    bool Settled() const { return !wrapped_ || settled_ == starts_.size(); }
    // The lines from the first on that are wrapped for the text as it is.
    std::size_t SettledLines() const { return wrapped_ ? settled_ : 0; }
    // Rewraps about `units` more of what edits left; true once settled.
    bool WrapMore(std::size_t units);

    // Any of these makes the next question rewrap the whole text.
    void SetAdvances(const CharAdvances& advances);
    void SetWidth(double width);
    void SetTabWidth(double tab_width);
    double TabWidth() const { return tab_width_; }

    // Shown lines, counted from 0; a text always has at least one.
    std::size_t LineCount() const;
    std::size_t LineStart(std::size_t line) const;
    // Where the line's characters end: before its LF, else where the next
    // line starts (a caret there may be shown on either line).
    std::size_t LineEnd(std::size_t line) const;
    // The line that starts at or before `pos` and holds it, the later one at a wrap.
    std::size_t LineOf(std::size_t pos) const;

    // Caret x of `pos` on `line`, from the line's left edge.
    double X(std::size_t line, std::size_t pos) const;
    // The caret position on `line` nearest to `x`.
    std::size_t PositionAt(std::size_t line, double x) const;

    // Calls draw(begin, end, x) for the runs of the line between its tabs.
    template <typename Draw>
    void ForEachRun(std::size_t line, Draw draw) const;

private:
    void EnsureWrapped() const;
    // Where the shown line that starts at `start` ends and the next begins;
    // npos when it is the last. A line depends on no text before its start.
    std::size_t NextLineStart(std::size_t start) const;
    // Appends the line starts from `begin` on, up to the first one for which
    // stop(start) holds (not appended); true when one did.
    template <typename Stop>
    bool WrapFrom(std::size_t begin, std::vector<std::uint32_t>& starts, Stop stop) const;
    // Wraps anew from line `first` after the units before `old_end` became
    // `delta` longer (a text edit ending at `edited_end`, or none), until the
    // lines fall into step with the old ones or `units` past the edit have
    // been wrapped.
    void Rewrap(std::size_t first, std::size_t old_end, std::int64_t delta, std::size_t edited_end,
                std::size_t units);
    std::size_t CharLength(std::size_t pos) const;
    // x after the character at `pos`, which starts at `x`.
    double AdvanceFrom(double x, std::size_t pos) const;

    std::u16string text_;
    const CharAdvances* advances_;
    std::size_t edit_rewrap_units_;
    double width_ = 0;
    double tab_width_ = 32;
    mutable bool wrapped_ = false;
    mutable std::vector<std::uint32_t> starts_;
    // starts_ before this index are where the text's lines start; those from
    // it on are old wraps, moved along, that edits have not yet caught up with.
    mutable std::size_t settled_ = 0;
};

template <typename Draw>
void WrappedText::ForEachRun(std::size_t line, Draw draw) const
{
    const std::size_t end = LineEnd(line);
    std::size_t run = LineStart(line);
    double x = 0;
    double run_x = 0;
    for (std::size_t pos = run; pos < end; pos += CharLength(pos)) {
        x = AdvanceFrom(x, pos);
        if (text_[pos] == u'\t') {
            if (pos > run)
                draw(run, pos, run_x);
            run = pos + 1;
            run_x = x;
        }
    }
    if (end > run)
        draw(run, end, run_x);
}

}  // namespace orvik
