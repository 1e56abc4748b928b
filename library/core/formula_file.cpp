#include "library/core/formula_file.h"

#include <string>

#include "engine/engine.h"
#include "engine/number_text.h"
#include "platform/atomic_file.h"
#include "platform/text_file_lines.h"
#include "records/process_file.h"

namespace orvik {

const std::string_view kFormulaVariableInitMessage = "公式文件中变量初始化有错";
const std::string_view kFormulaDefinitionMessage = "公式中变量定义有错";
const std::string_view kFormulaNameLengthMessage = "变量长度不超过30个字节";
const std::string_view kFormulaStatementsMessage = "公式文件中计算式有错";
const std::string_view kFormulaCommentMessage = "公式文件中注释出错";
const std::string_view kFormulaDescriptionCutMessage = "公式的说明过长(超过65536个字节)，只读入了前面部分";

namespace {

constexpr std::string_view kMagic = "ORVIK_FILE";
constexpr std::string_view kVariablesHeader = "[VAR_INIT]";
constexpr std::string_view kStatementsHeader = "[EXPRESS]";
constexpr std::string_view kDescriptionHeader = "[COMMENT]";
constexpr std::string_view kSectionEnd = "[end]";
constexpr std::string_view kLineEnd = "\r\n";

struct SectionText {
    std::string text;
    bool cut = false;  // lines were left out
};

// The lines of a formula file that count: at least 2 bytes once cleaned.
// At the end of the file there is no next line, so a section that runs off
// the end simply ends and a header expected there is missing.
class SignificantLines {
public:
    explicit SignificantLines(const std::filesystem::path& path)
        : file_(path, FormulaFile::kLinePieceMax, TextFileLines::LongLines::Split)
    {
    }

    bool IsOpen() const { return file_.IsOpen(); }

    bool Next(std::string& line)
    {
        while (file_.Next(line)) {
            StripBlanks(line);
            if (line.size() >= 2)
                return true;
        }
        return false;
    }

    bool NextIs(std::string_view header)
    {
        std::string line;
        return Next(line) && line == header;
    }

    // The next line of the current section; false at its "[end]".
    bool NextInSection(std::string& line) { return Next(line) && line != kSectionEnd; }

    // The rest of the current section, each line ending in CR LF. Whole
    // lines up to `max_bytes` are kept; those after them are only read past.
    SectionText Section(std::size_t max_bytes = std::string::npos)
    {
        SectionText section;
        std::string line;
        while (NextInSection(line)) {
            if (section.cut || section.text.size() + line.size() + kLineEnd.size() > max_bytes) {
                section.cut = true;
                continue;
            }
            section.text += line;
            section.text += kLineEnd;
        }
        return section;
    }

private:
    TextFileLines file_;
};

FormulaReadResult Failure(std::string_view message)
{
    return {FormulaReadStatus::Failed, message};
}

std::string_view ReadDefinitions(SignificantLines& lines, FormulaReadListener& listener)
{
    std::string line;
    while (lines.NextInSection(line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return kFormulaDefinitionMessage;
        if (equals > FormulaFile::kNameMax)
            return kFormulaNameLengthMessage;
        const std::string_view text = line;
        listener.Definition(text.substr(0, equals), ParseDecimalPrefix(text.substr(equals + 1)));
    }
    return {};
}

void ReadStatements(SignificantLines& lines, FormulaReadListener& listener)
{
    std::string line;
    // The line read once the limit is reached ends the section and is lost.
    for (int taken = 0; lines.NextInSection(line) && taken < FormulaFile::kStatementMax; ++taken)
        listener.Statement(line);
}

// The frame that both reads share: the headers in their order, with the
// definitions and the statements each read by the given reader. The
// definitions reader gives the message of a fault, or empty.
template <typename DefinitionsReader, typename StatementsReader>
FormulaReadResult ReadSections(const std::filesystem::path& path, FormulaReadListener& listener,
                               DefinitionsReader read_definitions, StatementsReader read_statements)
{
    SignificantLines lines(path);
    if (!lines.IsOpen())
        return {};
    if (!lines.NextIs(kMagic))
        return Failure(kFileFormatErrorMessage);
    if (!lines.NextIs(kVariablesHeader))
        return Failure(kFormulaVariableInitMessage);
    listener.VariablesBegin();
    if (const std::string_view fault = read_definitions(lines); !fault.empty())
        return Failure(fault);
    if (!lines.NextIs(kStatementsHeader))
        return Failure(kFormulaStatementsMessage);
    read_statements(lines);
    if (!lines.NextIs(kDescriptionHeader))
        return Failure(kFormulaCommentMessage);
    const SectionText description = lines.Section(FormulaFile::kDescriptionMax);
    listener.Description(description.text);
    return {FormulaReadStatus::Complete, {}, description.cut};
}

// Text as stored: every LF becomes CR LF.
void AppendStored(std::string& file, std::string_view text)
{
    for (char c : text) {
        if (c == '\n')
            file += '\r';
        file += c;
    }
}

void AppendLine(std::string& file, std::string_view line)
{
    AppendStored(file, line);
    file += kLineEnd;
}

}  // namespace

FormulaReadResult FormulaFile::OpenRead(FormulaReadListener& listener) const
{
    return ReadSections(
        path_, listener, [&](SignificantLines& lines) { return ReadDefinitions(lines, listener); },
        [&](SignificantLines& lines) { ReadStatements(lines, listener); });
}

FormulaReadResult FormulaFile::EditRead(FormulaReadListener& listener) const
{
    return ReadSections(
        path_, listener,
        [&](SignificantLines& lines) {
            listener.DefinitionsText(lines.Section().text);
            return std::string_view();
        },
        [&](SignificantLines& lines) { listener.StatementsText(lines.Section().text); });
}

bool FormulaFile::Write(std::string_view definitions, std::string_view statements,
                        std::string_view description) const
{
    std::string file;
    AppendLine(file, kMagic);
    AppendLine(file, kVariablesHeader);
    AppendStored(file, definitions);
    if (definitions.empty() || definitions.back() != '\n')
        file += kLineEnd;
    AppendLine(file, kSectionEnd);
    AppendLine(file, kStatementsHeader);
    AppendLine(file, statements);
    AppendLine(file, kSectionEnd);
    AppendLine(file, kDescriptionHeader);
    AppendLine(file, description);
    AppendLine(file, kSectionEnd);
    return WriteFileAtomically(path_, file);
}

}  // namespace orvik
