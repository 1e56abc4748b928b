// The variable list: rows from the engine's table, name insertion, value
// editing and clearing.
#include <QTableWidget>

#include "calculator/calculator_dialog.h"
#include "calculator/name_pick_list.h"
#include "engine/engine.h"
#include "engine/number_format.h"
#include "platform/gbk_qt.h"
#include "platform/port_engine_host.h"
#include "platform/user_port.h"

namespace orvik {

using namespace Qt::StringLiterals;

void CalculatorDialog::RefreshVariableList()
{
    const VariableTable& table = engine_.Variables();
    NamePickListCtrl& list = *controls_.variables;
    list.setRowCount(table.Count());
    for (int i = 0; i < table.Count(); ++i) {
        const VariableEntry& entry = table[i];
        list.setItem(i, 0, new QTableWidgetItem(FromGbk(entry.Name())));
        const QString value = QString::fromStdString(FormatDecimal(entry.value, 1e10, 9));
        auto* value_item = new QTableWidgetItem(value);
        value_item->setToolTip(value);  // the narrow column may cut it short
        list.setItem(i, 1, value_item);
    }
}

void CalculatorDialog::InsertRememberedName()
{
    InsertAtCaret(controls_.variables->RememberedName());
}

void CalculatorDialog::EditVariableValue()
{
    const QString name = controls_.variables->RememberedName();
    const std::optional<std::string> gbk_name = ToGbk(name);
    const int index = name.isEmpty() || !gbk_name ? -1 : engine_.Variables().FindVariable(*gbk_name);
    if (index < 0)
        return;
    const QString value_text = QString::fromStdString(FormatFixed(engine_.Variables()[index].value, 11));
    std::optional<std::string> entry = PromptGbkValue(port_, name, value_text);
    if (entry && !entry->empty()) {
        // Evaluating may add variables but never moves this one.
        const double value = engine_.EvaluateText(*entry);
        engine_.Variables()[index].value = value;
    }
    RefreshVariableList();
}

void CalculatorDialog::ClearVariables()
{
    if (!port_.AskYesNo(u"确定要删除所有内存变量吗?"_s))
        return;
    engine_.Variables().Clear();
    controls_.variables->setRowCount(0);
}

}  // namespace orvik
