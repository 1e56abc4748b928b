#pragma once

// Texts the engine shows. Compiled with GBK as the execution character set,
// so these literals are GBK bytes.

#include <string_view>

namespace orvik::messages {

inline constexpr std::string_view kNameBeforeAssign = "=前必须的变量名";
inline constexpr std::string_view kTooManyVariables = "使用的变量数超过400,程序将不能正确进行";
inline constexpr std::string_view kInverseInvoluteNegative =
    "用于求渐开线反函数的值小于0，\n可能是给定参数不合理造成的或公式有不完善的地方";
inline constexpr std::string_view kInverseInvoluteFailed = "渐开线反函数求解错误";

// The statement is shown between kStatement and one of the endings below.
inline constexpr std::string_view kStatement = "计算式[";
inline constexpr std::string_view kStatementTooLong = "]太长,一个计算式不能超过1999个字节";
inline constexpr std::string_view kMissingClose = "]中少了%d个')'号";
inline constexpr std::string_view kMissingOpen = "]中少了%d个'('号";
inline constexpr std::string_view kMissingOperand = "]中缺少运算数";
inline constexpr std::string_view kMissingOperator = "]中缺少运算符";
inline constexpr std::string_view kMisplacedAssignment = "]中只能在开头给一个变量赋值";
inline constexpr std::string_view kUnknownFunction = "]中有不认识的函数名";
inline constexpr std::string_view kKeyword = "]中的else、endif、fcys只能用于公式文件,不能计算";
inline constexpr std::string_view kOperandTooLong = "]中有超过299个字节的数或变量名";
inline constexpr std::string_view kNameTooLong = "]中有超过29个字节的变量名";
inline constexpr std::string_view kTooComplex = "]太长,运算数和运算符不能超过300个";

}  // namespace orvik::messages
