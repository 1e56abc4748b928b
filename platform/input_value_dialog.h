#pragma once

#include <QDialog>

class QLineEdit;

namespace orvik {

// Dialog 135 "输入数据": asks for one value. The prompt (1001) is read-only,
// the entry (1002) starts with the given text and holds the focus.
class InputValueDialog : public QDialog {
    Q_OBJECT
public:
    InputValueDialog(const QString& prompt, const QString& entry, QWidget* parent = nullptr);

    QString Entry() const;

private:
    QLineEdit* entry_;
};

}  // namespace orvik
