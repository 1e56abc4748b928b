#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orvik {

// An operator's position in the table is its code; the order never changes.
using OperatorCode = int32_t;

inline constexpr int kOperatorCount = 48;

inline constexpr std::array<std::string_view, kOperatorCount> OperatorTable = {
    "+",    "-",    "*",    "/",    "%",    "^",    ",",    "=",    "==",   ">",
    "<",    ">=",   "<=",   "pow",  "sin",  "cos",  "tan",  "inv",  "asin", "acos",
    "atan", "ainv", "abs",  "int",  "log",  "lg",   "ln",   "exp",  "!",    "&&",
    "||",   "sinh", "cosh", "tanh", "sqrt", "dtor", "rtod", "=!",   "_max", "_min",
    "[",    "_hls", "_P",   "_C",   "or",   "and",  "xor",  "neg",
};

namespace op {
inline constexpr OperatorCode kAdd = 0, kSubtract = 1, kMultiply = 2, kDivide = 3,
    kRemainder = 4, kPower = 5, kComma = 6, kAssign = 7, kEqual = 8, kGreater = 9,
    kLess = 10, kGreaterEqual = 11, kLessEqual = 12, kPow = 13, kSin = 14, kCos = 15,
    kTan = 16, kInv = 17, kAsin = 18, kAcos = 19, kAtan = 20, kAinv = 21, kAbs = 22,
    kInt = 23, kLog = 24, kLg = 25, kLn = 26, kExp = 27, kFactorial = 28, kAnd = 29,
    kOr = 30, kSinh = 31, kCosh = 32, kTanh = 33, kSqrt = 34, kDtor = 35, kRtod = 36,
    kNotEqual = 37, kMax = 38, kMin = 39, kBracket = 40, kHls = 41, kPermutations = 42,
    kCombinations = 43, kBitOr = 44, kBitAnd = 45, kBitXor = 46, kBitNot = 47;
}  // namespace op

// How many values an operator takes from the value stack (0, 1 or 2).
int OperatorArity(OperatorCode code);

// Index of `name` in the table (whole, case-sensitive match), or -1.
OperatorCode FindOperator(std::string_view name);

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
