#include "companion/command_line.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

struct CommandLineCase {
    const char* name;
    std::vector<std::string> arguments;
    std::optional<std::string> file;
};

TEST(CommandLineTest, OnlyThePrefixedFirstFileArgumentOpensAFile)
{
    const CommandLineCase cases[] = {
        {"no argument", {}, std::nullopt},
        {"an option only", {"-p"}, std::nullopt},
        {"prefix in other letter case", {"vek_call__/tmp/a"}, std::nullopt},
        {"shorter than the prefix", {"VEK_CALL_"}, std::nullopt},
        {"plain path", {"/tmp/a"}, std::nullopt},
        {"prefix not at the start", {"xVEK_CALL__/tmp/a"}, std::nullopt},
        {"first file argument lacks the prefix", {"other", "VEK_CALL__/tmp/a"}, std::nullopt},
        {"prefix with nothing after it", {"VEK_CALL__"}, ""},
        {"prefix and path", {"VEK_CALL__/tmp/a b/__temp1"}, "/tmp/a b/__temp1"},
        {"options before it are passed over", {"-x", "VEK_CALL__/tmp/a"}, "/tmp/a"},
        {"later arguments are ignored", {"VEK_CALL__/tmp/a", "more"}, "/tmp/a"},
    };
    for (const CommandLineCase& c : cases)
        EXPECT_EQ(FileToOpen(c.arguments), c.file) << c.name;
}

}  // namespace
}  // namespace orvik
