#include "engine/operator_table.h"

#include <algorithm>

namespace orvik {

// Compiled with GBK as the execution character set: the summary's texts are
// GBK bytes.
constexpr std::array<OperatorInfo, kOperatorCount> kOperators = {{
    {op::kAdd, "+", 2},
    {op::kSubtract, "-", 2},
    {op::kMultiply, "*", 2},
    {op::kDivide, "/", 2},
    {op::kRemainder, "%", 2, "x%y", "x%y:x/y所得的余数", {6, 1}},
    {op::kPower, "^", 2},
    {op::kComma, ",", 0},
    {op::kAssign, "=", 2},
    {op::kEqual, "==", 2},
    {op::kGreater, ">", 2},
    {op::kLess, "<", 2},
    {op::kGreaterEqual, ">=", 2},
    {op::kLessEqual, "<=", 2},
    {op::kPow, "pow", 2, "pow()", "pow(x,y):x的y次方，", {1, 1}},
    {op::kSin, "sin", 1},
    {op::kCos, "cos", 1},
    {op::kTan, "tan", 1},
    {op::kInv, "inv", 1},
    {op::kAsin, "asin", 1},
    {op::kAcos, "acos", 1},
    {op::kAtan, "atan", 1},
    {op::kAinv, "ainv", 1},
    {op::kAbs, "abs", 1},
    {op::kInt, "int", 1},
    {op::kLog, "log", 2},
    {op::kLg, "lg", 1},
    {op::kLn, "ln", 1},
    {op::kExp, "exp", 1},
    {op::kFactorial, "!", 1, " !()", "!(x):阶乘", {1, 2}},
    {op::kAnd, "&&", 2},
    {op::kOr, "||", 2},
    {op::kSinh, "sinh", 1, "sinh()", "sinh(x):双曲正弦，", {2, 1}},
    {op::kCosh, "cosh", 1, "cosh()", " cosh(x):双曲余弦", {2, 2}},
    {op::kTanh, "tanh", 1, "tanh()", "tanh(x):双曲正切，", {3, 1}},
    {op::kSqrt, "sqrt", 1, "sqrt()", "sqrt(x):开平方", {3, 2}},
    {op::kDtor, "dtor", 1, "dtor()", "dtor(x):角度到弧度，", {4, 1}},
    {op::kRtod, "rtod", 1, "rtod()", "rtod(x):弧度到角度", {4, 2}},
    {op::kNotEqual, "=!", 2},
    {op::kMax, "_max", 2, "_max()", "_max(x,y):求大值", {5, 2}},
    {op::kMin, "_min", 2, "_min()", "_min(x,y):求得小值，", {5, 1}},
    {op::kBracket, "[", 0},
    {op::kHls, "_hls", 0},
    {op::kPermutations, "_P", 2, "_P()", "_P(x,y):求排列数 ，", {7, 1}},
    {op::kCombinations, "_C", 2, "_C()", "_C(x,y):求组合数", {7, 2}},
    {op::kBitOr, "or", 2, "or()", "or(x,y):按位或，", {8, 1}},
    {op::kBitAnd, "and", 2, "and()", "and(x,y)按位与", {8, 2}},
    {op::kBitXor, "xor", 2, "xor()", "xor(x,y):按位异或，", {9, 1}},
    {op::kBitNot, "neg", 1, "neg()", "neg(x):按位取反", {9, 2}},
}};

constexpr bool EachAtItsCode(const std::array<OperatorInfo, kOperatorCount>& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].code != static_cast<OperatorCode>(i))
            return false;
    }
    return true;
}
static_assert(EachAtItsCode(kOperators), "every operator at the place of its code");

namespace {

constexpr std::string_view kNumberNotations = "十六进制数在前面加'0X'，如'0x2f'\n二进制数在前面加'0B'，如'0B010011'";

bool StartsName(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

}  // namespace

OperatorCode FindOperator(std::string_view name)
{
    if (name.empty())
        return -1;
    // The first byte tells most names apart before a comparison is called.
    for (const OperatorInfo& entry : kOperators) {
        if (entry.name[0] == name[0] && entry.name == name)
            return entry.code;
    }
    return -1;
}

std::vector<std::string_view> FunctionNames()
{
    std::vector<std::string_view> names;
    for (const OperatorInfo& entry : kOperators) {
        if (StartsName(entry.name[0]))
            names.push_back(entry.name);
    }
    return names;
}

std::vector<std::string_view> FunctionListItems()
{
    std::vector<std::string_view> items;
    for (const OperatorInfo& entry : kOperators) {
        if (!entry.listed.empty())
            items.push_back(entry.listed);
    }
    return items;
}

std::string FunctionSummaryText()
{
    std::vector<const OperatorInfo*> summed;
    for (const OperatorInfo& entry : kOperators) {
        if (entry.place.line > 0)
            summed.push_back(&entry);
    }
    std::sort(summed.begin(), summed.end(), [](const OperatorInfo* a, const OperatorInfo* b) {
        return std::pair(a->place.line, a->place.column) < std::pair(b->place.line, b->place.column);
    });
    std::string text;
    int line = 0;
    for (const OperatorInfo* entry : summed) {
        if (line != 0)
            text += entry->place.line == line ? '\t' : '\n';
        line = entry->place.line;
        text += entry->summary;
    }
    return text.append("\n").append(kNumberNotations);
}

}  // namespace orvik
