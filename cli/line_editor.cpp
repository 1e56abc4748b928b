#include "cli/line_editor.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <editline/readline.h>
#include <langinfo.h>

#include "cli/console_output.h"

namespace orvik {
namespace {

constexpr const char* kPrompt = "orvik> ";
constexpr int kHistoryLines = 500;  // as many as the window's history

// The editor counts characters by the locale's encoding; what is typed is
// taken as UTF-8 in any case, as everywhere else in the console.
void UseUtf8Characters()
{
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

LineEditor::LineEditor(ConsoleOutput& output) : output_(output)
{
    UseUtf8Characters();
    using_history();
    stifle_history(kHistoryLines);
}

bool LineEditor::ReadLine(std::string& line)
{
    if (!Read(kPrompt, line)) {
        output_.Write("\n");  // the shell's prompt starts on a line of its own
        return false;
    }
    if (!line.empty())
        add_history(line.c_str());
    return true;
}

bool LineEditor::Answer(std::string_view prompt, std::string& line)
{
    return Read(std::string(prompt), line);
}

bool LineEditor::Read(const std::string& prompt, std::string& line)
{
    output_.Flush();
    const std::unique_ptr<char, decltype(&std::free)> typed(readline(prompt.c_str()), &std::free);
    if (!typed)
        return false;
    line = typed.get();
    return true;
}

}  // namespace orvik
