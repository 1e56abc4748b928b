// Tab completion at the console's prompt and the words that end a session.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/completion.h"
#include "engine/variable_table.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

using Words = std::vector<std::string>;

TEST(CompletionTest, MatchesAndTheTextTheyShareEndOnWholeCharacters)
{
    const Words words = {"_max", "_min", "sin", "sinh", "sqrt", "长宽", "长度", "长度比"};
    const struct {
        const char* prefix;
        Words matches;
        const char* common;
    } cases[] = {
        {"sq", {"sqrt"}, "sqrt"},
        {"si", {"sin", "sinh"}, "sin"},
        {"_m", {"_max", "_min"}, "_m"},
        // 宽 and 度 share their first UTF-8 byte: the common text stops before it.
        {"长", {"长宽", "长度", "长度比"}, "长"},
        {"长度", {"长度", "长度比"}, "长度"},
        {"x", {}, ""},
    };
    for (const auto& c : cases) {
        const Completion completion = Complete(words, c.prefix);
        EXPECT_EQ(completion.matches, c.matches) << c.prefix;
        EXPECT_EQ(completion.common, c.common) << c.prefix;
    }
}

TEST(CompletionTest, WordsAreFunctionsReservedWordsAndTheSessionsVariables)
{
    VariableTable variables;
    variables.Append(*Utf8ToGbk("长度"), 1, '0');
    variables.Append("sinus", 2, '0');
    variables.Append("sin", 3, '0');  // a variable may share a function's name
    const Words words = CompletionWords(variables);
    for (const char* word : {"sin", "ainv", "_P", "neg", "if", "fcys", "quit", "exit", "长度", "sinus"})
        EXPECT_EQ(std::count(words.begin(), words.end(), word), 1) << word;
    for (const char* operator_text : {"+", "==", "!", "[", "=!"})
        EXPECT_EQ(std::count(words.begin(), words.end(), operator_text), 0) << operator_text;
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
}

TEST(CompletionTest, QuitAndExitAloneEndTheSession)
{
    for (const char* line : {"quit", "exit", "  exit\t"})
        EXPECT_TRUE(IsQuitCommand(line)) << line;
    for (const char* line : {"quit()", "exit=1", "Quit", "", "quit exit"})
        EXPECT_FALSE(IsQuitCommand(line)) << line;
}

}  // namespace
}  // namespace orvik
