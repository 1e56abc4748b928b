#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "library/core/formula_file.h"
#include "records/formula_print.h"

namespace orvik {

class Engine;
class VariableTable;

// The calculation of the formula dialog without its widgets, shared by the
// dialog and the console. The formula's variables are the engine's table
// entries from the base count (the count when the sheet was made) on; the
// variable list shows one row per entry, and each input row's value cell
// is a text that computing reads back. All texts are GBK.
//
// While the sheet lives, the table's lookup scope begins at the base
// count: the formula's statements and cells use its own variables before
// those of free calculation with the same names.
class FormulaSheet {
public:
    explicit FormulaSheet(Engine& engine);
    ~FormulaSheet();
    FormulaSheet(const FormulaSheet&) = delete;
    FormulaSheet& operator=(const FormulaSheet&) = delete;

    int BaseCount() const { return base_count_; }
    // The table holds entries made since the sheet was: the formula's
    // variables and those its statements created.
    bool HasNewVariables() const;

    struct OpenResult {
        FormulaReadStatus status = FormulaReadStatus::NotOpened;
        // GBK messages to show with an OK button, in the order they arose.
        std::vector<std::string_view> messages;
    };

    // The open read: the table is cut back to the base count when the
    // variables begin, each definition becomes an input entry, the
    // statements replace those shown. Inputs that the table has no room
    // for are left out and named once by the 400-variable message. A file
    // that cannot be opened changes nothing.
    OpenResult Open(const std::filesystem::path& path);

    // A formula was read completely; its name is the file name without
    // ".tfl".
    bool IsOpen() const { return open_; }
    const std::string& Name() const { return name_; }
    const std::string& Description() const { return description_; }

    // The variable list.
    int RowCount() const { return static_cast<int>(cells_.size()); }
    std::string_view RowName(int row) const;
    // Inputs may be typed into; computed variables are only shown.
    bool IsInputRow(int row) const;
    const std::string& Cell(int row) const { return cells_[row].text; }
    // Typing into a value cell: a text other than the one Enter or
    // computing left there waits for Enter or computing.
    void SetCell(int row, std::string text) { cells_[row].text = std::move(text); }
    // Enter in a value cell: a number is taken as it is, any other text is
    // evaluated as statements; the cell shows the value with six decimals
    // (in exponent form when six decimals would show it as zero). False,
    // after the engine's message, when the text was refused: the cell keeps
    // it, still waiting.
    bool EnterValue(int row, std::string text);
    // Enter for every cell typed into since; false at the first refusal.
    bool EnterTypedCells();
    // The first input row named `name`, or -1.
    int FindInputRow(std::string_view name) const;

    const std::vector<FormulaStatement>& Statements() const { return statements_; }
    void ClearStatements() { statements_.clear(); }

    // Cells typed into are entered first; after a refusal nothing is
    // computed (false). Then every input cell is read back into its entry,
    // every statement evaluated in order and its result shown (none for a
    // refused statement), and the rows shown afresh, now with the
    // variables the statements created. One command of the engine: a full
    // table is reported once.
    bool Compute();

    // Every input cell read back into its entry of `table`, the engine's
    // own or a copy of it, as computing takes the inputs: values pass
    // through their shown text.
    void ReadCells(VariableTable& table) const;
    const Engine& CalculationEngine() const { return engine_; }

    // The table back to the base count; the variable list becomes empty.
    void CutBack();
    // The formula's variables stay for free calculation, each name once: a
    // variable that free calculation has already takes the formula's value
    // and the formula's entry goes. The variable list becomes empty.
    void Keep();

    // What printing and saving the shown calculation put on paper.
    FormulaPrint Print() const;

private:
    // One row per table entry from the base count on, each showing its value.
    void ShowRows();
    // No formula open, no rows.
    void Close();

    struct ValueCell {
        std::string text;
        std::string settled;  // what Enter or computing left; typed into when the text differs

        bool Typed() const { return text != settled; }
    };

    Engine& engine_;
    int base_count_;
    std::vector<ValueCell> cells_;
    std::vector<FormulaStatement> statements_;
    std::string name_;
    std::string description_;
    bool open_ = false;
};

}  // namespace orvik
