// The statement compiler: a character scanner (NextToken) that yields one
// operand and the operator after it, and an operator-precedence loop
// (CompileStatement) that writes them out in postfix order.

#include <algorithm>
#include <climits>
#include <cstring>

#include "engine/engine.h"
#include "engine/engine_messages.h"
#include "engine/number_text.h"
#include "engine/quoted_text.h"

namespace orvik {
namespace {

constexpr std::string_view kPi = "\xA6\xD0";  // GBK "π"

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiAlnum(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsRadixLetter(char c)
{
    return c == 'B' || c == 'O' || c == 'X' || c == 'b' || c == 'o' || c == 'x';
}
bool IsDegreeMarkTail(unsigned char c) { return c == 0xE3 || c == 0xE4 || c == 0xE5; }
bool IsSign(char c) { return c == '+' || c == '-'; }
// Characters that end an operand; the signs aside, none can begin one.
bool IsOperatorCharacter(char c)
{
    return std::string_view(")*/%^,=<>&|").find(c) != std::string_view::npos;
}

// Reserved words: 1 "if", 2 "else", 3 "endif", 4 "fcys"; 0 for any other name.
int FindKeyword(std::string_view name)
{
    for (std::size_t i = 0; i < kReservedWords.size(); ++i) {
        if (name == kReservedWords[i])
            return static_cast<int>(i) + 1;
    }
    return 0;
}

// Own priorities, before the parenthesis depth is added.
constexpr int32_t kPriorityFunction = 5;
// A negation reads as 0-operand. At the start and after "(" its minus is an
// ordinary one (-2^2 = -4); after another operator it binds tighter than
// * / % (3*-2 = -6), and tighter than ^ after a ^ (2^-1 = 0.5).
constexpr int32_t kPriorityLeadingNegation = 1;
constexpr int32_t kPriorityNegation = 4;
constexpr int32_t kPriorityNegatedExponent = 6;

}  // namespace

// The positions and flags of one NextToken call.
struct Engine::Scan {
    int32_t start = 0;      // where the operand text begins
    int32_t position = 0;   // current character
    int32_t next_scan = -1;  // where the next call starts, when not `position`
    bool leading_parenthesis = false;
    bool number_mode = false;
    bool done = false;
    bool taken = false;              // the operand text has been copied
    bool ended_by_operator = false;  // an operator character ended the operand
    bool called = false;             // "(" directly after the operand text
    bool value_known = false;        // x++, x-- or a negation gave the value
    double known_value = 0;
    int16_t known_variable = -1;     // x++ and x--: x
    int8_t known_step = 0;

    // The operand text begins at `at`: "(" there opens parentheses, a digit
    // or "." begins a number.
    void Begin(const char* statement, int32_t at)
    {
        start = position = at;
        leading_parenthesis = statement[at] == '(';
        number_mode = IsDigit(statement[at]) || statement[at] == '.';
    }
};

std::string Engine::StatementMessage(std::string_view statement, std::string_view ending)
{
    std::string text(messages::kStatement);
    text.append(QuoteText(statement));
    text.append(ending);
    return text;
}

std::string Engine::StatementMessage(std::string_view ending) const
{
    return StatementMessage(std::string_view(source_, source_length_), ending);
}

void Engine::ShowCompileMessage(std::string_view message)
{
    if (compile_record_)
        compile_record_->messages.push_back({std::string(message), false});
    host_.ShowMessage(message);
}

int Engine::Refuse(const std::string& message)
{
    ShowCompileMessage(message);
    return Fail();
}

bool Engine::RefuseScan(const std::string& message)
{
    Refuse(message);
    return false;
}

// A full table refuses every statement that needs one more variable;
// one message a command says so.
void Engine::ReportFull()
{
    if (compile_record_)
        compile_record_->messages.push_back({std::string(), true});
    if (full_reported_)
        return;
    full_reported_ = true;
    host_.ShowMessage(messages::kTooManyVariables);
}

int Engine::Fail()
{
    last_refused_ = true;
    token_count_ = 0;
    scan_position_ = 0;
    return scan::kError;
}

bool Engine::TakeText(Scan& scan, int32_t end)
{
    if (scan.taken)
        return true;
    const int32_t length = std::max(0, end - scan.start);
    if (length > kOperandMax)
        return RefuseScan(StatementMessage(messages::kOperandTooLong));
    std::memcpy(token_text_, statement_ + scan.start, length);
    token_text_[length] = '\0';
    token_text_length_ = length;
    scan.taken = true;
    return true;
}

bool Engine::SetOperator(Scan& scan, ScanOutput& out, OperatorCode code, int32_t priority,
                         int32_t length)
{
    if (!TakeText(scan, scan.position))
        return false;
    out.code = code;
    out.priority = priority;
    scan.position += length;
    scan.done = true;
    scan.ended_by_operator = true;
    return true;
}

bool Engine::AppendToStatement(char c)
{
    if (statement_length_ + 1 >= static_cast<int32_t>(sizeof statement_))
        return false;
    statement_[statement_length_++] = c;
    statement_[statement_length_] = '\0';
    return true;
}

// A run of signs with no operand before it (at the start, after "(" or
// after another operator) belongs to the operand after it: each "-" negates
// it, each "+" leaves it as it is. An odd number of minuses reads as
// 0-operand; the "0" is this scan's operand.
bool Engine::ScanSigns(Scan& scan, ScanOutput& out)
{
    const int32_t first = scan.position;
    int32_t end = first;
    bool negative = false;
    for (; end < statement_length_ && IsSign(statement_[end]); ++end)
        negative ^= statement_[end] == '-';
    if (end == statement_length_ || IsOperatorCharacter(statement_[end]))
        return RefuseScan(StatementMessage(messages::kMissingOperand));
    if (!negative) {
        scan.Begin(statement_, end);
        return true;
    }
    const char before = first > 0 ? statement_[first - 1] : '(';
    out.code = op::kSubtract;
    out.priority = before == '(' ? kPriorityLeadingNegation
        : before == '^'          ? kPriorityNegatedExponent
                                 : kPriorityNegation;
    scan.start = scan.position = end;
    scan.value_known = true;
    scan.known_value = 0;
    scan.done = true;
    return true;
}

// name+=e, name-=e, name*=e, name/=e read as name=name+(e) and so on: the
// "=" becomes "(", a ")" is appended, and the next scan reads from the name.
bool Engine::ScanCompoundAssignment(Scan& scan, ScanOutput& out)
{
    if (!target_allowed_)
        return RefuseScan(StatementMessage(messages::kMisplacedAssignment));
    if (!TakeText(scan, scan.position))
        return false;
    if (!AppendToStatement(')'))
        return RefuseScan(StatementMessage(messages::kStatementTooLong));
    statement_[scan.position + 1] = '(';
    out.code = op::kAssign;
    out.priority = -2;
    scan.next_scan = scan.start;
    scan.done = true;
    return true;
}

// x++ and x--: the operand is the variable's value before the change.
void Engine::ScanIncrement(Scan& scan, int index, char sign)
{
    VariableEntry& variable = variables_[index];
    scan.value_known = true;
    scan.known_value = variable.value;
    scan.known_variable = static_cast<int16_t>(index);
    scan.known_step = sign == '+' ? 1 : -1;
    variable.value += scan.known_step;
    if (compile_record_)
        compile_record_->steps.push_back({scan.known_variable, scan.known_step});
    scan.position += 2;
}

// After an operand the first sign is the binary operator; the signs after it
// belong to the next operand. Only a doubled sign right after a variable is
// its post-increment or post-decrement instead.
bool Engine::ScanPlusMinus(Scan& scan, ScanOutput& out)
{
    const int32_t p = scan.position;
    if (p == scan.start)
        return ScanSigns(scan, out);
    if (!TakeText(scan, p))
        return false;
    if (p == statement_length_ - 1) {  // a sign at the very end is ignored
        ++scan.position;
        return true;
    }
    const char c = statement_[p];
    const char next = statement_[p + 1];
    if (next == c && !scan.value_known) {
        // x++ writes x: like an assignment, it reaches only the scope.
        const int index = variables_.FindInScope(std::string_view(token_text_, token_text_length_));
        if (index >= 0) {
            ScanIncrement(scan, index, c);
            return true;
        }
    }
    if (next == '=')
        return ScanCompoundAssignment(scan, out);
    return SetOperator(scan, out, c == '+' ? op::kAdd : op::kSubtract, 1);
}

bool Engine::ScanOpenParenthesis(Scan& scan, ScanOutput& out)
{
    int32_t p = scan.position;
    if (scan.leading_parenthesis) {
        ++depth_;
        while (statement_[p + 1] == '(') {
            ++depth_;
            ++p;
        }
        scan.Begin(statement_, p + 1);
        return true;
    }
    // A name (or number) followed by "(": a function call. The next scan
    // starts at the "(" and reads the argument list.
    if (!TakeText(scan, p))
        return false;
    out.priority = kPriorityFunction;
    scan.done = true;
    scan.called = true;
    scan.next_scan = p;
    if (statement_[p + 1] == ')' && p > 0) {  // f() means f(1)
        statement_[p - 1] = '(';
        statement_[p] = '1';
        scan.next_scan = p - 1;
    }
    return true;
}

bool Engine::ScanCloseParenthesis(Scan& scan)
{
    --depth_;
    if (!TakeText(scan, scan.position))
        return false;
    while (statement_[scan.position + 1] == ')') {
        --depth_;
        ++scan.position;
    }
    ++scan.position;
    return true;
}

bool Engine::ScanOtherCharacter(Scan& scan, ScanOutput& out)
{
    const int32_t p = scan.position;
    const char c = statement_[p];
    if (!scan.number_mode) {
        if (scan.taken)  // text after a closing parenthesis: (a)b
            return RefuseScan(StatementMessage(messages::kMissingOperator));
        ++scan.position;
        return true;
    }
    if (c == '0' && p == scan.start && IsRadixLetter(statement_[p + 1])) {
        scan.position += 2;
        while (IsAsciiAlnum(statement_[scan.position]))
            ++scan.position;
        scan.number_mode = false;
        return true;
    }
    const bool digit_pair = static_cast<unsigned char>(c) == 0xA1
        && IsDegreeMarkTail(static_cast<unsigned char>(statement_[p + 1]));
    if (IsDigit(c) || c == '.' || c == '\'' || digit_pair) {
        if (scan.taken)  // a number after a closing parenthesis: (2)3
            return RefuseScan(StatementMessage(messages::kMissingOperator));
        scan.position += digit_pair ? 2 : 1;
        return true;
    }
    // A number directly followed by a name: 2x reads 2*x.
    if (!TakeText(scan, p))
        return false;
    out.code = op::kMultiply;
    out.priority = 3;
    scan.number_mode = false;
    scan.done = true;
    scan.next_scan = p;
    return true;
}

bool Engine::ScanCharacter(Scan& scan, ScanOutput& out)
{
    const int32_t p = scan.position;
    const char next = statement_[p + 1];
    switch (statement_[p]) {
    case '(':
        return ScanOpenParenthesis(scan, out);
    case ')':
        return ScanCloseParenthesis(scan);
    case '+':
    case '-':
        return ScanPlusMinus(scan, out);
    case '*':
    case '/':
        if (next == '=' && p != scan.start)
            return ScanCompoundAssignment(scan, out);
        return SetOperator(scan, out, statement_[p] == '*' ? op::kMultiply : op::kDivide, 3);
    case '%':
        return SetOperator(scan, out, op::kRemainder, 3);
    case '^':
        return SetOperator(scan, out, op::kPower, 5);
    case ',':
        return SetOperator(scan, out, op::kComma, 0);
    case '=':
        if (p == scan.start)
            return RefuseScan(std::string(messages::kNameBeforeAssign));
        if (next == '=')
            return SetOperator(scan, out, op::kEqual, -1, 2);
        return SetOperator(scan, out, op::kAssign, -2);
    case '>':
        if (next == '=')
            return SetOperator(scan, out, op::kGreaterEqual, -1, 2);
        return SetOperator(scan, out, op::kGreater, -1);
    case '<':
        if (next == '=')
            return SetOperator(scan, out, op::kLessEqual, -1, 2);
        return SetOperator(scan, out, op::kLess, -1);
    case '&':
        return SetOperator(scan, out, op::kAnd, -3, next == '&' ? 2 : 1);
    case '|':
        return SetOperator(scan, out, op::kOr, -3, next == '|' ? 2 : 1);
    default:
        return ScanOtherCharacter(scan, out);
    }
}

int Engine::NextToken(ScanOutput& out)
{
    if (statement_length_ == 0)
        return scan::kError;
    Scan scan;
    scan.Begin(statement_, scan_position_);
    out.code = -1;
    out.variable = -1;
    out.step = 0;
    while (!scan.done && scan.position < statement_length_) {
        if (!ScanCharacter(scan, out))
            return scan::kError;
    }
    if (!TakeText(scan, std::min(scan.position, statement_length_)))
        return scan::kError;
    scan_position_ = scan.next_scan >= 0 ? scan.next_scan : scan.position;
    return ClassifyOperand(scan, out);
}

int Engine::EndOfOperand(const Scan& scan)
{
    if (scan.position < statement_length_)
        return scan::kOperand;
    scan_position_ = 0;
    return scan::kLastOperand;
}

int Engine::ClassifyOperand(Scan& scan, ScanOutput& out)
{
    const std::string_view text(token_text_, token_text_length_);
    // An operator with nothing after it (5*), or no operand at all (+=5, sin).
    if ((scan.ended_by_operator && scan.position >= statement_length_)
        || (text.empty() && !scan.value_known))
        return Refuse(StatementMessage(messages::kMissingOperand));
    // A value, not a variable: it can neither be called nor assigned to (x++=1).
    if (scan.value_known || IsDigit(text[0]) || text[0] == '.') {
        if (scan.called)
            return Refuse(StatementMessage(messages::kMissingOperator));
        if (out.code == op::kAssign)
            return Refuse(StatementMessage(messages::kMisplacedAssignment));
        out.value = scan.value_known ? scan.known_value : ParseNumberLiteral(text);
        out.variable = scan.known_variable;
        out.step = scan.known_step;
        return EndOfOperand(scan);
    }
    return ResolveName(scan, out, text);
}

int Engine::ResolveName(Scan& scan, ScanOutput& out, std::string_view name)
{
    const bool assigning = out.code == op::kAssign;
    if (assigning && !target_allowed_)
        return Refuse(StatementMessage(messages::kMisplacedAssignment));
    const int index = assigning ? variables_.FindInScope(name) : variables_.FindVariable(name);
    if (index >= 0) {
        if (scan.called)
            return Refuse(StatementMessage(messages::kMissingOperator));
        if (assigning) {
            out.value = index;
            return scan::kTarget;
        }
        ReadVariable(out, index);
        return EndOfOperand(scan);
    }
    if (const OperatorCode code = FindOperator(name); code >= 0) {
        if (!scan.called)
            return Refuse(StatementMessage(messages::kMissingOperand));
        out.code = code;
        out.priority = kPriorityFunction;
        return scan::kFunction;
    }
    if (const int keyword = FindKeyword(name); keyword > 0)
        return scan::kKeywordBase + keyword;
    if (scan.called)
        return Refuse(StatementMessage(messages::kUnknownFunction));
    return CreateVariable(scan, out, name);
}

int Engine::CreateVariable(Scan& scan, ScanOutput& out, std::string_view name)
{
    if (name.size() > static_cast<size_t>(VariableTable::kNameMax))
        return Refuse(StatementMessage(messages::kNameTooLong));
    if (variables_.Full()) {
        ReportFull();
        return Fail();
    }
    if (out.code == op::kAssign) {
        const int index = variables_.AppendCreated(name, 0, origin::kAssigned);
        creation_values_[index] = 0;
        if (variables_.Full())
            ReportFull();
        out.value = index;
        return scan::kTarget;
    }
    int index = 0;
    if (name == kPi) {
        index = variables_.AppendCreated(name, constants::kPi, origin::kBuiltIn);
    } else {
        index = variables_.AppendCreated(name, 0, origin::kInput);
        std::string entry = "0";
        if (host_.PromptValue(name, entry))
            variables_[index].value = ParseDecimalPrefix(entry);
    }
    creation_values_[index] = variables_[index].value;
    ReadVariable(out, index);
    return EndOfOperand(scan);
}

void Engine::ReadVariable(ScanOutput& out, int index) const
{
    out.value = variables_[index].value;
    out.variable = static_cast<int16_t>(index);
}

// --- The precedence loop ---------------------------------------------------

bool Engine::WriteToken(Token token)
{
    if (token_count_ >= kProgramMax)
        return RefuseScan(StatementMessage(messages::kTooComplex));
    program_[token_count_++] = token;
    return true;
}

bool Engine::WriteOperand(const ScanOutput& out)
{
    return WriteToken({out.value, 0, out.variable, out.step, 0});
}

bool Engine::WriteOperator(OperatorCode code)
{
    if (code < 0 || code >= kOperatorCount)
        return RefuseScan(StatementMessage(messages::kMissingOperator));
    return WriteToken({0, code, -1, 0, 1});
}

bool Engine::PushOperator(PendingOperator pending)
{
    if (operator_count_ >= kProgramMax)
        return RefuseScan(StatementMessage(messages::kTooComplex));
    operator_stack_[operator_count_++] = pending;
    return true;
}

// Writes the pending operator, then every stacked operator that binds at
// least as tightly as `priority` (equal priorities group from the left).
bool Engine::WriteOperators(PendingOperator pending, int32_t priority)
{
    if (!WriteOperator(pending.code))
        return false;
    while (operator_count_ > 0 && operator_stack_[operator_count_ - 1].priority >= priority) {
        if (!WriteOperator(operator_stack_[--operator_count_].code))
            return false;
    }
    return true;
}

// Only the order of priorities matters: each level of parentheses lifts an
// operator above every own priority (-3..6) of the level outside.
int32_t Engine::TotalPriority(int32_t own) const { return depth_ * 16 + own; }

int Engine::CheckParentheses()
{
    if (depth_ == 0)
        return 1;
    std::string ending(depth_ > 0 ? messages::kMissingClose : messages::kMissingOpen);
    const size_t at = ending.find("%d");
    ending.replace(at, 2, std::to_string(depth_ > 0 ? depth_ : -depth_));
    ShowCompileMessage(StatementMessage(ending));
    return 2;
}

int Engine::CompileStatement()
{
    token_count_ = 0;
    operator_count_ = 0;
    depth_ = 0;
    scan_position_ = 0;
    target_allowed_ = true;
    ScanOutput out;
    int kind = NextToken(out);
    if (kind == scan::kKeywordBase + 1)  // "if" controls nothing: drop it
        kind = NextToken(out);
    target_allowed_ = false;
    if (kind < 1)
        return Fail();
    if (kind > scan::kKeywordBase)
        return Refuse(StatementMessage(messages::kKeyword));
    if (kind != scan::kFunction && !WriteOperand(out))
        return scan::kError;
    if (kind == scan::kLastOperand)
        return CheckParentheses();
    PendingOperator pending{out.code, TotalPriority(out.priority)};
    for (;;) {
        kind = NextToken(out);
        if (kind < 1)
            return Fail();
        if (kind > scan::kKeywordBase)
            return Refuse(StatementMessage(messages::kKeyword));
        if (kind == scan::kTarget)
            return Refuse(StatementMessage(messages::kMisplacedAssignment));
        if (kind != scan::kFunction && !WriteOperand(out))
            return scan::kError;
        if (kind == scan::kLastOperand)
            return WriteOperators(pending, INT32_MIN) ? CheckParentheses() : scan::kError;
        const int32_t priority = TotalPriority(out.priority);
        // A function has no left operand, so it never closes what is pending.
        if (pending.priority < priority || kind == scan::kFunction) {
            if (!PushOperator(pending))
                return scan::kError;
        } else if (!WriteOperators(pending, priority)) {
            return scan::kError;
        }
        pending = {out.code, priority};
    }
}

}  // namespace orvik
