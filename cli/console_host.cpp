#include "cli/console_host.h"

#include <istream>
#include <ostream>
#include <string>

#include "platform/gbk.h"

namespace orvik {

void ConsoleHost::ShowMessage(std::string_view text)
{
    errors_ << GbkToUtf8(text) << '\n' << std::flush;
}

bool ConsoleHost::PromptValue(std::string_view prompt, std::string& entry)
{
    errors_ << GbkToUtf8(prompt) << " = " << std::flush;
    std::string line;
    if (!std::getline(input_, line)) {
        errors_ << '\n';
        return false;
    }
    // Only the leading number counts, and that is plain ASCII in either encoding.
    entry = Utf8ToGbk(line).value_or(line);
    return true;
}

}  // namespace orvik
