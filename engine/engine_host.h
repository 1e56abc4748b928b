#pragma once

#include <string>
#include <string_view>

namespace orvik {

// What the engine needs from whoever runs it: a place to show a message and a
// way to ask the user for a value. All texts are GBK bytes.
class EngineHost {
public:
    virtual ~EngineHost() = default;

    // A modal message with an OK button.
    virtual void ShowMessage(std::string_view text) = 0;

    // The value prompt: `prompt` is shown read-only, `entry` holds the initial
    // entry text and receives the user's text. Returns true for OK, false for
    // Cancel (then `entry` is left as it was).
    virtual bool PromptValue(std::string_view prompt, std::string& entry) = 0;
};

}  // namespace orvik
