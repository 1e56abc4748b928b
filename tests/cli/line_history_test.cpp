// The console's line history, kept between sessions in a file.

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "cli/line_history.h"
#include "temporary_directory_test.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

using Lines = std::deque<std::string>;
using LineHistoryTest = TemporaryDirectoryTest;

// Limit 3: repeats are kept once, the file is cut back to the newest lines
// before it holds 6, and a new session reads the newest 3.
TEST_F(LineHistoryTest, ANewSessionHasTheNewestLinesOfTheLast)
{
    const fs::path file = dir_ / "state" / "orvik" / "history";
    LineHistory first(file.string(), 3);
    for (const char* line : {"1", "2", "2", "长度=3", "4", "5"})
        first.Add(line);
    EXPECT_EQ(ReadBytes(file), "1\n2\n长度=3\n4\n5\n");
    first.Add("6");
    EXPECT_EQ(ReadBytes(file), "4\n5\n6\n");
    first.Add("7");
    EXPECT_EQ(first.Lines(), (Lines{"5", "6", "7"}));
    EXPECT_EQ(LineHistory(file.string(), 3).Lines(), (Lines{"5", "6", "7"}));
    // What was typed is the user's alone.
    EXPECT_EQ(fs::status(file.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(LineHistoryTest, WithoutAUsableFileTheHistoryIsTheSessionsAlone)
{
    std::ofstream(dir_ / "blocker") << "a file where the directory would be";
    for (const std::string& path : {std::string("relative/history"), (dir_ / "blocker" / "history").string()}) {
        LineHistory history(path, 3);
        history.Add("1");
        EXPECT_EQ(history.Lines(), Lines{"1"}) << path;
    }
    EXPECT_FALSE(fs::exists("relative"));
}

}  // namespace
}  // namespace orvik
