// EvaluateText: the one entry point that turns text into a value.

#include <algorithm>
#include <cstring>

#include "engine/engine.h"
#include "engine/engine_messages.h"

namespace orvik {

void StripBlanks(std::string& text)
{
    // "//" is looked for in what is kept, so "/ /" is a comment as well: a
    // stripped text stripped again stays as it is (formula files store
    // stripped lines and strip them again on reading).
    size_t kept = 0;
    for (const char c : text) {
        if (c == '\0')
            break;
        if (c == ' ' || c == '\t' || c == '\r')
            continue;
        if (c == '/' && kept > 0 && text[kept - 1] == '/') {
            --kept;
            break;
        }
        text[kept++] = c;
    }
    text.resize(kept);
}

std::string_view NextStatement(std::string_view& rest)
{
    // find_first_of would call out once per byte.
    const size_t end = std::find_if(rest.begin(), rest.end(), [](char c) { return c == ';' || c == '\n'; })
                       - rest.begin();
    const std::string_view statement = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return statement;
}

bool Engine::LoadStatement(std::string_view statement)
{
    last_refused_ = statement.size() > static_cast<size_t>(kStatementMax);
    if (last_refused_) {
        ShowCompileMessage(StatementMessage(statement, messages::kStatementTooLong));
        return false;
    }
    std::memcpy(statement_, statement.data(), statement.size());
    std::memcpy(source_, statement.data(), statement.size());
    statement_[statement.size()] = '\0';
    statement_length_ = source_length_ = static_cast<int32_t>(statement.size());
    scan_position_ = 0;
    target_allowed_ = true;
    return true;
}

double Engine::EvaluateStatement(std::string_view statement)
{
    if (!LoadStatement(statement))
        return 0;
    CompileStatement();  // a refused statement leaves an empty program, worth 0
    return EvaluateProgram();
}

double Engine::EvaluateText(std::string& text)
{
    const Command command(*this);
    last_refused_ = false;
    StripBlanks(text);
    double result = 0;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::string_view statement = NextStatement(rest);
        if (!statement.empty())
            result = EvaluateStatement(statement);
    }
    return result;
}

}  // namespace orvik
