#include "platform/trim_blanks.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

TEST(TrimBlanksTest, SpacesAndTabsGoFromBothEndsOnly)
{
    const struct {
        std::string_view text, trimmed;
    } cases[] = {
        {"", ""}, {" \t ", ""}, {"a", "a"}, {" \ta b\t ", "a b"}, {"\r\na\n", "\r\na\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrimBlanks(c.text), c.trimmed) << c.text;
}

}  // namespace
}  // namespace orvik
