#include "platform/port_engine_host.h"

#include "platform/gbk_qt.h"
#include "platform/user_port.h"

namespace orvik {

std::optional<std::string> PromptGbkValue(UserPort& port, const QString& prompt, QString entry)
{
    while (port.PromptValue(prompt, entry)) {
        if (std::optional<std::string> gbk = ToGbk(entry))
            return gbk;
        port.ShowMessage(NotGbkMessage(entry));
    }
    return std::nullopt;
}

std::optional<std::string> GbkLinesOrSay(UserPort& port, const QString& text)
{
    std::optional<std::string> gbk = ToGbkLines(text);
    if (!gbk)
        port.ShowMessage(NotGbkMessage(text));
    return gbk;
}

void PortEngineHost::ShowMessage(std::string_view text)
{
    port_.ShowMessage(FromGbk(text));
}

bool PortEngineHost::PromptValue(std::string_view prompt, std::string& entry)
{
    std::optional<std::string> answer = PromptGbkValue(port_, FromGbk(prompt), FromGbk(entry));
    if (!answer)
        return false;
    entry = std::move(*answer);
    return true;
}

}  // namespace orvik
