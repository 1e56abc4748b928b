#include "library/core/formula_file.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "records/process_file.h"
#include "temporary_directory_test.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

using Events = std::vector<std::string>;

// Writes down every delivery in order, so a test sees what arrived before a failure.
class Recorder : public FormulaReadListener {
public:
    Events events;

    void VariablesBegin() override { events.push_back("begin"); }
    void Definition(std::string_view name, double value) override
    {
        std::ostringstream text;
        text << "def " << name << "=" << value;
        events.push_back(text.str());
    }
    void Statement(std::string_view text) override { events.push_back("stmt " + std::string(text)); }
    void DefinitionsText(std::string_view text) override { events.push_back("defs " + std::string(text)); }
    void StatementsText(std::string_view text) override { events.push_back("stmts " + std::string(text)); }
    void Description(std::string_view text) override { events.push_back("desc " + std::string(text)); }
};

class FormulaFileTest : public TemporaryDirectoryTest {
protected:
    FormulaFile File() const { return FormulaFile(dir_ / "gear.tfl"); }
    void WriteRaw(const std::string& bytes) const { std::ofstream(dir_ / "gear.tfl", std::ios::binary) << bytes; }
    std::string ReadRaw() const { return ReadBytes(dir_ / "gear.tfl"); }
};

std::string Lines(int count, const std::string& prefix)
{
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += prefix + std::to_string(i) + "\r\n";
    return lines;
}

const std::string kHead = "ORVIK_FILE\r\n[VAR_INIT]\r\n";
const std::string kTail = "[end]\r\n[EXPRESS]\r\nr=a\r\n[end]\r\n[COMMENT]\r\n[end]\r\n";

struct ReadCase {
    const char* name;
    std::string file;
    Events events;
    std::string_view message;  // empty: complete
};

void ExpectRead(const ReadCase& c, const FormulaReadResult& result, const Events& events)
{
    EXPECT_EQ(events, c.events) << c.name;
    EXPECT_EQ(result.message, c.message) << c.name;
    EXPECT_EQ(result.status, c.message.empty() ? FormulaReadStatus::Complete : FormulaReadStatus::Failed)
        << c.name;
}

TEST_F(FormulaFileTest, OpenReadDeliversInFileOrderAndStopsAtTheFirstFault)
{
    const std::string name29(29, 'n');
    const ReadCase cases[] = {
        {"empty file", "", {}, kFileFormatErrorMessage},
        {"magic in lower case", "orvik_file\r\n[VAR_INIT]\r\n", {}, kFileFormatErrorMessage},
        {"no [VAR_INIT]", "ORVIK_FILE\r\n[EXPRESS]\r\n", {}, kFormulaVariableInitMessage},
        {"skipped lines, blanks, comments, line ends",
         "\r\n ORVIK _FILE // magic\r\nx\r\n[VAR_INIT]\r\n\ta = 1.5 \r\r\nb=2*3\nc=x1\n=4\n// a\n"
         "[ e n d ]\r\n[EXPRESS]\r\nr = a + b\r\nq\r\n//s=1\r\n[end]\r\n[COMMENT]\r\n"
         "spur gear // pitch\r\r\n齿轮 模数\r\n[end]\r\nignored\r\n",
         {"begin", "def a=1.5", "def b=2", "def c=0", "def =4", "stmt r=a+b", "desc spurgear\r\n齿轮模数\r\n"},
         {}},
        {"definition without =", kHead + "a=1\r\nbb\r\n" + kTail, {"begin", "def a=1"}, kFormulaDefinitionMessage},
        {"[END] is no end", kHead + "[END]\r\n" + kTail, {"begin"}, kFormulaDefinitionMessage},
        {"29-byte name", kHead + name29 + "=1\r\n" + kTail, {"begin", "def " + name29 + "=1", "stmt r=a", "desc "}, {}},
        {"30-byte name", kHead + name29 + "x=1\r\n" + kTail, {"begin"}, kFormulaNameLengthMessage},
        {"15 Chinese characters", kHead + "一二三四五六七八九十一二三四五=1\r\n", {"begin"}, kFormulaNameLengthMessage},
        // Each definition arrives once, also when the section runs off the end.
        {"definitions to the end", kHead + "a=1\r\n", {"begin", "def a=1"}, kFormulaStatementsMessage},
        {"statements to the end", kHead + "[end]\r\n[EXPRESS]\r\nr=1\r\n", {"begin", "stmt r=1"}, kFormulaCommentMessage},
        {"description to the end", kHead + "[end]\r\n[EXPRESS]\r\n[end]\r\n[COMMENT]\r\nab\r\ncd",
         {"begin", "desc ab\r\ncd\r\n"}, {}},
        {"3000-byte line in two pieces",
         kHead + "[end]\r\n[EXPRESS]\r\n" + std::string(3000, 'x') + "\r\n[end]\r\n[COMMENT]\r\n[end]\r\n",
         {"begin", "stmt " + std::string(2998, 'x'), "stmt xx", "desc "}, {}},
    };
    for (const ReadCase& c : cases) {
        WriteRaw(c.file);
        Recorder recorder;
        ExpectRead(c, File().OpenRead(recorder), recorder.events);
    }
}

TEST_F(FormulaFileTest, OpenReadTakesAtMost500Statements)
{
    for (const int count : {500, 501}) {
        WriteRaw(kHead + "[end]\r\n[EXPRESS]\r\n" + Lines(count, "s") + "[end]\r\n[COMMENT]\r\n[end]\r\n");
        Recorder recorder;
        const FormulaReadResult result = File().OpenRead(recorder);
        EXPECT_EQ(result.message, count == 500 ? std::string_view() : kFormulaCommentMessage);
        EXPECT_EQ(recorder.events.size(), 1u + 500u + (count == 500 ? 1u : 0u)) << count;
        EXPECT_EQ(recorder.events[500], "stmt s499");
    }
}

TEST_F(FormulaFileTest, EditReadDeliversEachSectionWhenItIsComplete)
{
    const ReadCase cases[] = {
        {"complete", kHead + "a = 1\r\nno equals\r\n[end]\r\n[EXPRESS]\r\nr=a\r\n[end]\r\n[COMMENT]\r\nab c\r\n[end]\r\n",
         {"begin", "defs a=1\r\nnoequals\r\n", "stmts r=a\r\n", "desc abc\r\n"}, {}},
        {"no [EXPRESS]", kHead + "a=1\r\n[end]\r\n[COMMENT]\r\n", {"begin", "defs a=1\r\n"}, kFormulaStatementsMessage},
        {"no [COMMENT]", kHead + "[end]\r\n[EXPRESS]\r\n" + Lines(501, "s") + "[end]\r\n",
         {"begin", "defs ", "stmts " + Lines(501, "s")}, kFormulaCommentMessage},
    };
    for (const ReadCase& c : cases) {
        WriteRaw(c.file);
        Recorder recorder;
        ExpectRead(c, File().EditRead(recorder), recorder.events);
    }
}

// A description of any size reads at once: the whole lines that fit in
// kDescriptionMax are delivered and the cut is told, by both reads.
TEST_F(FormulaFileTest, DescriptionsAreKeptUpToTheirLimit)
{
    const std::string line(98, 'd');  // 100 bytes with its CR LF
    const std::size_t fitting = FormulaFile::kDescriptionMax / 100;
    for (const std::size_t count : {fitting, fitting + 1, std::size_t{20000}}) {
        std::string description;
        for (std::size_t i = 0; i < count; ++i)
            description += line + "\r\n";
        WriteRaw(kHead + "[end]\r\n[EXPRESS]\r\n[end]\r\n[COMMENT]\r\n" + description + "[end]\r\n");
        for (const bool edit : {false, true}) {
            Recorder recorder;
            const FormulaReadResult result = edit ? File().EditRead(recorder) : File().OpenRead(recorder);
            EXPECT_EQ(result.status, FormulaReadStatus::Complete);
            EXPECT_EQ(result.description_cut, count > fitting) << count;
            EXPECT_EQ(recorder.events.back(), "desc " + description.substr(0, fitting * 100)) << count;
        }
    }
}

TEST_F(FormulaFileTest, WriteStoresEveryLineFeedAsCrLfAndReadsBackCleaned)
{
    struct Case {
        std::string definitions, statements, description;
        std::string file;
        Events edit;
    };
    const Case cases[] = {
        {"", "", "",
         "ORVIK_FILE\r\n[VAR_INIT]\r\n\r\n[end]\r\n[EXPRESS]\r\n\r\n[end]\r\n[COMMENT]\r\n\r\n[end]\r\n",
         {"begin", "defs ", "stmts ", "desc "}},
        // The boxes' own CR LF becomes CR CR LF; the definitions get no second break.
        {"a = 1\r\nb=2\r\n", "r=a+b\r\ns=r*2", "spur gear\r\n",
         "ORVIK_FILE\r\n[VAR_INIT]\r\na = 1\r\r\nb=2\r\r\n[end]\r\n[EXPRESS]\r\nr=a+b\r\r\ns=r*2\r\n"
         "[end]\r\n[COMMENT]\r\nspur gear\r\r\n\r\n[end]\r\n",
         {"begin", "defs a=1\r\nb=2\r\n", "stmts r=a+b\r\ns=r*2\r\n", "desc spurgear\r\n"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(File().Write(c.definitions, c.statements, c.description));
        EXPECT_EQ(ReadRaw(), c.file);
        Recorder recorder;
        EXPECT_EQ(File().EditRead(recorder).status, FormulaReadStatus::Complete);
        EXPECT_EQ(recorder.events, c.edit);
    }
}

TEST_F(FormulaFileTest, WhatIsNoFileIsNeitherReadNorReplaced)
{
    fs::create_directory(dir_ / "gear.tfl");
    std::ofstream(dir_ / "gear.tfl" / "kept") << "kept";
    Recorder recorder;
    EXPECT_EQ(File().OpenRead(recorder).status, FormulaReadStatus::NotOpened);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_FALSE(File().Write("a=1", "r=a", ""));
    EXPECT_FALSE(FormulaFile(dir_ / "missing" / "gear.tfl").Write("a=1", "r=a", ""));
    EXPECT_TRUE(fs::exists(dir_ / "gear.tfl" / "kept"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace orvik
