#include "companion/page_layout.h"

#include <algorithm>

#include "platform/gbk.h"

namespace orvik {
namespace {

// Room between printed lines beyond the font's own leading.
constexpr int kLineGap = 30;

// Tab stops lie at four average character widths (half the width a tab has
// on its own); never zero, so a tab always moves on.
int TabWidth(const FontMetrics& metrics)
{
    return std::max(1, metrics.AverageCharWidth() * 8 * 16 / 32);
}

int Advance(int x, std::string_view character, const FontMetrics& metrics)
{
    if (character == "\t") {
        const int tab = TabWidth(metrics);
        return (x / tab + 1) * tab;
    }
    return x + metrics.CharWidth(character);
}

// End of the longest run of whole characters from `begin` that fits `width`.
std::size_t FitEnd(std::string_view line, std::size_t begin, int width, const FontMetrics& metrics)
{
    int x = 0;
    std::size_t pos = begin;
    while (pos < line.size()) {
        const std::size_t length = GbkCharLength(line, pos);
        x = Advance(x, line.substr(pos, length), metrics);
        if (x > width)
            break;
        pos += length;
    }
    return pos;
}

// Where the printed line starting at `begin` ends: at the last white space up
// to the first character that does not fit, else where the fit ended. At
// least one character is taken, so a body narrower than a character still
// moves through the text.
std::size_t BreakAt(std::string_view line, std::size_t begin, int width, const FontMetrics& metrics)
{
    const std::size_t fit = FitEnd(line, begin, width, metrics);
    if (fit == line.size())
        return fit;
    for (std::size_t pos = fit; pos > begin; --pos) {
        if (IsWhiteSpace(line[pos]))
            return pos;
    }
    return fit > begin ? fit : begin + GbkCharLength(line, begin);
}

std::vector<TextRun> SplitAtTabs(std::string_view line, std::size_t begin, std::size_t end,
                                 const FontMetrics& metrics)
{
    std::vector<TextRun> runs;
    TextRun run{begin, begin, 0};
    int x = 0;
    for (std::size_t pos = begin; pos < end;) {
        const std::size_t length = GbkCharLength(line, pos);
        x = Advance(x, line.substr(pos, length), metrics);
        pos += length;
        if (line[pos - 1] == '\t') {
            if (run.end > run.begin)
                runs.push_back(run);
            run = TextRun{pos, pos, x};
        } else {
            run.end = pos;
        }
    }
    if (run.end > run.begin)
        runs.push_back(run);
    return runs;
}

std::size_t SkipWhiteSpace(std::string_view line, std::size_t pos)
{
    while (pos < line.size() && IsWhiteSpace(line[pos]))
        ++pos;
    return pos;
}

// Past the CRs that end a source line and one LF after them.
std::size_t SkipLineEnd(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && text[pos] == '\r')
        ++pos;
    return pos < text.size() && text[pos] == '\n' ? pos + 1 : pos;
}

}  // namespace

bool IsWhiteSpace(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n' || byte == '\v' || byte == '\f';
}

PageLines LayoutPage(std::string_view text, std::size_t start, const DeviceRect& body,
                     const FontMetrics& metrics)
{
    const int line_height = metrics.Height() + metrics.ExternalLeading() + kLineGap;
    const int width = body.right - body.left;
    PageLines page{{}, start};
    std::size_t& pos = page.next_start;
    int y = body.top;
    const auto another_line_fits = [&] { return y + line_height <= body.bottom; };
    // The first line of a page is always taken, so every page moves on.
    do {
        // Skipping white space after a break stops at the line's end, so
        // blank lines that follow a wrapped line are kept.
        const std::string_view line = text.substr(0, text.find('\r', pos));
        if (pos == line.size()) {
            y += line_height;
        } else {
            do {
                const std::size_t end = BreakAt(line, pos, width, metrics);
                page.lines.push_back({y, SplitAtTabs(line, pos, end, metrics)});
                y += line_height;
                pos = SkipWhiteSpace(line, end);
            } while (pos < line.size() && another_line_fits());
        }
        if (pos == line.size())
            pos = SkipLineEnd(text, pos);
    } while (pos < text.size() && another_line_fits());
    return page;
}

}  // namespace orvik
