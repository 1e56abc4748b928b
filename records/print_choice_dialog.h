#pragma once

#include <optional>

#include <QDialog>

#include "records/print_text.h"

class QCheckBox;
class QPushButton;

namespace orvik {

class UserPort;

// Dialog 154 "打印选择": which sections a print holds. A new dialog each
// time, so it always opens with inputs and outputs chosen.
class PrintChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintChoiceDialog(QWidget* parent = nullptr);

    PrintChoice Choice() const;

private:
    QCheckBox* AddBox(int id, const QString& caption, bool checked, int y);
    void EnableOk();

    QCheckBox* inputs_;
    QCheckBox* process_;
    QCheckBox* outputs_;
    QPushButton* ok_;
};

// Shows the dialog through the port; nullopt after Cancel.
std::optional<PrintChoice> AskPrintChoice(UserPort& port, QWidget* parent);

}  // namespace orvik
