#include "platform/program_directory.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace orvik {
namespace {

namespace fs = std::filesystem;

const char* OrvikHome()
{
    const char* home = std::getenv("ORVIK_HOME");
    return home && *home ? home : nullptr;
}

fs::path HomeDirectory()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

// Where the package manager installs programs.
bool IsInstalledProgramDirectory(const std::string& directory)
{
    return directory == "/usr" || directory.starts_with("/usr/");
}

// Only an absolute base directory counts; a relative one is to be ignored.
std::string UserDirectory(const char* variable, const char* default_under_home)
{
    const char* xdg = std::getenv(variable);
    const fs::path base = xdg && *xdg == '/' ? fs::path(xdg) : HomeDirectory() / default_under_home;
    return (base / "orvik").string();
}

}  // namespace

std::string ExecutableDirectory()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path(error).string();
    return program.parent_path().string();
}

std::string ProgramDirectory()
{
    if (const char* home = OrvikHome())
        return home;
    return ExecutableDirectory();
}

std::string WindowProgramPath()
{
    return (fs::path(ExecutableDirectory()) / kWindowProgramName).string();
}

std::string UserDataDirectory()
{
    return UserDirectory("XDG_DATA_HOME", ".local/share");
}

std::string UserStateDirectory()
{
    return UserDirectory("XDG_STATE_HOME", ".local/state");
}

bool IsWritableDirectory(const std::string& directory)
{
    // The effective user decides, as it does for every file the program writes.
    return faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string DataDirectoryFor(const std::string& program_directory, bool writable)
{
    // An installed program's files belong to its package, also when root
    // runs it and may write there.
    return writable && !IsInstalledProgramDirectory(program_directory) ? program_directory : UserDataDirectory();
}

std::string DataDirectory()
{
    if (const char* home = OrvikHome())
        return home;
    const std::string program = ProgramDirectory();
    return DataDirectoryFor(program, IsWritableDirectory(program));
}

std::string LibraryDirectory()
{
    return (fs::path(DataDirectory()) / "vekf").string();
}

}  // namespace orvik
