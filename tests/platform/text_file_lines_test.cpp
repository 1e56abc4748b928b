#include "platform/text_file_lines.h"

#include <fstream>
#include <vector>

#include <gtest/gtest.h>

namespace orvik {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using LongLines = TextFileLines::LongLines;

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

TEST(TextFileLinesTest, LineEndsPiecesAndCuts)
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
    };
    const fs::path path = fs::temp_directory_path() / "orvik-text-file-lines.txt";
    for (const Case& c : cases) {
        std::ofstream(path, std::ios::binary) << c.bytes;
        bool cut = false;
        EXPECT_EQ(ReadAll(path, 4, c.long_lines, &cut), c.lines) << c.name;
        EXPECT_EQ(cut, c.cut) << c.name;
    }
    fs::remove(path);
}

TEST(TextFileLinesTest, LinesLongerThanTheBufferAndOnlyRegularFiles)
{
    const fs::path path = fs::temp_directory_path() / "orvik-text-file-lines-long.txt";
    const std::string long_line(200000, 'x');
    std::ofstream(path, std::ios::binary) << long_line << "\r\n" << long_line;
    EXPECT_EQ(ReadAll(path, 300000, LongLines::Cut), (Lines{long_line, long_line}));
    fs::remove(path);

    EXPECT_FALSE(TextFileLines(fs::temp_directory_path(), 10, LongLines::Cut).IsOpen());
    EXPECT_FALSE(TextFileLines(path, 10, LongLines::Cut).IsOpen());
}

}  // namespace
}  // namespace orvik
