#include "companion/wrapped_text.h"

#include <algorithm>
#include <cmath>

#include "companion/text_steps.h"

namespace orvik {
namespace {

// No shown line holds more units than this, however narrow its characters
// (zero-width ones, or a long run of blanks at a wrap), so drawing a line
// and finding a place on it stay quick.
constexpr std::size_t kMaxLineUnits = 4096;

}  // namespace

bool WrappedText::SetText(std::u16string text)
{
    if (text.size() > kMaxLength)
        return false;
    text.reserve(CapacityFor(text.size()));
    text_ = std::move(text);
    wrapped_ = false;
    return true;
}

bool WrappedText::Replace(std::size_t from, std::size_t to, std::u16string_view with)
{
    if (text_.size() - (to - from) + with.size() > kMaxLength)
        return false;
    if (!wrapped_) {
        text_.replace(from, to - from, with);
        return true;
    }
    // A line's wrap looks ahead to the first character that does not fit,
    // which may start the line after next: an edit can change the wraps of
    // the two lines before its own. Those must be wrapped for the text as
    // it is, which an edit far ahead of WrapMore first waits for.
    const auto first_line = [&] { return std::max<std::size_t>(LineOf(from), 2) - 2; };
    if (first_line() >= settled_)
        WrapMore(kMaxLength);
    const std::size_t first = first_line();
    text_.replace(from, to - from, with);
    Rewrap(first, to, static_cast<std::int64_t>(with.size()) - static_cast<std::int64_t>(to - from),
           from + with.size(), edit_rewrap_units_);
    return true;
}

bool WrappedText::WrapMore(std::size_t units)
{
    if (Settled())
        return true;
    const std::size_t first = settled_ - 1;
    Rewrap(first, starts_[first] + 1, 0, starts_[first], units);
    return Settled();
}

void WrappedText::Rewrap(std::size_t first, std::size_t old_end, std::int64_t delta, std::size_t edited_end,
                         std::size_t units)
{
    // Old lines from the end of the edit on, in new positions: once a new
    // line starts where one of the wrapped ones did, the rest wrap as
    // before; where the stretch ends first, the rest waits for WrapMore.
    const auto settled_end = starts_.begin() + static_cast<std::ptrdiff_t>(settled_);
    auto old = std::lower_bound(starts_.begin() + static_cast<std::ptrdiff_t>(first), starts_.end(), old_end);
    const auto moved = [&](std::vector<std::uint32_t>::iterator at) { return static_cast<std::int64_t>(*at) + delta; };
    std::vector<std::uint32_t> rewrapped;
    bool in_step = false;
    std::size_t stopped_at = 0;
    const bool stopped = WrapFrom(starts_[first], rewrapped, [&](std::size_t start) {
        if (start < edited_end)
            return false;
        while (old != starts_.end() && moved(old) < static_cast<std::int64_t>(start))
            ++old;
        in_step = old < settled_end && moved(old) == static_cast<std::int64_t>(start);
        stopped_at = start;
        return in_step || start - edited_end >= units;
    });
    if (stopped && !in_step) {
        rewrapped.push_back(static_cast<std::uint32_t>(stopped_at));
        if (old != starts_.end() && moved(old) == static_cast<std::int64_t>(stopped_at))
            ++old;
    }
    const auto kept = stopped ? old : starts_.end();
    // Of the old lines kept, those that were wrapped for the text.
    const std::size_t kept_settled = in_step ? settled_ - static_cast<std::size_t>(kept - starts_.begin()) : 0;
    for (auto later = kept; later != starts_.end(); ++later)
        *later = static_cast<std::uint32_t>(moved(later));
    starts_.insert(starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(first), kept), rewrapped.begin(),
                   rewrapped.end());
    settled_ = stopped ? first + rewrapped.size() + kept_settled : starts_.size();
}

void WrappedText::SetAdvances(const CharAdvances& advances)
{
    advances_ = &advances;
    wrapped_ = false;
}

void WrappedText::SetWidth(double width)
{
    if (width != width_)
        wrapped_ = false;
    width_ = width;
}

void WrappedText::SetTabWidth(double tab_width)
{
    // A tab always moves on.
    tab_width = std::max(1.0, tab_width);
    if (tab_width != tab_width_)
        wrapped_ = false;
    tab_width_ = tab_width;
}

std::size_t WrappedText::LineCount() const
{
    EnsureWrapped();
    return starts_.size();
}

std::size_t WrappedText::LineStart(std::size_t line) const
{
    EnsureWrapped();
    return starts_[line];
}

std::size_t WrappedText::LineEnd(std::size_t line) const
{
    EnsureWrapped();
    if (line + 1 >= starts_.size())
        return text_.size();
    const std::size_t next = starts_[line + 1];
    return text_[next - 1] == u'\n' ? next - 1 : next;
}

std::size_t WrappedText::LineOf(std::size_t pos) const
{
    EnsureWrapped();
    return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), pos) - starts_.begin()) - 1;
}

double WrappedText::X(std::size_t line, std::size_t pos) const
{
    const std::size_t end = std::min(pos, LineEnd(line));
    double x = 0;
    for (std::size_t at = LineStart(line); at < end; at += CharLength(at))
        x = AdvanceFrom(x, at);
    return x;
}

std::size_t WrappedText::PositionAt(std::size_t line, double x) const
{
    const std::size_t end = LineEnd(line);
    double left = 0;
    for (std::size_t at = LineStart(line); at < end; at += CharLength(at)) {
        const double right = AdvanceFrom(left, at);
        if (x < (left + right) / 2)
            return at;
        left = right;
    }
    return end;
}

void WrappedText::EnsureWrapped() const
{
    if (wrapped_)
        return;
    starts_.clear();
    WrapFrom(0, starts_, [](std::size_t) { return false; });
    // Room for lines to come, so that an edit does not copy them all.
    if (starts_.capacity() < CapacityFor(starts_.size()))
        starts_.reserve(CapacityFor(starts_.size()));
    settled_ = starts_.size();
    wrapped_ = true;
}

template <typename Stop>
bool WrappedText::WrapFrom(std::size_t begin, std::vector<std::uint32_t>& starts, Stop stop) const
{
    for (std::size_t start = begin; start != std::u16string::npos; start = NextLineStart(start)) {
        if (start != begin && stop(start))
            return true;
        starts.push_back(static_cast<std::uint32_t>(start));
    }
    return false;
}

std::size_t WrappedText::NextLineStart(std::size_t start) const
{
    const std::size_t size = text_.size();
    const auto full = [&](std::size_t at) { return at - start >= kMaxLineUnits; };
    std::size_t after_blank = start;  // start: no blank on this line yet
    double x = 0;
    for (std::size_t pos = start; pos < size;) {
        const char16_t unit = text_[pos];
        if (unit == u'\n')
            return pos + 1;
        const double next_x = AdvanceFrom(x, pos);
        if (pos > start && (next_x > width_ || full(pos))) {
            if (!IsBlank(unit))
                return after_blank > start ? after_blank : pos;
            // Blanks that do not fit stay at the end of the line, and so
            // does a line end right after them.
            while (pos < size && IsBlank(text_[pos]) && !full(pos))
                ++pos;
            if (pos < size && text_[pos] == u'\n')
                return pos + 1;
            return pos < size ? pos : std::u16string::npos;
        }
        x = next_x;
        pos += CharLength(pos);
        if (IsBlank(unit))
            after_blank = pos;
    }
    return std::u16string::npos;
}

std::size_t WrappedText::CharLength(std::size_t pos) const
{
    return CharLengthAt(text_, pos);
}

double WrappedText::AdvanceFrom(double x, std::size_t pos) const
{
    if (text_[pos] == u'\t')
        return (std::floor(x / tab_width_) + 1) * tab_width_;
    return x + advances_->Advance(std::u16string_view(text_.data() + pos, CharLength(pos)));
}

}  // namespace orvik
