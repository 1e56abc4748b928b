#pragma once

#include <string_view>

namespace orvik {

// The fixed GBK texts that the calculator window shows for the history
// commands. Defined in one GBK-compiled file so that code built without GBK
// literals (the Qt window) gets the same bytes.
extern const std::string_view kBlankStatementMessage;   // 计算式不能为空白
extern const std::string_view kTooManyStepsMessage;     // 计算步骤不能超过500
extern const std::string_view kLineNumberRangeMessage;  // 请输入1到500之间的整数

}  // namespace orvik
