#include "records/process_file.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "calculator/core/messages.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = "Haltor的计算器过程文件";

class ProcessFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "orvik-records-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path File() const { return dir_ / "steps.vek"; }

    void WriteRaw(const std::string& bytes) const
    {
        std::ofstream(File(), std::ios::binary) << bytes;
    }
    std::string ReadRaw() const
    {
        std::ostringstream bytes;
        bytes << std::ifstream(File(), std::ios::binary).rdbuf();
        return bytes.str();
    }

    fs::path dir_;
};

CalculationHistory HistoryWith(const std::vector<std::string>& lines)
{
    CalculationHistory history;
    for (size_t slot = 0; slot < lines.size(); ++slot)
        history.SetLine(static_cast<int>(slot), lines[slot]);
    return history;
}

CalculationHistory FullHistory()
{
    CalculationHistory history;
    for (int slot = 0; slot < kHistoryLineCount; ++slot)
        history.SetLine(slot, std::to_string(slot) + "x");
    return history;
}

TEST(ProcessFileHeaderTest, HeaderAndMessagesAreGbkBytes)
{
    EXPECT_EQ(kProcessFileHeader,
              "Haltor\xB5\xC4\xBC\xC6\xCB\xE3\xC6\xF7\xB9\xFD\xB3\xCC\xCE\xC4\xBC\xFE");
    EXPECT_EQ(kBlankStatementMessage,
              "\xBC\xC6\xCB\xE3\xCA\xBD\xB2\xBB\xC4\xDC\xCE\xAA\xBF\xD5\xB0\xD7");
}

TEST_F(ProcessFileTest, SaveWritesOneCrLfLineEachUpToTheFirstEmptyLine)
{
    struct Case {
        std::vector<std::string> lines;
        std::string file;
    };
    const Case cases[] = {
        {{}, kHeader + "\r\nend:"},
        {{"p=3", "q=p*2\r\nr=q+1"}, kHeader + "\r\np=3\r\nq=p*2;r=q+1\r\nend:"},
        {{"a", "", "c"}, kHeader + "\r\na\r\nend:"},
        {{"\r\n", "a;b"}, kHeader + "\r\n;\r\na;b\r\nend:"},
        // A bare line feed would split the line on reading.
        {{"a\nb"}, kHeader + "\r\na;b\r\nend:"},
    };
    for (const Case& c : cases) {
        CalculationHistory history = HistoryWith(c.lines);
        const ProcessFileResult result = SaveProcessFile(File(), history);
        EXPECT_TRUE(result.ok);
        EXPECT_TRUE(result.message.empty());
        EXPECT_EQ(ReadRaw(), c.file) << c.file;
    }
}

TEST_F(ProcessFileTest, SaveJoinsTheHistoryRowsToo)
{
    CalculationHistory history = HistoryWith({"q=p*2\r\nr=q+1"});
    SaveProcessFile(File(), history);
    EXPECT_EQ(history.Line(0), "q=p*2;r=q+1");
}

TEST_F(ProcessFileTest, FullHistoryHasNoEndMarkerAndReadsBackWhole)
{
    CalculationHistory saved = FullHistory();
    EXPECT_EQ(SaveProcessFile(File(), saved).lines, kHistoryLineCount);
    const std::string file = ReadRaw();
    size_t line_ends = 0;
    for (size_t at = file.find("\r\n"); at != std::string::npos; at = file.find("\r\n", at + 2))
        ++line_ends;
    EXPECT_EQ(line_ends, 501u);
    EXPECT_TRUE(file.ends_with("499x\r\n"));

    CalculationHistory read;
    const ProcessFileResult result = ReadProcessFile(File(), read);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.lines, kHistoryLineCount);
    for (int slot = 0; slot < kHistoryLineCount; ++slot)
        ASSERT_EQ(read.Line(slot), saved.Line(slot)) << slot;
}

TEST_F(ProcessFileTest, SemicolonsComeBackAsRows)
{
    CalculationHistory saved = HistoryWith({"x=1;y=2"});
    SaveProcessFile(File(), saved);
    CalculationHistory read;
    ReadProcessFile(File(), read);
    EXPECT_EQ(read.Line(0), "x=1\r\ny=2");
}

TEST_F(ProcessFileTest, ReaderTakesLinesUpToTheEndMarker)
{
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> lines;
    };
    const std::string long_line(5000, '7');
    const Case cases[] = {
        {"crlf", kHeader + "\r\na=1\r\nb=a;c=b\r\nend:", {"a=1", "b=a\r\nc=b"}},
        {"lf only", kHeader + "\na=1\nb=2\nend:", {"a=1", "b=2"}},
        {"end marker in the body", kHeader + "\r\na\r\nend:\r\nb\r\n", {"a"}},
        {"no end marker, no last line end", kHeader + "\r\na\r\nb", {"a", "b"}},
        {"empty body line", kHeader + "\r\na\r\n\r\nc\r\nend:", {"a", "", "c"}},
        {"lone carriage return kept", kHeader + "\r\na\rb\r\n", {"a\rb"}},
        {"end marker with blank", kHeader + "\r\nend: \r\nb\r\nend:", {"end: ", "b"}},
        {"long line read whole", kHeader + "\r\n" + long_line + "\r\nnext\r\nend:", {long_line, "next"}},
        {"header only", kHeader, {}},
    };
    for (const Case& c : cases) {
        WriteRaw(c.file);
        CalculationHistory history;
        const ProcessFileResult result = ReadProcessFile(File(), history);
        EXPECT_TRUE(result.ok) << c.name;
        EXPECT_EQ(result.lines, static_cast<int>(c.lines.size())) << c.name;
        for (size_t slot = 0; slot < c.lines.size(); ++slot)
            EXPECT_EQ(history.Line(static_cast<int>(slot)), c.lines[slot]) << c.name;
        EXPECT_EQ(history.Line(static_cast<int>(c.lines.size())), "") << c.name;
    }
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
        CalculationHistory history = HistoryWith({"a=1"});
        const ProcessFileResult result = ReadProcessFile(File(), history);
        EXPECT_FALSE(result.ok) << header;
        EXPECT_EQ(result.message, kFileFormatErrorMessage) << header;
        EXPECT_EQ(history.FirstEmptySlot(), 1) << header;
    }
}

TEST_F(ProcessFileTest, MissingFileIsSilent)
{
    CalculationHistory history = HistoryWith({"a=1"});
    const ProcessFileResult result = ReadProcessFile(dir_ / "none.vek", history);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(history.FirstEmptySlot(), 1);
}

TEST_F(ProcessFileTest, ReadAppendsAfterTheUsedLinesAndKeepsTheCurrentLine)
{
    WriteRaw(kHeader + "\r\nd=4\r\ne=5\r\nend:");
    CalculationHistory history = HistoryWith({"a=1", "b=2", "c=3"});
    history.JumpToLine("2");
    const ProcessFileResult result = ReadProcessFile(File(), history);
    EXPECT_EQ(result.lines, 2);
    EXPECT_EQ(history.Line(2), "c=3");
    EXPECT_EQ(history.Line(3), "d=4");
    EXPECT_EQ(history.Line(4), "e=5");
    EXPECT_EQ(history.CurrentText(), "b=2");
}

TEST_F(ProcessFileTest, FullHistoryDropsTheRest)
{
    WriteRaw(kHeader + "\r\nd=4\r\ne=5\r\nend:");
    CalculationHistory history = FullHistory();
    history.SetLine(kHistoryLineCount - 1, "");
    EXPECT_EQ(ReadProcessFile(File(), history).lines, 1);
    EXPECT_EQ(history.Line(kHistoryLineCount - 1), "d=4");
    const ProcessFileResult full = ReadProcessFile(File(), history);
    EXPECT_TRUE(full.ok);
    EXPECT_EQ(full.lines, 0);
}

TEST_F(ProcessFileTest, EmptyLineReadEndsTheNextSave)
{
    WriteRaw(kHeader + "\r\na\r\n\r\nc\r\nend:");
    CalculationHistory history;
    ReadProcessFile(File(), history);
    SaveProcessFile(File(), history);
    EXPECT_EQ(ReadRaw(), kHeader + "\r\na\r\nend:");
}

TEST_F(ProcessFileTest, SaveIntoMissingDirectoryFails)
{
    CalculationHistory history = HistoryWith({"a\r\nb"});
    const ProcessFileResult result = SaveProcessFile(dir_ / "no" / "steps.vek", history);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kCannotOpenFileMessage);
    EXPECT_EQ(history.Line(0), "a\r\nb");
}

// Lowers the file size limit so that writing fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

TEST_F(ProcessFileTest, FailedSaveLeavesTheOldFileAndTheHistory)
{
    const std::string old_file = kHeader + "\r\nold=1\r\nend:";
    WriteRaw(old_file);
    CalculationHistory history = HistoryWith({std::string(200, 'a') + "\r\nb"});
    ProcessFileResult result;
    {
        FileSizeLimit limit(64);
        result = SaveProcessFile(File(), history);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kCannotOpenFileMessage);
    EXPECT_EQ(ReadRaw(), old_file);
    EXPECT_EQ(history.Line(0), std::string(200, 'a') + "\r\nb");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ProcessFileTest, SaveKeepsTheOldFilePermissions)
{
    WriteRaw("old");
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
    CalculationHistory history = HistoryWith({"a"});
    ASSERT_TRUE(SaveProcessFile(File(), history).ok);
    EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace orvik
