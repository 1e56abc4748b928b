#include "records/print_hand_off.h"

#include <filesystem>
#include <system_error>

#include "platform/process_start.h"
#include "platform/program_directory.h"
#include "records/print_text.h"

namespace orvik {

const std::string_view kCompanionMissingMessage = "系统文件(vekPrint.dll)丢失,不能打印";
const std::string_view kPrintFileNotWrittenMessage = "打印文件(__temp1)不能写入,不能打印";

namespace {

std::filesystem::path PrintFilePath()
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::path(DataDirectory()) / kPrintFileName;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute;
}

std::filesystem::path CompanionPath()
{
    return std::filesystem::path(ProgramDirectory()) / kCompanionFileName;
}

}  // namespace

PrintHandOff HandOffToCompanion(std::string_view text, ProcessStart& start)
{
    const std::filesystem::path print_file = PrintFilePath();
    if (!WriteTextFile(print_file, text))
        return {false, kPrintFileNotWrittenMessage};
    if (!start.StartDetached(CompanionPath().string(), {std::string(kCompanionCallPrefix) + print_file.string()})) {
        std::error_code ignored;
        std::filesystem::remove(print_file, ignored);
        return {false, kCompanionMissingMessage};
    }
    return {true, {}};
}

}  // namespace orvik
