#pragma once

#include <QDialog>

namespace orvik {

// Dialog 150 "帮助": the help text in one read-only box (1068).
class HelpTextDialog : public QDialog {
    Q_OBJECT
public:
    explicit HelpTextDialog(const QString& text, QWidget* parent = nullptr);
};

}  // namespace orvik
