#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/engine_host.h"
#include "engine/operator_table.h"
#include "engine/replay_program.h"
#include "engine/variable_table.h"

namespace orvik {

enum class AngleMode : uint8_t { Degrees = 0, Radians = 1 };

// One entry of a compiled statement: an operand value or an operator code.
// An operand read from a variable names it, so that the statement can be
// evaluated again with the variable's value then (compiled_text.h).
struct Token {
    double value;
    OperatorCode code;
    int16_t variable;  // the variable read, -1 for a number or a target's index
    int8_t step;       // x++ +1, x-- -1: the change made after reading
    uint8_t is_operator;
};

// What one NextToken call scanned: an operand and the operator after it.
struct ScanOutput {
    OperatorCode code = -1;
    double value = 0;
    int32_t priority = 0;
    int16_t variable = -1;
    int8_t step = 0;
};

// Kinds NextToken returns.
namespace scan {
inline constexpr int kError = -1;
inline constexpr int kOperand = 1;      // operand, then an operator
inline constexpr int kFunction = 2;     // a function name, no operand
inline constexpr int kLastOperand = 3;  // the statement ended
inline constexpr int kTarget = 4;       // assignment target: value is its index
inline constexpr int kKeywordBase = 10;  // 11 "if", 12 "else", 13 "endif", 14 "fcys"
}  // namespace scan

// The reserved words, in the order of their kinds: kKeywordBase + 1 on.
inline constexpr std::array<std::string_view, 4> kReservedWords = {"if", "else", "endif", "fcys"};

// Removes blanks, tabs and carriage returns in place and cuts the text at the
// first "//".
void StripBlanks(std::string& text);

// The first statement of a stripped text, taken off `rest` with its
// separator: statements end at ";" or at a line feed, whichever comes first.
std::string_view NextStatement(std::string_view& rest);

// The expression engine: compiles statements into postfix programs and runs
// them. All working storage is fixed-size members; an evaluation allocates
// nothing unless it has to show a message or ask for a value.
class Engine {
public:
    static constexpr int kStatementMax = 1999;  // bytes
    static constexpr int kOperandMax = 299;     // bytes of one number or name
    static constexpr int kProgramMax = 300;     // tokens
    static constexpr int kStackSlots = 3000;    // slot 0 unused

    explicit Engine(EngineHost& host) : host_(host) {}
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Evaluates every statement of `text` (separated by ";" or line feeds)
    // and returns the value of the last one, 0 when there is none. The text
    // is changed in place: pass a copy when it must stay as it was.
    double EvaluateText(std::string& text);

    // Puts one statement into the statement buffer; false (with a message)
    // when it is longer than kStatementMax.
    bool LoadStatement(std::string_view statement);
    // Compiles the statement buffer: 1 compiled, 2 compiled with unbalanced
    // parentheses reported, -1 refused (the program is then empty).
    int CompileStatement();
    // Runs the last compiled program.
    double EvaluateProgram();
    int NextToken(ScanOutput& out);

    // The last statement that EvaluateText ran was refused (with a message):
    // the value it gave is no result.
    bool LastStatementRefused() const { return last_refused_; }

    // Groups the evaluations of one command of the user, such as computing
    // every statement of a formula: a full table is reported once in it,
    // not once for each statement it refuses. EvaluateText is a command of
    // its own when no other is open.
    class Command {
    public:
        explicit Command(Engine& engine) : engine_(engine) { ++engine_.open_commands_; }
        ~Command()
        {
            if (--engine_.open_commands_ == 0)
                engine_.full_reported_ = false;
        }
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;

    private:
        Engine& engine_;
    };

    VariableTable& Variables() { return variables_; }
    const VariableTable& Variables() const { return variables_; }
    void SetAngleMode(AngleMode mode) { angle_mode_ = mode; }
    AngleMode CurrentAngleMode() const { return angle_mode_; }

private:
    friend class CompiledText;

    struct PendingOperator {
        OperatorCode code;
        int32_t priority;
    };
    struct Scan;  // one NextToken call's positions and flags

    // Scanner (compiler.cpp).
    bool ScanCharacter(Scan& scan, ScanOutput& out);
    bool ScanOpenParenthesis(Scan& scan, ScanOutput& out);
    bool ScanCloseParenthesis(Scan& scan);
    bool ScanPlusMinus(Scan& scan, ScanOutput& out);
    bool ScanSigns(Scan& scan, ScanOutput& out);
    void ScanIncrement(Scan& scan, int index, char sign);
    bool ScanCompoundAssignment(Scan& scan, ScanOutput& out);
    bool ScanOtherCharacter(Scan& scan, ScanOutput& out);
    bool SetOperator(Scan& scan, ScanOutput& out, OperatorCode code, int32_t priority,
                     int32_t length = 1);
    bool TakeText(Scan& scan, int32_t end);
    void ReadVariable(ScanOutput& out, int index) const;
    bool AppendToStatement(char c);
    int ClassifyOperand(Scan& scan, ScanOutput& out);
    int ResolveName(Scan& scan, ScanOutput& out, std::string_view name);
    int CreateVariable(Scan& scan, ScanOutput& out, std::string_view name);
    int EndOfOperand(const Scan& scan);

    // Precedence loop (compiler.cpp).
    bool WriteToken(Token token);
    bool WriteOperand(const ScanOutput& out);
    bool WriteOperator(OperatorCode code);
    bool PushOperator(PendingOperator pending);
    bool WriteOperators(PendingOperator pending, int32_t priority);
    int32_t TotalPriority(int32_t own) const;
    int CheckParentheses();

    // Every message of a compilation goes through here.
    void ShowCompileMessage(std::string_view message);
    // Refusals: show the message, leave an empty program.
    int Refuse(const std::string& message);
    bool RefuseScan(const std::string& message);
    int Fail();
    void ReportFull();
    // "计算式[<statement>" + ending, the statement as the user wrote it and
    // cut short when it is long.
    std::string StatementMessage(std::string_view ending) const;
    static std::string StatementMessage(std::string_view statement, std::string_view ending);

    // Evaluator (evaluator.cpp).
    void Push(double value);
    double Pop();
    // The value of operator `code` on x, and y for those of two operands.
    double Operate(OperatorCode code, double x, double y);
    // "=": y into the variable at trunc32(x) when it is below `count`.
    double Assign(double x, double y, int32_t count);
    int32_t AssignLimit(OperatorCode limit) const;
    void ShowMissingOperand(std::string_view statement);
    double ToRadians(double v) const;
    double FromRadians(double r) const;

    // Statements evaluated again (binder.cpp, compiled_text.cpp): the last
    // compiled program bound to the variables it read, and run.
    // `table_count`: the count after the compilation; `assign_limit`: what
    // "=" to a computed index checks it against (see kLiveCount);
    // `recreated`: the variables to give their creation values first;
    // `refused_steps`: the x++ of a refused compilation, whose program is
    // empty.
    struct BindContext {
        int32_t table_count;
        OperatorCode assign_limit;
        std::span<const Creation> recreated;
        std::span<const CompileStep> refused_steps;
    };
    ReplayProgram Bind(std::span<const Token> program, const BindContext& context);
    // `statement` is what kMissingOperand quotes.
    double Run(const ReplayInstruction* code, std::string_view statement);

    double EvaluateStatement(std::string_view statement);

    EngineHost& host_;
    VariableTable variables_;
    AngleMode angle_mode_ = AngleMode::Degrees;

    char statement_[kStatementMax + 2] = {};  // room for the ")" of a compound assignment
    int32_t statement_length_ = 0;
    // The statement as the user wrote it: messages quote it, not the
    // scanner's rewrites of statement_.
    char source_[kStatementMax + 1] = {};
    int32_t source_length_ = 0;

    int32_t scan_position_ = 0;
    int32_t depth_ = 0;
    char token_text_[kOperandMax + 1] = {};
    int32_t token_text_length_ = 0;

    Token program_[kProgramMax] = {};
    int32_t token_count_ = 0;
    PendingOperator operator_stack_[kProgramMax] = {};
    int32_t operator_count_ = 0;
    bool target_allowed_ = true;  // an assignment target may still come

    double stack_[kStackSlots] = {};
    int32_t top_ = 0;

    bool last_refused_ = false;
    int32_t open_commands_ = 0;
    bool full_reported_ = false;  // in the commands open now

    // What a compilation did that evaluating its program does not: the
    // messages it showed and its x++ (only while there is a record), and
    // the value each variable it created was created with.
    CompileRecord* compile_record_ = nullptr;
    double creation_values_[VariableTable::kCapacity] = {};
};

}  // namespace orvik
