#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace orvik {

// What the layout needs to know about the body font, in device units.
// Widths are those the drawing uses, fractions and all: rounded ones would
// add up to a line wider or narrower than the one printed.
class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    // Advance of one character: one byte, or the two bytes of a GBK character.
    virtual double CharWidth(std::string_view gbk_char) const = 0;
    virtual int Height() const = 0;
    virtual int ExternalLeading() const = 0;
    virtual double AverageCharWidth() const = 0;
};

struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Bytes [begin, end) of the text drawn at x (relative to the body's left edge);
// a printed line is split into runs at its tabs.
struct TextRun {
    std::size_t begin = 0;
    std::size_t end = 0;
    double x = 0;
};

struct PrintedLine {
    int y = 0;
    std::vector<TextRun> runs;
};

struct PageLines {
    std::vector<PrintedLine> lines;
    std::size_t next_start = 0;  // where the following page would begin
};

// Blank, tab, CR, LF, vertical tab and form feed.
bool IsWhiteSpace(char byte);

// Lays out the GBK text from `start` into `body`: source lines end at CR,
// long lines wrap at white space (or, lacking any, where the width ends), a
// two-byte character is never split, tabs stop at four average widths. Reads
// no further into the text than the page reaches.
PageLines LayoutPage(std::string_view text, std::size_t start, const DeviceRect& body,
                     const FontMetrics& metrics);

}  // namespace orvik
