#pragma once

#include <vector>

#include <QAbstractTableModel>

namespace orvik {

struct SweepResult;

// A sweep's table, read only: the varied input, then each chosen result,
// one row per point, values as the formula dialog shows them.
class SweepTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    SweepTableModel(const SweepResult& result, std::vector<int> statements, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    double Value(int row, int column) const;

    const SweepResult& result_;
    std::vector<int> statements_;
};

}  // namespace orvik
