#include "cli/completion.h"

#include <algorithm>
#include <array>

#include "engine/engine.h"
#include "engine/operator_table.h"
#include "engine/variable_table.h"
#include "platform/gbk.h"
#include "platform/trim_blanks.h"

namespace orvik {
namespace {

constexpr std::array<std::string_view, 2> kQuitWords = {"quit", "exit"};

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The bytes that `a` and `b` begin with alike, less a character begun but
// not ended among them.
std::size_t SharedLength(std::string_view a, std::string_view b)
{
    auto length = static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
    while (length > 0 && length < a.size() && IsContinuationByte(a[length]))
        --length;
    return length;
}

}  // namespace

bool IsQuitCommand(std::string_view line)
{
    return std::find(kQuitWords.begin(), kQuitWords.end(), TrimBlanks(line)) != kQuitWords.end();
}

std::vector<std::string> CompletionWords(const VariableTable& variables)
{
    const std::vector<std::string_view> functions = FunctionNames();
    std::vector<std::string> words(functions.begin(), functions.end());
    words.insert(words.end(), kReservedWords.begin(), kReservedWords.end());
    words.insert(words.end(), kQuitWords.begin(), kQuitWords.end());
    for (int i = 0; i < variables.Count(); ++i)
        words.push_back(GbkToUtf8(variables[i].Name()));
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

Completion Complete(const std::vector<std::string>& words, std::string_view prefix)
{
    Completion completion;
    for (const std::string& word : words) {
        if (word.starts_with(prefix))
            completion.matches.push_back(word);
    }
    if (completion.matches.empty())
        return completion;
    completion.common = completion.matches.front();
    for (const std::string& match : completion.matches)
        completion.common.resize(SharedLength(completion.common, match));
    return completion;
}

}  // namespace orvik
