#include "platform/gbk.h"

#include <cerrno>
#include <random>

#include <gtest/gtest.h>
#include <iconv.h>

namespace orvik {
namespace {

TEST(GbkTest, RoundTripOfChineseAndMarks)
{
    const std::string utf8 = "r=π*2 计算式 30°15′20″";
    const std::optional<std::string> gbk = Utf8ToGbk(utf8);
    ASSERT_TRUE(gbk.has_value());
    EXPECT_EQ(gbk->substr(0, 4), "r=\xA6\xD0");
    EXPECT_EQ(GbkToUtf8(*gbk), utf8);
}

TEST(GbkTest, TextWithoutGbkFormIsRefused)
{
    EXPECT_FALSE(Utf8ToGbk("snowman \xE2\x98\x83").has_value());
    EXPECT_FALSE(Utf8ToGbk("broken \xC3").has_value());
    EXPECT_EQ(Utf8ToGbk("").value(), "");
}

TEST(GbkTest, InvalidGbkBytesAreReplacedNotLost)
{
    const struct {
        const char* gbk;
        const char* utf8;
    } cases[] = {
        {"a\xFF" "b", "a\xEF\xBF\xBD" "b"},
        {"end\xB0", "end\xEF\xBF\xBD"},
        {"a\xFF\xFF" "b", "a\xEF\xBF\xBD\xEF\xBF\xBD" "b"},
        {"\xB0 x", "\xEF\xBF\xBD x"},                     // a lead byte before a blank
        {"\xFE\x7F" "c", "\xEF\xBF\xBD\x7F" "c"},           // 7F is no trail byte
        {"\x81\x41z", "\xE4\xB8\x84z"},                  // an ASCII letter as trail byte
        {"\xB0\xA1\xB0", "\xE5\x95\x8A\xEF\xBF\xBD"},
        {"x\xD6\xD0\xCE\xC4y", "x\xE4\xB8\xAD\xE6\x96\x87y"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.gbk;
}

// glibc's converter run over the whole text, a byte skipped (and U+FFFD
// written) at each error: what the decoder must read any bytes as.
std::string ConverterReading(std::string_view gbk)
{
    iconv_t handle = iconv_open("UTF-8", "GBK");
    std::string out;
    char* in = const_cast<char*>(gbk.data());
    size_t in_left = gbk.size();
    while (in_left > 0) {
        char buffer[256];
        char* out_ptr = buffer;
        size_t out_left = sizeof buffer;
        const size_t result = iconv(handle, &in, &in_left, &out_ptr, &out_left);
        out.append(buffer, out_ptr);
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            out += "\xEF\xBF\xBD";
            ++in;
            --in_left;
        }
    }
    iconv_close(handle);
    return out;
}

TEST(GbkTest, AnyBytesReadAsTheConverterReadsThem)
{
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        std::string gbk(64, '\0');
        for (char& byte : gbk)  // mostly bytes above ASCII, some ASCII trail bytes
            byte = static_cast<char>(random() % 4 == 0 ? 0x20 + random() % 0x60 : 0x80 + random() % 0x80);
        ASSERT_EQ(GbkToUtf8(gbk), ConverterReading(gbk)) << round;
    }
}

}  // namespace
}  // namespace orvik
