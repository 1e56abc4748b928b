#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

// An operator's code is its place in the table; the order never changes.
using OperatorCode = int32_t;

namespace op {
enum : OperatorCode {
    kAdd, kSubtract, kMultiply, kDivide, kRemainder, kPower, kComma, kAssign, kEqual, kGreater,
    kLess, kGreaterEqual, kLessEqual, kPow, kSin, kCos, kTan, kInv, kAsin, kAcos,
    kAtan, kAinv, kAbs, kInt, kLog, kLg, kLn, kExp, kFactorial, kAnd,
    kOr, kSinh, kCosh, kTanh, kSqrt, kDtor, kRtod, kNotEqual, kMax, kMin,
    kBracket, kHls, kPermutations, kCombinations, kBitOr, kBitAnd, kBitXor, kBitNot,
    kCount
};
}  // namespace op

inline constexpr int kOperatorCount = op::kCount;

// Where a function stands in the calculator's summary of functions: its
// line, and first or second on it. Line 0: not in the summary.
struct SummaryPlace {
    int line = 0;
    int column = 0;
};

// Everything known of one operator or function, in one place.
struct OperatorInfo {
    OperatorCode code;
    std::string_view name;
    // Values it takes from the value stack: 0, 1 or 2.
    int arity;
    // Its item in the calculator's function list; empty when not listed.
    std::string_view listed = {};
    // What the summary of functions says of it (GBK); empty when nothing.
    std::string_view summary = {};
    SummaryPlace place = {};
};

// By code: kOperators[code].code == code.
extern const std::array<OperatorInfo, kOperatorCount> kOperators;

// How many values an operator takes from the value stack (0, 1 or 2).
inline int OperatorArity(OperatorCode code)
{
    return kOperators[static_cast<std::size_t>(code)].arity;
}

// Index of `name` in the table (whole, case-sensitive match), or -1.
OperatorCode FindOperator(std::string_view name);

// The names that statements call as functions: those spelt as a name.
std::vector<std::string_view> FunctionNames();

// The calculator's function list, in the table's order.
std::vector<std::string_view> FunctionListItems();

// The calculator's summary of functions (GBK): the functions of its list
// with their meaning, and how hexadecimal and binary numbers are written.
std::string FunctionSummaryText();

// Fixed constants of the engine; the values are exactly these, on purpose.
namespace constants {
inline constexpr double kDegreesToRadians = 0.01745329251994;
inline constexpr double kRadiansToDegrees = 57.29577951308232;
inline constexpr double kEqualityTolerance = 1e-7;
inline constexpr double kOrderTolerance = 1e-8;
inline constexpr double kMinuteFactor = 0.016666666666666666;
inline constexpr double kSecondFactor = 0.0002777777777777778;
inline constexpr double kTwoTo32 = 4294967296.0;
inline constexpr double kPi = 3.141592653589793;
}  // namespace constants

}  // namespace orvik
