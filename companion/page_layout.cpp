#include "companion/page_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/gbk.h"

namespace orvik {
namespace {

// Room between printed lines beyond the font's own leading.
constexpr int kLineGap = 30;

// Tab stops lie at four average character widths (half the width a tab has
// on its own); never zero, so a tab always moves on.
double TabWidth(const FontMetrics& metrics)
{
    return std::max(1.0, metrics.AverageCharWidth() * 8 * 16 / 32);
}

double Advance(double x, std::string_view character, const FontMetrics& metrics)
{
    if (character == "\t") {
        const double tab = TabWidth(metrics);
        return (std::floor(x / tab) + 1) * tab;
    }
    return x + metrics.CharWidth(character);
}

// A source line ends at a CR or with the text. Found as the layout goes, so
// a page never looks further into a long line than it prints of it.
bool AtLineEnd(std::string_view text, std::size_t pos)
{
    return pos == text.size() || text[pos] == '\r';
}

// End of the longest run of whole characters from `begin` that fits `width`.
std::size_t FitEnd(std::string_view text, std::size_t begin, double width, const FontMetrics& metrics)
{
    double x = 0;
    std::size_t pos = begin;
    while (!AtLineEnd(text, pos)) {
        const std::size_t length = GbkCharLength(text, pos);
        x = Advance(x, text.substr(pos, length), metrics);
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
std::size_t BreakAt(std::string_view text, std::size_t begin, double width, const FontMetrics& metrics)
{
    const std::size_t fit = FitEnd(text, begin, width, metrics);
    if (AtLineEnd(text, fit))
        return fit;
    for (std::size_t pos = fit; pos > begin; --pos) {
        if (IsWhiteSpace(text[pos]))
            return pos;
    }
    return fit > begin ? fit : begin + GbkCharLength(text, begin);
}

std::vector<TextRun> SplitAtTabs(std::string_view line, std::size_t begin, std::size_t end,
                                 const FontMetrics& metrics)
{
    std::vector<TextRun> runs;
    TextRun run{begin, begin, 0};
    double x = 0;
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

// Stops at the line's end, so blank lines that follow a wrapped line are kept.
std::size_t SkipWhiteSpace(std::string_view text, std::size_t pos)
{
    while (!AtLineEnd(text, pos) && IsWhiteSpace(text[pos]))
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
    const double width = body.right - body.left;
    PageLines page{{}, start};
    std::size_t& pos = page.next_start;
    int y = body.top;
    const auto another_line_fits = [&] { return y + line_height <= body.bottom; };
    // The first line of a page is always taken, so every page moves on.
    do {
        if (AtLineEnd(text, pos)) {
            y += line_height;
        } else {
            do {
                const std::size_t end = BreakAt(text, pos, width, metrics);
                page.lines.push_back({y, SplitAtTabs(text, pos, end, metrics)});
                y += line_height;
                pos = SkipWhiteSpace(text, end);
            } while (!AtLineEnd(text, pos) && another_line_fits());
        }
        if (AtLineEnd(text, pos))
            pos = SkipLineEnd(text, pos);
    } while (pos < text.size() && another_line_fits());
    return page;
}

}  // namespace orvik
