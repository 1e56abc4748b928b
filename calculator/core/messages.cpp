#include "calculator/core/messages.h"

namespace orvik {

const std::string_view kBlankStatementMessage = "计算式不能为空白";
const std::string_view kTooManyStepsMessage = "计算步骤不能超过500";
const std::string_view kLineNumberRangeMessage = "请输入1到500之间的整数";

}  // namespace orvik
