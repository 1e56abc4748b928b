#include "platform/text_file_lines.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <vector>

#include <gtest/gtest.h>

#include "temporary_directory_test.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using LongLines = TextFileLines::LongLines;

class TextFileLinesTest : public TemporaryDirectoryTest {
protected:
    fs::path Write(const std::string& bytes)
    {
        const fs::path path = dir_ / "lines.txt";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

Lines ReadAll(const fs::path& path, std::size_t max, LongLines long_lines, bool* cut = nullptr)
{
    TextFileLines file(path, max, long_lines);
    Lines lines;
    for (std::string line; file.Next(line);)
        lines.push_back(line);
    if (cut)
        *cut = file.CutAny();
    return lines;
}

TEST_F(TextFileLinesTest, LineEndsPiecesAndCuts)
{
    struct Case {
        const char* name;
        std::string bytes;
        LongLines long_lines;
        Lines lines;
        bool cut;
    };
    const Case cases[] = {
        {"empty file", "", LongLines::Cut, {}, false},
        {"crlf and lf", "a\r\nb\nc", LongLines::Cut, {"a", "b", "c"}, false},
        {"last line end adds no line", "a\n\n", LongLines::Cut, {"a", ""}, false},
        {"only a cr before lf is dropped", "\ra\r\r\n", LongLines::Cut, {"\ra\r"}, false},
        {"split into pieces", "abcdefg\nhi", LongLines::Split, {"abcd", "efg", "hi"}, false},
        {"exactly the limit", "abcd\nef", LongLines::Split, {"abcd", "ef"}, false},
        {"cut keeps the front", "abcdefg\r\nhi\n", LongLines::Cut, {"abcd", "hi"}, true},
        {"a cr over the limit is no cut", "abcd\r\nhi", LongLines::Cut, {"abcd", "hi"}, false},
        {"a cr without lf over the limit is", "abcd\rhi\n", LongLines::Cut, {"abcd"}, true},
    };
    for (const Case& c : cases) {
        bool cut = false;
        EXPECT_EQ(ReadAll(Write(c.bytes), 4, c.long_lines, &cut), c.lines) << c.name;
        EXPECT_EQ(cut, c.cut) << c.name;
    }
}

// A full line whose CR ends one 64 KiB read and whose LF begins the next
// is as long as the limit, not longer; nor is it shifted a byte either way.
TEST_F(TextFileLinesTest, FullLineWithItsLineEndSplitBetweenReads)
{
    const std::string full(2998, 'x');
    for (const std::size_t cr_at : {65534, 65535, 65536}) {
        const std::string before(cr_at - full.size() - 1, 'y');  // read in pieces
        const Lines lines = ReadAll(Write(before + '\n' + full + "\r\nend"), full.size(), LongLines::Split);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_TRUE(lines.end()[-2] == full && lines.back() == "end") << cr_at;
    }
}

TEST_F(TextFileLinesTest, LinesLongerThanTheBuffer)
{
    const std::string long_line(200000, 'x');
    EXPECT_EQ(ReadAll(Write(long_line + "\r\n" + long_line), 300000, LongLines::Cut),
              (Lines{long_line, long_line}));
}

// Only regular files open; a named pipe with no writer is refused at once
// instead of waiting for one (the alarm ends the test if it waits).
TEST_F(TextFileLinesTest, OnlyRegularFilesOpen)
{
    const fs::path pipe = dir_ / "pipe.txt";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    alarm(10);
    EXPECT_FALSE(TextFileLines(pipe, 10, LongLines::Cut).IsOpen());
    alarm(0);
    EXPECT_FALSE(TextFileLines(dir_, 10, LongLines::Cut).IsOpen());
    EXPECT_FALSE(TextFileLines(dir_ / "missing.txt", 10, LongLines::Cut).IsOpen());
    EXPECT_TRUE(TextFileLines(Write("a"), 10, LongLines::Cut).IsOpen());
}

}  // namespace
}  // namespace orvik
