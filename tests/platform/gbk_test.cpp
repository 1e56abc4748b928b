#include "platform/gbk.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(GbkToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(GbkToUtf8("end\xB0"), "end\xEF\xBF\xBD");
}

}  // namespace
}  // namespace orvik
