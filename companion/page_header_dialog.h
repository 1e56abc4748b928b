#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace orvik {

// Dialog 130: one line of text printed at the top of every page.
class PageHeaderDialog : public QDialog {
    Q_OBJECT

public:
    PageHeaderDialog(const QString& header, QWidget* parent = nullptr);

    QString Text() const;

private:
    QLineEdit* edit_;
};

}  // namespace orvik
