// The print companion's page layout, page after page as a print job runs it,
// on arbitrary text. The first two bytes give the body's width and height
// (either may be too small for anything); the rest is the text. The font is
// a fixed-width stand-in: every byte 10 units wide, lines 130 apart.
#include <cstdint>
#include <string_view>

#include "companion/page_layout.h"
#include "companion/page_start_list.h"
#include "fuzz_check.h"

namespace {

class FixedWidthFont final : public orvik::FontMetrics {
public:
    double CharWidth(std::string_view gbk_char) const override { return 10.0 * static_cast<double>(gbk_char.size()); }
    int Height() const override { return 100; }
    int ExternalLeading() const override { return 0; }
    double AverageCharWidth() const override { return 10; }
};

void CheckPage(const orvik::PageLines& page, std::string_view text, std::size_t start,
               const orvik::DeviceRect& body)
{
    // Every page but the last moves on, so a job always ends.
    FUZZ_CHECK(page.next_start <= text.size());
    FUZZ_CHECK(page.next_start > start || page.next_start == text.size());
    int y = body.top - 1;
    for (const orvik::PrintedLine& line : page.lines) {
        FUZZ_CHECK(line.y > y);
        y = line.y;
        for (const orvik::TextRun& run : line.runs) {
            FUZZ_CHECK(start <= run.begin && run.begin < run.end && run.end <= page.next_start);
            FUZZ_CHECK(run.x >= 0);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const orvik::DeviceRect body{150, 230, 150 + data[0] * 8 - 100, 230 + data[1] * 16 - 200};
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    const FixedWidthFont font;
    orvik::PageStartList starts;
    starts.Start(text);
    for (int page = 1; starts.Has(page); ++page) {
        const std::size_t start = starts.StartOf(page);
        const orvik::PageLines laid = orvik::LayoutPage(text, start, body, font);
        CheckPage(laid, text, start, body);
        starts.Record(page, laid.next_start);
    }
    starts.Clear();
    return 0;
}
