#pragma once

#include <string_view>

namespace orvik {

class ProcessStart;

// The print file in the data directory and the print companion in the
// program directory; the companion is a program in spite of its ending.
inline constexpr std::string_view kPrintFileName = "__temp1";
inline constexpr std::string_view kCompanionFileName = "vekPrint.dll";
// The companion's one argument is this prefix followed by the file's path.
inline constexpr std::string_view kCompanionCallPrefix = "VEK_CALL__";

// The fixed GBK messages of a print that did not start.
extern const std::string_view kCompanionMissingMessage;     // 系统文件(vekPrint.dll)丢失,不能打印
extern const std::string_view kPrintFileNotWrittenMessage;  // 打印文件(__temp1)不能写入,不能打印

struct PrintHandOff {
    bool ok = false;
    // A fixed GBK message to show with an OK button; empty on success.
    std::string_view message;
};

// Writes `text` to the print file (as WriteTextFile does) and starts the
// companion on it without waiting. A companion that cannot be started takes
// the print file with it; a print file that cannot be written starts no
// companion, which would show an older text.
PrintHandOff HandOffToCompanion(std::string_view text, ProcessStart& start);

}  // namespace orvik
