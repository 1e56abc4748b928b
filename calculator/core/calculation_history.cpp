#include "calculator/core/calculation_history.h"

#include <charconv>

#include "calculator/core/messages.h"
#include "platform/trim_blanks.h"

namespace orvik {
namespace {

constexpr std::array<std::string_view, 3> kExamples = {
    "r=(x^2+y^2)^0.5",
    "x1=r*cos(30)",
    "y1=r*sin(30)",
};

// A whole decimal number from 1 to kHistoryLineCount, blanks around allowed.
std::optional<int> ParseLineNumber(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (number < 1 || number > kHistoryLineCount)
        return std::nullopt;
    return number;
}

}  // namespace

int CalculationHistory::FirstEmptySlot() const
{
    for (int slot = 0; slot < kHistoryLineCount; ++slot) {
        if (lines_[slot].empty())
            return slot;
    }
    return kHistoryLineCount;
}

std::span<const std::string> CalculationHistory::LinesInUse() const
{
    return std::span(lines_).first(FirstEmptySlot());
}

void CalculationHistory::AppendLines(std::span<const std::string> lines)
{
    int slot = FirstEmptySlot();
    for (auto line = lines.begin(); line != lines.end() && slot < kHistoryLineCount; ++line)
        lines_[slot++] = *line;
}

void CalculationHistory::Mirror(std::string_view input_text)
{
    lines_[current_] = input_text;
}

HistoryStep CalculationHistory::StepDown(std::string_view input_text)
{
    if (input_text.empty())
        return {kBlankStatementMessage, std::nullopt, false};
    if (current_ >= kHistoryLineCount - 1)
        return {kTooManyStepsMessage, std::nullopt, false};
    lines_[current_] = input_text;
    ++current_;
    return {{}, std::string(input_text), true};
}

HistoryStep CalculationHistory::StepUp(std::string_view input_text)
{
    if (current_ == 0)
        return {};
    lines_[current_] = input_text;
    --current_;
    return {{}, std::string(input_text), true};
}

HistoryStep CalculationHistory::JumpToLine(std::string_view line_number_text)
{
    const std::optional<int> number = ParseLineNumber(line_number_text);
    if (!number)
        return {kLineNumberRangeMessage, std::nullopt, false};
    current_ = *number - 1;
    return {{}, std::nullopt, true};
}

void CalculationHistory::ClearStatements()
{
    for (std::string& line : lines_) {
        if (line.empty())
            break;
        line.clear();
    }
    current_ = 0;
}

std::string CalculationHistory::InsertExamples()
{
    for (size_t i = 0; i < kExamples.size() && current_ + i < lines_.size(); ++i)
        lines_[current_ + i] = kExamples[i];
    return lines_[current_];
}

}  // namespace orvik
