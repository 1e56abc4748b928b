#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvik {

class VariableTable;

// Whether a line typed at the prompt ends the session: "quit" or "exit"
// alone, blanks around it allowed.
bool IsQuitCommand(std::string_view line);

// What Tab completes at the prompt: the engine's function names and
// reserved words, the console's own words and the names of the session's
// variables (UTF-8); sorted, each once.
std::vector<std::string> CompletionWords(const VariableTable& variables);

// The words that begin with `prefix`, and the longest text they all begin
// with. That text ends on a whole UTF-8 character, so two Chinese names
// that share only the first bytes of a character never show half of it.
struct Completion {
    std::vector<std::string> matches;
    std::string common;  // empty without a match
};
Completion Complete(const std::vector<std::string>& words, std::string_view prefix);

}  // namespace orvik
