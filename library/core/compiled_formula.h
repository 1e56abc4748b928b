#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/compiled_text.h"
#include "engine/engine_host.h"

namespace orvik {

class FormulaSheet;

// A formula sheet's calculation compiled once and evaluated for any input
// values, as often as wanted: what parameter sweeps, solving a formula
// backwards and tolerance analysis are built on. Toolkit-free; texts GBK.
//
// It works on a copy: an engine of its own, in the angle mode of the
// sheet's engine, whose table is that engine's table with the sheet's input
// cells read into it as computing reads them. The sheet, its engine and
// the table the user sees never change.
//
// Each Evaluate computes the sheet's statements in order, exactly as
// computing the sheet would with the inputs' cells holding the values given
// by SetInput, starting from the table as computing would find it:
// - every input has the value last given by SetInput, or else its cell's;
// - every other variable there was has its value from before;
// - the variables the statements create (the targets of assignments, names
//   whose value was asked for, π) are created anew with the values they
//   were created with, so nothing carries over from one evaluation to the
//   next.
// A name that is not yet a variable is asked of the host the first time a
// statement meets it, and that answer serves every later evaluation.
// Engine messages are not shown: an evaluation stops at the end of the
// statement during which the first one arose, and reports it.
//
// Compiling happens in the first evaluation (and again only for statements
// that the engine must compile anew); the evaluations after it take a few
// nanoseconds per operator. Not copyable: the compiled statements refer to
// the engine's table by address.
class CompiledFormula {
public:
    // `host` answers value prompts; it must outlive this object.
    CompiledFormula(const FormulaSheet& sheet, EngineHost& host);
    ~CompiledFormula();
    CompiledFormula(const CompiledFormula&) = delete;
    CompiledFormula& operator=(const CompiledFormula&) = delete;

    // The value the input in row `row` of the sheet's variable list starts
    // each evaluation with; the row must be an input row
    // (FormulaSheet::IsInputRow).
    void SetInput(int row, double value);
    double Input(int row) const;

    // Computes every statement; false when an engine message stopped it.
    bool Evaluate();

    // After the last Evaluate: the value of statement `statement` (as the
    // sheet lists them, from 0), NaN for those after the one that stopped
    // it; the message that stopped it, empty when none did.
    int StatementCount() const { return static_cast<int>(results_.size()); }
    double Result(int statement) const { return results_[statement]; }
    const std::string& Message() const { return message_; }

    // Variables by name: the index of `name` in the copy's table, -1 when
    // there is none. A variable that a statement creates exists from the
    // first evaluation that reached that statement on, at the same index in
    // every evaluation. Value(index) is its value after the last Evaluate.
    int FindVariable(std::string_view name) const;
    double Value(int index) const;

private:
    // Catches the engine's messages and asks the user for each name once.
    class Host : public EngineHost {
    public:
        explicit Host(EngineHost& user) : user_(user) {}
        void ShowMessage(std::string_view text) override;
        bool PromptValue(std::string_view prompt, std::string& entry) override;

        std::optional<std::string> message;

    private:
        EngineHost& user_;
        std::map<std::string, std::optional<std::string>, std::less<>> answers_;  // nullopt: cancelled
    };

    Host host_;
    std::unique_ptr<Engine> engine_;
    int base_count_;
    std::vector<double> start_values_;  // of the entries there were, inputs included
    std::vector<CompiledText> statements_;
    std::vector<double> results_;
    std::string message_;
};

}  // namespace orvik
