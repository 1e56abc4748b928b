// The console's way into the formula library: the user's library, as the
// window shows it (on a first start made from the shipped one).
#include "cli/formula_library.h"

#include <filesystem>
#include <system_error>

#include "cli/command_line.h"
#include "cli/console_output.h"
#include "library/core/library_listing.h"
#include "library/core/library_paths.h"
#include "platform/program_directory.h"
#include "platform/user_library.h"

namespace orvik {

namespace fs = std::filesystem;

std::string FormulaFileFor(const std::string& name)
{
    std::error_code error;
    if (name.empty() || fs::path(name).is_absolute() || fs::exists(name, error))
        return name;
    PrepareDataDirectory();
    return JoinPath(LibraryDirectory(), name);
}

int RunListCommand()
{
    PrepareDataDirectory();
    const std::string library = LibraryDirectory();
    ConsoleOutput output;
    std::error_code error;
    if (!fs::is_directory(library, error)) {
        output.WriteError("orvik: 没有公式库 " + library + "\n");
        return 1;
    }
    for (const std::string& path : ListFormulaPaths(library))
        output.Write(path + "\n");
    return output.Finish(0);
}

}  // namespace orvik
