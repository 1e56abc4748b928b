#include "library/core/compiled_formula.h"

#include <cmath>

#include "library/core/formula_sheet.h"

namespace orvik {

void CompiledFormula::Host::ShowMessage(std::string_view text)
{
    if (!message)
        message = std::string(text);
}

bool CompiledFormula::Host::PromptValue(std::string_view prompt, std::string& entry)
{
    auto answer = answers_.find(prompt);
    if (answer == answers_.end()) {
        std::string typed = entry;
        const bool ok = user_.PromptValue(prompt, typed);
        answer = answers_.emplace(std::string(prompt), ok ? std::optional(typed) : std::nullopt).first;
    }
    if (!answer->second)
        return false;
    entry = *answer->second;
    return true;
}

CompiledFormula::CompiledFormula(const FormulaSheet& sheet, EngineHost& host)
    : host_(host), engine_(std::make_unique<Engine>(host_)), base_count_(sheet.BaseCount())
{
    engine_->SetAngleMode(sheet.CalculationEngine().CurrentAngleMode());
    VariableTable& table = engine_->Variables();
    table = sheet.CalculationEngine().Variables();
    sheet.ReadCells(table);
    for (int i = 0; i < table.Count(); ++i)
        start_values_.push_back(table[i].value);
    statements_.reserve(sheet.Statements().size());
    for (const FormulaStatement& statement : sheet.Statements())
        statements_.emplace_back(*engine_, statement.text, CompiledText::Creations::kRecreated);
    results_.assign(statements_.size(), NAN);
}

CompiledFormula::~CompiledFormula() = default;

void CompiledFormula::SetInput(int row, double value)
{
    start_values_[base_count_ + row] = value;
}

double CompiledFormula::Input(int row) const
{
    return start_values_[base_count_ + row];
}

bool CompiledFormula::Evaluate()
{
    const Engine::Command command(*engine_);  // as computing is one
    VariableTable& table = engine_->Variables();
    for (size_t i = 0; i < start_values_.size(); ++i)
        table[static_cast<int>(i)].value = start_values_[i];
    host_.message.reset();
    message_.clear();
    for (size_t i = 0; i < statements_.size(); ++i) {
        results_[i] = statements_[i].Evaluate();
        if (host_.message) {
            std::fill(results_.begin() + static_cast<std::ptrdiff_t>(i) + 1, results_.end(), NAN);
            message_ = std::move(*host_.message);
            return false;
        }
    }
    return true;
}

int CompiledFormula::FindVariable(std::string_view name) const
{
    return engine_->Variables().FindVariable(name);
}

double CompiledFormula::Value(int index) const
{
    return engine_->Variables()[index].value;
}

}  // namespace orvik
