#include "platform/program_directory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace orvik {

std::string ProgramDirectory()
{
    if (const char* home = std::getenv("ORVIK_HOME"); home && *home)
        return home;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error).string();
    return program.parent_path().string();
}

std::string DataDirectory()
{
    return ProgramDirectory();
}

std::string LibraryDirectory()
{
    return (std::filesystem::path(DataDirectory()) / "vekf").string();
}

}  // namespace orvik
