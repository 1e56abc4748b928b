#include "library/formula_variables_model.h"

#include "library/core/formula_sheet.h"
#include "platform/gbk_qt.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

constexpr int kNameColumn = 0;
constexpr int kValueColumn = 1;

}  // namespace

// The sheet changes its rows before the view hears of it, so an index may
// briefly outlive its row.
bool FormulaVariablesModel::HasRow(const QModelIndex& index) const
{
    return index.isValid() && index.row() < sheet_.RowCount();
}

FormulaVariablesModel::FormulaVariablesModel(FormulaSheet& sheet, QObject* parent)
    : QAbstractTableModel(parent), sheet_(sheet)
{
}

int FormulaVariablesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : sheet_.RowCount();
}

int FormulaVariablesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant FormulaVariablesModel::data(const QModelIndex& index, int role) const
{
    if (!HasRow(index) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return FromGbk(index.column() == kNameColumn ? sheet_.RowName(index.row())
                                                 : std::string_view(sheet_.Cell(index.row())));
}

QVariant FormulaVariablesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == kNameColumn ? u"变量名"_s : u"值"_s;
}

Qt::ItemFlags FormulaVariablesModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (HasRow(index) && index.column() == kValueColumn && sheet_.IsInputRow(index.row()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool FormulaVariablesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    std::optional<std::string> text = ToGbk(value.toString());
    if (!text)
        return false;
    sheet_.SetCell(index.row(), std::move(*text));
    emit dataChanged(index, index);
    return true;
}

void FormulaVariablesModel::Reset()
{
    beginResetModel();
    endResetModel();
}

void FormulaVariablesModel::CellChanged(int row)
{
    const QModelIndex cell = index(row, kValueColumn);
    emit dataChanged(cell, cell);
}

void FormulaVariablesModel::CellsChanged()
{
    if (sheet_.RowCount() > 0)
        emit dataChanged(index(0, kValueColumn), index(sheet_.RowCount() - 1, kValueColumn));
}

}  // namespace orvik
