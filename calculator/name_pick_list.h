#pragma once

#include <QTableWidget>

namespace orvik {

// The variable list: a two-column report that remembers the name of the row
// a double click, a right click or Enter was aimed at (empty when a click
// hit no row) and then reports the gesture.
class NamePickListCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit NamePickListCtrl(QWidget* parent = nullptr);

    const QString& RememberedName() const { return remembered_name_; }

signals:
    void NameRightClicked();
    void NameDoubleClicked();
    void NameEntered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString NameAt(const QPoint& position) const;
    QString FirstSelectedName() const;

    QString remembered_name_;
};

}  // namespace orvik
