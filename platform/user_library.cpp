#include "platform/user_library.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/program_directory.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

// Names the program version whose library was copied last.
constexpr const char* kStampName = ".shipped-library";

std::string ReadStamp(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Copies directories and regular files of `from` into `to`; what `to`
// already has stays as it is.
void CopyMissing(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::create_directories(to, error);
    for (fs::recursive_directory_iterator entry(from, error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path target = to / fs::relative(entry->path(), from, error);
        std::error_code ignored;
        if (entry->is_directory(ignored))
            fs::create_directories(target, ignored);
        else if (entry->is_regular_file(ignored))
            fs::copy_file(entry->path(), target, fs::copy_options::skip_existing, ignored);
    }
}

}  // namespace

void CopyShippedLibrary(const std::string& program_directory, const std::string& data_directory)
{
    std::error_code error;
    fs::create_directories(data_directory, error);
    const fs::path shipped = fs::path(program_directory) / "vekf";
    const fs::path stamp = fs::path(data_directory) / kStampName;
    if (!fs::is_directory(shipped, error) || ReadStamp(stamp) == ORVIK_VERSION)
        return;
    CopyMissing(shipped, fs::path(data_directory) / "vekf");
    std::ofstream(stamp, std::ios::binary) << ORVIK_VERSION;
}

void PrepareDataDirectory()
{
    const std::string program = ProgramDirectory();
    const std::string data = DataDirectory();
    if (data != program)
        CopyShippedLibrary(program, data);
}

}  // namespace orvik
