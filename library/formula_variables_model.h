#pragma once

#include <QAbstractTableModel>

namespace orvik {

class FormulaSheet;

// The variable list's rows as the sheet holds them: "变量名" and "值".
// Only the value cells of inputs can be written, and only with text that
// can be stored (GBK).
class FormulaVariablesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    FormulaVariablesModel(FormulaSheet& sheet, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The sheet changed its rows, one value cell or any of them.
    void Reset();
    void CellChanged(int row);
    void CellsChanged();

private:
    bool HasRow(const QModelIndex& index) const;

    FormulaSheet& sheet_;
};

}  // namespace orvik
