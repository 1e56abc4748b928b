#include "engine/quoted_text.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

TEST(QuoteTextTest, LongTextIsCutBetweenCharacters)
{
    const std::string a39(39, 'a');
    const struct {
        std::string text;
        TextEncoding encoding;
        std::string quoted;
    } cases[] = {
        {"(1+2", TextEncoding::Gbk, "(1+2"},
        {std::string(40, '1'), TextEncoding::Gbk, std::string(40, '1')},
        {std::string(41, '1'), TextEncoding::Gbk, std::string(40, '1') + "..."},
        {a39 + "\xBD\xC7", TextEncoding::Gbk, a39 + "..."},      // a GBK pair across byte 40
        {std::string(38, 'a') + "\xE2\x98\x83", TextEncoding::Utf8, std::string(38, 'a') + "..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuoteText(c.text, c.encoding), c.quoted) << c.text;
}

}  // namespace
}  // namespace orvik
