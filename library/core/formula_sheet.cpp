#include "library/core/formula_sheet.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "engine/engine.h"
#include "engine/engine_messages.h"
#include "engine/number_format.h"
#include "engine/number_text.h"
#include "library/core/formula_values.h"
#include "platform/gbk.h"
#include "platform/trim_blanks.h"

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

// A text that is a number as a cell may show it, INF and NAN included;
// nullopt for any other text.
std::optional<double> WholeNumber(std::string_view text)
{
    const std::string_view trimmed = TrimBlanks(text);
    const std::string_view unsigned_part = trimmed.substr(trimmed.starts_with('-') || trimmed.starts_with('+') ? 1 : 0);
    if (unsigned_part == "INF" || unsigned_part == "NAN")
        return CellValue(trimmed);
    size_t consumed = 0;
    const double value = ParseDecimalPrefix(trimmed, &consumed);
    if (consumed == 0 || consumed != trimmed.size())
        return std::nullopt;
    return value;
}

std::string FormulaName(const std::filesystem::path& path)
{
    const std::string stem = path.stem().string();
    return Utf8ToGbk(stem).value_or(stem);
}

}  // namespace

FormulaSheet::FormulaSheet(Engine& engine) : engine_(engine), base_count_(engine.Variables().Count())
{
    engine_.Variables().SetScope(base_count_);
}

FormulaSheet::~FormulaSheet()
{
    engine_.Variables().SetScope(0);
}

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
    if (read.description_cut)
        result.messages.push_back(kFormulaDescriptionCutMessage);
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

bool FormulaSheet::EnterValue(int row, std::string text)
{
    // The engine would read the exponent of 2.5E+006, as the cells show
    // large values, as the name E.
    std::optional<double> value = WholeNumber(text);
    if (!value) {
        std::string statements = text;
        value = engine_.EvaluateText(statements);
        if (engine_.LastStatementRefused()) {
            cells_[row].text = std::move(text);
            return false;
        }
    }
    const std::string shown = EnteredValueText(*value);
    cells_[row] = {shown, shown};
    return true;
}

bool FormulaSheet::EnterTypedCells()
{
    for (int row = 0; row < RowCount(); ++row) {
        if (cells_[row].Typed() && !EnterValue(row, cells_[row].text))
            return false;
    }
    return true;
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
            table[base_count_ + row].value = CellValue(cells_[row].text);
    }
}

bool FormulaSheet::Compute()
{
    const Engine::Command command(engine_);
    if (!EnterTypedCells())
        return false;
    ReadCells(engine_.Variables());
    for (FormulaStatement& statement : statements_) {
        std::string text = statement.text;
        const double value = engine_.EvaluateText(text);
        statement.result = engine_.LastStatementRefused() ? std::string() : FormulaResultText(value);
    }
    ShowRows();
    return true;
}

void FormulaSheet::CutBack()
{
    engine_.Variables().CutBack(base_count_);
    Close();
}

void FormulaSheet::Keep()
{
    VariableTable& table = engine_.Variables();
    // With the scope at 0 a name is found first where free calculation has it.
    table.SetScope(0);
    int kept = base_count_;
    for (int i = base_count_; i < table.Count(); ++i) {
        const int first = table.FindVariable(table[i].Name());
        if (first < base_count_)
            table[first].value = table[i].value;
        else
            table[kept++] = table[i];
    }
    table.CutBack(kept);
    Close();
}

void FormulaSheet::Close()
{
    cells_.clear();
    name_.clear();
    description_.clear();
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
    for (int i = base_count_; i < table.Count(); ++i) {
        const std::string shown = FormulaValueText(table[i].value);
        cells_.push_back({shown, shown});
    }
}

}  // namespace orvik
