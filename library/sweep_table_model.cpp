#include "library/sweep_table_model.h"

#include "library/core/formula_sweep.h"
#include "library/core/formula_values.h"
#include "library/core/sweep_text.h"
#include "platform/gbk_qt.h"

namespace orvik {

SweepTableModel::SweepTableModel(const SweepResult& result, std::vector<int> statements, QObject* parent)
    : QAbstractTableModel(parent), result_(result), statements_(std::move(statements))
{
}

int SweepTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : result_.PointCount();
}

int SweepTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(statements_.size()) + 1;
}

double SweepTableModel::Value(int row, int column) const
{
    return column == 0 ? result_.inputs[row] : result_.results[statements_[column - 1]][row];
}

QVariant SweepTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(FormulaValueText(Value(index.row(), index.column())));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

// A result's column is headed by the name of what it computes, which fits;
// the whole statement is its tooltip.
QVariant SweepTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section == 0)
        return role == Qt::DisplayRole ? FromGbk(result_.input_name) : QVariant();
    const std::string& statement = result_.statements[statements_[section - 1]];
    if (role == Qt::DisplayRole)
        return FromGbk(SweepResultName(statement));
    if (role == Qt::ToolTipRole)
        return FromGbk(statement);
    return {};
}

}  // namespace orvik
