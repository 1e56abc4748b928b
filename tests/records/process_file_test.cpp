#include "records/process_file.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "file_size_limit.h"
#include "temporary_directory_test.h"


namespace orvik {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = "Haltor的计算器过程文件";

class ProcessFileTest : public TemporaryDirectoryTest {
protected:
    fs::path File() const { return dir_ / "steps.vek"; }

    void WriteRaw(const std::string& bytes) const
    {
        std::ofstream(File(), std::ios::binary) << bytes;
    }
    std::string ReadRaw() const { return ReadBytes(File()); }
};

using Lines = std::vector<std::string>;

Lines FullHistory()
{
    Lines lines;
    for (int slot = 0; slot < kProcessFileLineCount; ++slot)
        lines.push_back(std::to_string(slot) + "x");
    return lines;
}

TEST(ProcessFileHeaderTest, HeaderAndMessagesAreGbkBytes)
{
    EXPECT_EQ(kProcessFileHeader,
              "Haltor\xB5\xC4\xBC\xC6\xCB\xE3\xC6\xF7\xB9\xFD\xB3\xCC\xCE\xC4\xBC\xFE");
    EXPECT_EQ(kFileFormatErrorMessage, "\xCE\xC4\xBC\xFE\xB8\xF1\xCA\xBD\xB4\xED\xCE\xF3");
}

TEST_F(ProcessFileTest, SaveWritesOneCrLfLineEachUpToTheFirstEmptyLine)
{
    struct Case {
        Lines lines;
        std::string file;
    };
    const Case cases[] = {
        {{}, kHeader + "\r\nend:"},
        {{"p=3", "q=p*2\r\nr=q+1"}, kHeader + "\r\np=3\r\nq=p*2;r=q+1\r\nend:"},
        {{"\r\n", "a;b"}, kHeader + "\r\n;\r\na;b\r\nend:"},
        // A bare line feed would split the line on reading.
        {{"a\nb"}, kHeader + "\r\na;b\r\nend:"},
    };
    for (const Case& c : cases) {
        const ProcessFileSave result = SaveProcessFile(File(), c.lines);
        EXPECT_TRUE(result.ok);
        EXPECT_TRUE(result.message.empty());
        EXPECT_EQ(ReadRaw(), c.file) << c.file;
    }
}

TEST_F(ProcessFileTest, SaveGivesTheLinesAsStored)
{
    const ProcessFileSave saved = SaveProcessFile(File(), Lines{"q=p*2\r\nr=q+1", "s"});
    EXPECT_EQ(saved.stored_lines, (Lines{"q=p*2;r=q+1", "s"}));
}

TEST_F(ProcessFileTest, FullHistoryHasNoEndMarkerAndReadsBackWhole)
{
    const Lines saved = FullHistory();
    EXPECT_TRUE(SaveProcessFile(File(), saved).ok);
    const std::string file = ReadRaw();
    size_t line_ends = 0;
    for (size_t at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n", at + 2))
        ++line_ends;
    EXPECT_EQ(line_ends, 501u);
    EXPECT_TRUE(file.ends_with("499x\r\n"));

    const ProcessFileRead result = ReadProcessFile(File(), kProcessFileLineCount);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.lines, saved);
}

TEST_F(ProcessFileTest, SemicolonsComeBackAsRows)
{
    SaveProcessFile(File(), Lines{"x=1;y=2"});
    EXPECT_EQ(ReadProcessFile(File(), 1).lines, Lines{"x=1\r\ny=2"});
}

TEST_F(ProcessFileTest, ReaderTakesLinesUpToTheEndMarker)
{
    struct Case {
        const char* name;
        std::string file;
        Lines lines;
    };
    const std::string statement = "x=" + std::string(1997, '7');  // the longest one
    const std::string longest(kProcessFileLineMax, '7');
    const Case cases[] = {
        {"crlf", kHeader + "\r\na=1\r\nb=a;c=b\r\nend:", {"a=1", "b=a\r\nc=b"}},
        {"lf only", kHeader + "\na=1\nb=2\nend:", {"a=1", "b=2"}},
        {"end marker in the body", kHeader + "\r\na\r\nend:\r\nb\r\n", {"a"}},
        {"no end marker, no last line end", kHeader + "\r\na\r\nb", {"a", "b"}},
        {"empty body line", kHeader + "\r\na\r\n\r\nc\r\nend:", {"a", "", "c"}},
        {"lone carriage return kept", kHeader + "\r\na\rb\r\n", {"a\rb"}},
        {"end marker with blank", kHeader + "\r\nend: \r\nb\r\nend:", {"end: ", "b"}},
        {"longest statement read whole", kHeader + "\r\n" + statement + "\r\nnext\r\nend:", {statement, "next"}},
        {"longest line read whole", kHeader + "\r\n" + longest + "\r\nnext", {longest, "next"}},
        {"header only", kHeader, {}},
    };
    for (const Case& c : cases) {
        WriteRaw(c.file);
        const ProcessFileRead result = ReadProcessFile(File(), kProcessFileLineCount);
        EXPECT_TRUE(result.ok) << c.name;
        EXPECT_TRUE(result.message.empty()) << c.name;
        EXPECT_EQ(result.lines, c.lines) << c.name;
    }
}

TEST_F(ProcessFileTest, OverlongLinesAreCutWithOneMessage)
{
    const std::string huge(3 * kProcessFileLineMax + 5, ';');
    WriteRaw(kHeader + "\r\n" + huge + "\r\nnext\r\n" + huge);
    const ProcessFileRead result = ReadProcessFile(File(), kProcessFileLineCount);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.message, kLinesCutMessage);
    ASSERT_EQ(result.lines.size(), 3u);
    EXPECT_EQ(result.lines[1], "next");
    EXPECT_EQ(result.lines[2].size(), 2 * kProcessFileLineMax);  // every ";" a line break
}

TEST_F(ProcessFileTest, ReadStopsWhenThereIsNoMoreRoom)
{
    WriteRaw(kHeader + "\r\nd=4\r\ne=5\r\nend:");
    EXPECT_EQ(ReadProcessFile(File(), 1).lines, Lines{"d=4"});
    const ProcessFileRead full = ReadProcessFile(File(), 0);
    EXPECT_TRUE(full.ok);
    EXPECT_TRUE(full.lines.empty());
}

TEST_F(ProcessFileTest, WrongHeaderChangesNothing)
{
    const std::string headers[] = {
        kHeader + " ",
        "Haltor计算器过程文件",
        "Haltor\xE7\x9A\x84\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8\xE8\xBF\x87\xE7\xA8\x8B\xE6\x96\x87\xE4\xBB\xB6",
        "",
        "\r\n" + kHeader,
    };
    for (const std::string& header : headers) {
        WriteRaw(header + "\r\nz=9\r\nend:");
        const ProcessFileRead result = ReadProcessFile(File(), kProcessFileLineCount);
        EXPECT_FALSE(result.ok) << header;
        EXPECT_EQ(result.message, kFileFormatErrorMessage) << header;
        EXPECT_TRUE(result.lines.empty()) << header;
    }
}

TEST_F(ProcessFileTest, FileThatCannotBeOpenedIsSilent)
{
    for (const fs::path& path : {dir_ / "none.vek", dir_}) {
        const ProcessFileRead result = ReadProcessFile(path, kProcessFileLineCount);
        EXPECT_FALSE(result.ok) << path;
        EXPECT_TRUE(result.message.empty()) << path;
    }
}

TEST_F(ProcessFileTest, SaveIntoMissingDirectoryFails)
{
    const ProcessFileSave result = SaveProcessFile(dir_ / "no" / "steps.vek", Lines{"a\r\nb"});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kCannotOpenFileMessage);
}

TEST_F(ProcessFileTest, FailedSaveLeavesTheOldFile)
{
    const std::string old_file = kHeader + "\r\nold=1\r\nend:";
    WriteRaw(old_file);
    ProcessFileSave result;
    {
        FileSizeLimit limit(64);
        result = SaveProcessFile(File(), Lines{std::string(200, 'a') + "\r\nb"});
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kCannotOpenFileMessage);
    EXPECT_EQ(ReadRaw(), old_file);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ProcessFileTest, SaveKeepsTheOldFilePermissions)
{
    WriteRaw("old");
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(SaveProcessFile(File(), Lines{"a"}).ok);
    EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace orvik
