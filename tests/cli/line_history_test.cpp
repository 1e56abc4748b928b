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

using LineHistoryTest = TemporaryDirectoryTest;

std::deque<std::string> Numbered(int from, int to)
{
    std::deque<std::string> lines;
    for (int i = from; i <= to; ++i)
        lines.push_back(std::to_string(i));
    return lines;
}

TEST_F(LineHistoryTest, ANewSessionHasTheNewestLinesOfTheLast)
{
    const fs::path file = dir_ / "state" / "orvik" / "history";
    {
        LineHistory first(file.string(), 3);
        EXPECT_TRUE(first.Lines().empty());
        for (const char* line : {"a=1", "b=2", "b=2", "长度=3", "a*b"})
            first.Add(line);
        EXPECT_EQ(first.Lines(), (std::deque<std::string>{"b=2", "长度=3", "a*b"}));
    }
    EXPECT_EQ(fs::status(file.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(LineHistory(file.string(), 3).Lines(), (std::deque<std::string>{"b=2", "长度=3", "a*b"}));
}

TEST_F(LineHistoryTest, TheFileIsCutBackBeforeItHoldsTwiceTheLimit)
{
    const fs::path file = dir_ / "history";
    LineHistory history(file.string(), 3);
    for (int i = 1; i <= 5; ++i)
        history.Add(std::to_string(i));
    EXPECT_EQ(ReadBytes(file), "1\n2\n3\n4\n5\n");
    history.Add("6");
    EXPECT_EQ(ReadBytes(file), "4\n5\n6\n");
    history.Add("7");
    EXPECT_EQ(ReadBytes(file), "4\n5\n6\n7\n");
    EXPECT_EQ(LineHistory(file.string(), 3).Lines(), Numbered(5, 7));
}

TEST_F(LineHistoryTest, WithoutAUsableFileTheHistoryIsTheSessionsAlone)
{
    std::ofstream(dir_ / "blocker") << "a file where the directory would be";
    for (const std::string& path : {std::string("relative/history"), (dir_ / "blocker" / "history").string()}) {
        LineHistory history(path, 3);
        history.Add("1");
        EXPECT_EQ(history.Lines(), Numbered(1, 1)) << path;
    }
    EXPECT_FALSE(fs::exists("relative"));
}

}  // namespace
}  // namespace orvik
