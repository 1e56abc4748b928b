#include "library/core/formula_sheet.h"

#include <algorithm>
#include <limits>

#include "engine/engine.h"
#include "engine/engine_messages.h"
#include "engine/number_format.h"
#include "engine/number_text.h"
#include "library/core/formula_values.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

// What the open read hands over, gathered for the sheet; the inputs go into
// the table the moment they are read.
class OpenReader : public FormulaReadListener {
public:
    OpenReader(VariableTable& table, int base_count) : table_(table), base_count_(base_count) {}

    void VariablesBegin() override
    {
        table_.CutBack(base_count_);
        variables_began = true;
    }
    void Definition(std::string_view name, double value) override
    {
        if (table_.Append(name, value, origin::kInput) < 0)
            inputs_refused = true;
    }
    void Statement(std::string_view text) override { statements.push_back({std::string(text), {}}); }
    void Description(std::string_view text) override { description = text; }

    bool variables_began = false;
    bool inputs_refused = false;
    std::vector<FormulaStatement> statements;
    std::string description;

private:
    VariableTable& table_;
    int base_count_;
};

// A cell as the C runtime's atof reads it, which takes back the "INF" and
// "NAN" that an infinite or undefined value shows as.
double CellValue(std::string_view text)
{
    std::string_view rest = text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+'))
        rest.remove_prefix(1);
    if (rest.starts_with("INF"))
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    if (rest.starts_with("NAN"))
        return std::numeric_limits<double>::quiet_NaN();
    return ParseDecimalPrefix(text);
}

std::string FormulaName(const std::filesystem::path& path)
{
    const std::string stem = path.stem().string();
    return Utf8ToGbk(stem).value_or(stem);
}

}  // namespace

FormulaSheet::FormulaSheet(Engine& engine) : engine_(engine), base_count_(engine.Variables().Count()) {}

bool FormulaSheet::HasNewVariables() const
{
    return engine_.Variables().Count() > base_count_;
}

FormulaSheet::OpenResult FormulaSheet::Open(const std::filesystem::path& path)
{
    OpenReader reader(engine_.Variables(), base_count_);
    const FormulaReadResult read = FormulaFile(path).OpenRead(reader);
    OpenResult result{read.status, {}};
    if (read.status == FormulaReadStatus::NotOpened)
        return result;
    if (reader.inputs_refused)
        result.messages.push_back(messages::kTooManyVariables);
    if (!read.message.empty())
        result.messages.push_back(read.message);
    open_ = read.status == FormulaReadStatus::Complete;
    statements_ = open_ ? std::move(reader.statements) : std::vector<FormulaStatement>{};
    name_ = open_ ? FormulaName(path) : std::string();
    description_ = open_ ? std::move(reader.description) : std::string();
    // Rows stay those of the entries they stand for: after a failure the
    // definitions read before it, never the cells of entries cut off.
    if (reader.variables_began)
        ShowRows();
    return result;
}

std::string_view FormulaSheet::RowName(int row) const
{
    return engine_.Variables()[base_count_ + row].Name();
}

bool FormulaSheet::IsInputRow(int row) const
{
    return engine_.Variables()[base_count_ + row].origin == origin::kInput;
}

void FormulaSheet::EnterValue(int row, std::string text)
{
    cells_[row] = FormatFixed(engine_.EvaluateText(text), 6);
}

int FormulaSheet::FindInputRow(std::string_view name) const
{
    for (int row = 0; row < RowCount(); ++row) {
        if (IsInputRow(row) && RowName(row) == name)
            return row;
    }
    return -1;
}

// Entries that have no row yet (made by an Enter in a cell) keep their
// values.
void FormulaSheet::ReadCells(VariableTable& table) const
{
    // Only inputs can be typed into; reading back the other rows would only
    // cut them to their six decimals (π to 3.141593 from the second
    // computing on).
    for (int row = 0; row < RowCount() && base_count_ + row < table.Count(); ++row) {
        if (IsInputRow(row))
            table[base_count_ + row].value = CellValue(cells_[row]);
    }
}

void FormulaSheet::Compute()
{
    ReadCells(engine_.Variables());
    for (FormulaStatement& statement : statements_) {
        std::string text = statement.text;
        statement.result = FormulaResultText(engine_.EvaluateText(text));
    }
    ShowRows();
}

void FormulaSheet::CutBack()
{
    engine_.Variables().CutBack(base_count_);
    cells_.clear();
    open_ = false;
}

FormulaPrint FormulaSheet::Print() const
{
    FormulaPrint print{name_, {}, statements_, {}, description_};
    const VariableTable& table = engine_.Variables();
    for (int row = 0; row < RowCount() && base_count_ + row < table.Count(); ++row) {
        const VariableEntry& entry = table[base_count_ + row];
        if (entry.origin == origin::kInput)
            print.inputs.push_back({std::string(entry.Name()), entry.value});
        else if (entry.origin == origin::kAssigned)
            print.outputs.push_back({std::string(entry.Name()), entry.value});
    }
    return print;
}

void FormulaSheet::ShowRows()
{
    const VariableTable& table = engine_.Variables();
    cells_.clear();
    for (int i = base_count_; i < table.Count(); ++i)
        cells_.push_back(FormulaValueText(table[i].value));
}

}  // namespace orvik
