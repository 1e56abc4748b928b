#pragma once

#include "engine/engine_host.h"

#include <optional>
#include <string>

#include <QString>

namespace orvik {

class UserPort;

// The value prompt for stored text: the GBK entry after OK, nullopt after
// Cancel. An entry that GBK cannot hold is refused with a message and asked
// for again, still showing what the user typed.
std::optional<std::string> PromptGbkValue(UserPort& port, const QString& prompt, QString entry);

// A box's text as stored text, or nullopt after the message naming the
// characters that GBK cannot hold.
std::optional<std::string> GbkLinesOrSay(UserPort& port, const QString& text);

// Lets the engine speak through the port: its GBK messages become message
// boxes, an unknown name opens the value prompt.
class PortEngineHost : public EngineHost {
public:
    explicit PortEngineHost(UserPort& port) : port_(port) {}

    void ShowMessage(std::string_view text) override;

    bool PromptValue(std::string_view prompt, std::string& entry) override;

private:
    UserPort& port_;
};

}  // namespace orvik
