#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "engine/variable_table.h"

namespace orvik {

// The fixed GBK messages of the two reads; the caller shows them with an OK
// button. A file that is no formula file gives the process file's message,
// kFileFormatErrorMessage.
extern const std::string_view kFormulaVariableInitMessage;  // 公式文件中变量初始化有错
extern const std::string_view kFormulaDefinitionMessage;    // 公式中变量定义有错
extern const std::string_view kFormulaNameLengthMessage;    // 变量长度不超过30个字节
extern const std::string_view kFormulaStatementsMessage;    // 公式文件中计算式有错
extern const std::string_view kFormulaCommentMessage;       // 公式文件中注释出错
// Not a failure: said once when a description was longer than a read keeps.
extern const std::string_view kFormulaDescriptionCutMessage;

// What a read hands over, in file order, the moment it has it. The open read
// calls VariablesBegin, Definition, Statement and Description; the edit read
// VariablesBegin, DefinitionsText, StatementsText and Description. Texts are
// GBK; the views are valid only during the call.
class FormulaReadListener {
public:
    virtual ~FormulaReadListener() = default;

    // "[VAR_INIT]" was recognised: the variables of the previous formula go.
    virtual void VariablesBegin() {}
    // One definition line: the bytes before its first "=" and the number after it.
    virtual void Definition(std::string_view /*name*/, double /*value*/) {}
    // One statement line, cleaned.
    virtual void Statement(std::string_view /*text*/) {}
    // A whole section of the edit read: its cleaned lines, each ending in CR LF.
    virtual void DefinitionsText(std::string_view /*text*/) {}
    virtual void StatementsText(std::string_view /*text*/) {}
    // The description, cleaned lines each ending in CR LF; both reads.
    virtual void Description(std::string_view /*text*/) {}
};

enum class FormulaReadStatus {
    Complete,
    NotOpened,  // missing, unreadable or not a file: nothing delivered, nothing to show
    Failed,     // stopped at a fault; what came before it was delivered
};

struct FormulaReadResult {
    FormulaReadStatus status = FormulaReadStatus::NotOpened;
    std::string_view message;  // the GBK message of a failure, else empty
    // The description held more than kDescriptionMax bytes: only the lines
    // that fit were delivered.
    bool description_cut = false;
};

// One formula file (".tfl", GBK text): the magic line, then the sections
// [VAR_INIT], [EXPRESS] and [COMMENT], each closed by "[end]". Lines are read
// in pieces of at most kLinePieceMax bytes and cleaned with StripBlanks;
// only lines of at least 2 bytes after cleaning count, wherever they stand.
class FormulaFile {
public:
    static constexpr std::size_t kLinePieceMax = 2998;
    // The open read takes at most this many statements.
    static constexpr int kStatementMax = 500;
    // Bytes of a variable name, as the table holds them.
    static constexpr std::size_t kNameMax = VariableTable::kNameMax;
    // Bytes of the description a read delivers, whole lines only: pages of
    // notes, yet a file of any size opens at once.
    static constexpr std::size_t kDescriptionMax = 64 * 1024;

    explicit FormulaFile(std::filesystem::path path) : path_(std::move(path)) {}

    // Prepares the formula for computing: each definition as (name, atof of
    // the value), each statement, then the description.
    FormulaReadResult OpenRead(FormulaReadListener& listener) const;

    // Loads the raw sections for editing; checks only the magic and the
    // section headers.
    FormulaReadResult EditRead(FormulaReadListener& listener) const;

    // Writes the three edit texts as a complete file, every LF stored as
    // CR LF. The old file stays whole when the write fails (false).
    bool Write(std::string_view definitions, std::string_view statements,
               std::string_view description) const;

private:
    std::filesystem::path path_;
};

}  // namespace orvik
