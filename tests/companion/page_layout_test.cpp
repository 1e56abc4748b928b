#include "companion/page_layout.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "companion/page_frame.h"
#include "companion/page_start_list.h"

namespace orvik {
namespace {

// Every byte 10 units wide (a Chinese character 20); lines 100 + 30 apart;
// tab stops every 40.
class FixedWidthMetrics final : public FontMetrics {
public:
    double CharWidth(std::string_view gbk_char) const override { return 10.0 * static_cast<double>(gbk_char.size()); }
    int Height() const override { return 100; }
    int ExternalLeading() const override { return 0; }
    double AverageCharWidth() const override { return 10; }
};

// GBK bytes of 中 and 文.
const std::string kZhong = "\xD6\xD0";
const std::string kWen = "\xCE\xC4";

// A printed line as "y:text", each run after a tab written as "[x]text".
std::string Describe(std::string_view text, const PrintedLine& line)
{
    std::string out = std::to_string(line.y);
    out += ':';
    for (const TextRun& run : line.runs) {
        if (run.x != 0) {
            out += '[';
            out += std::to_string(static_cast<int>(run.x));
            out += ']';
        }
        out += text.substr(run.begin, run.end - run.begin);
    }
    return out;
}

using Pages = std::vector<std::vector<std::string>>;

// Lays out page after page as a print job does, until the list of page starts ends.
Pages Print(std::string_view text, int width, int height)
{
    const FixedWidthMetrics metrics;
    const DeviceRect body{0, 0, width, height};
    PageStartList starts;
    starts.Start(text);
    Pages pages;
    for (int page = 1; starts.Has(page); ++page) {
        const PageLines laid = LayoutPage(text, starts.StartOf(page), body, metrics);
        starts.Record(page, laid.next_start);
        pages.emplace_back();
        for (const PrintedLine& line : laid.lines)
            pages.back().push_back(Describe(text, line));
    }
    return pages;
}

struct LayoutCase {
    const char* name;
    std::string text;
    int width;
    Pages pages;
};

// Three lines fit a body 390 high: at 0, 130 and 260.
constexpr int kThreeLines = 390;

TEST(PageLayoutTest, PagesAndLines)
{
    const LayoutCase cases[] = {
        {"empty text prints one empty page", "", 100, {{}}},
        {"text ending at the page bottom makes no further page", "a\r\nb\r\nc\r\n", 100,
         {{"0:a", "130:b", "260:c"}}},
        {"the same without a last line end", "a\r\nb\r\nc", 100, {{"0:a", "130:b", "260:c"}}},
        {"trailing blank lines make no empty page", "a\r\nb\r\nc\r\n\r\n  \r\n", 100,
         {{"0:a", "130:b", "260:c"}}},
        {"one line more opens a page", "a\r\nb\r\nc\r\nd", 100, {{"0:a", "130:b", "260:c"}, {"0:d"}}},
        {"blank lines take their room", "a\r\n\r\nb", 100, {{"0:a", "260:b"}}},
        {"several CRs and one LF end one line", "a\r\r\nb\rc", 100, {{"0:a", "130:b", "260:c"}}},
        {"wrap at the last white space", "one two three", 100, {{"0:one two", "130:three"}}},
        {"white space as the first byte that does not fit", "abcde fgh", 50, {{"0:abcde", "130:fgh"}}},
        {"word wider than the body breaks at the width", "abcdefghij", 50, {{"0:abcde", "130:fghij"}}},
        {"a two-byte character is never split", "a" + kZhong + kWen, 40, {{"0:a" + kZhong, "130:" + kWen}}},
        {"a line longer than a page goes on over the page", "abcdefghijkl", 30,
         {{"0:abc", "130:def", "260:ghi"}, {"0:jkl"}}},
        {"blank line after a wrapped line with trailing blanks is kept", "abc   \r\n\r\nd", 40,
         {{"0:abc ", "260:d"}}},
        {"a character wider than the body still moves on", "ab", 5, {{"0:a", "130:b"}}},
    };
    for (const LayoutCase& c : cases)
        EXPECT_EQ(Print(c.text, c.width, kThreeLines), c.pages) << c.name;
}

TEST(PageLayoutTest, BodyLowerThanOneLineStillPrintsALinePerPage)
{
    EXPECT_EQ(Print("a\r\nb", 100, 50), (Pages{{"0:a"}, {"0:b"}}));
}

TEST(PageLayoutTest, TabsStopAtFourAverageWidthsFromTheBodyLeft)
{
    const LayoutCase cases[] = {
        {"each tab to the next stop", "a\tb\tc", 200, {{"0:a[40]b[80]c"}}},
        {"a tab just before a stop moves a whole stop on", "abcd\te", 200, {{"0:abcd[80]e"}}},
        {"leading tab", "\tx", 200, {{"0:[40]x"}}},
        {"a tab that passes the width breaks the line", "abcdefghi\tj", 100, {{"0:abcdefghi", "130:j"}}},
        {"a wrapped line starts again at the left", "abcdef gh\tij", 70, {{"0:abcdef", "130:gh[40]ij"}}},
    };
    for (const LayoutCase& c : cases)
        EXPECT_EQ(Print(c.text, c.width, kThreeLines), c.pages) << c.name;
}

TEST(PageFrameTest, HeaderIsPrintedOnlyWhenLongerThanOneByte)
{
    const DeviceRect page{100, 200, 5000, 7000};
    struct {
        std::size_t header_bytes;
        bool drawn;
        int body_top;
    } const cases[] = {{0, false, 350}, {1, false, 350}, {2, true, 430}};
    for (const auto& c : cases) {
        const PageFrame frame = FramePage(page, c.header_bytes);
        EXPECT_EQ(frame.header_drawn, c.drawn) << c.header_bytes;
        EXPECT_EQ(frame.body.top, c.body_top) << c.header_bytes;
    }
}

TEST(PageFrameTest, BandsLieInsideThePageRectangle)
{
    const PageFrame frame = FramePage(DeviceRect{100, 200, 5000, 7000}, 2);
    const auto as_tuple = [](const DeviceRect& r) { return std::tuple(r.left, r.top, r.right, r.bottom); };
    EXPECT_EQ(as_tuple(frame.header_band), std::tuple(250, 280, 4900, 378));
    EXPECT_EQ(as_tuple(frame.header_rule), std::tuple(250, 380, 4900, 380));
    EXPECT_EQ(as_tuple(frame.footer_band), std::tuple(250, 6870, 4900, 7000));
    EXPECT_EQ(as_tuple(frame.body), std::tuple(250, 430, 4900, 6870));
}

}  // namespace
}  // namespace orvik
