#include "cli/console_host.h"

#include <string>

#include "cli/console_input.h"
#include "cli/console_output.h"
#include "platform/gbk.h"

namespace orvik {

void ConsoleHost::ShowMessage(std::string_view text)
{
    output_.WriteError(GbkToUtf8(text) + '\n');
}

bool ConsoleHost::PromptValue(std::string_view prompt, std::string& entry)
{
    std::string line;
    if (!input_.Answer(GbkToUtf8(prompt) + " = ", line)) {
        output_.WriteError("\n");
        return false;
    }
    // Only the leading number counts, and that is plain ASCII in either encoding.
    entry = Utf8ToGbk(line).value_or(line);
    return true;
}

}  // namespace orvik
