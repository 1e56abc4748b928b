#pragma once

#include <QDialog>

namespace orvik {

// Dialog 100: the program's icon, name and version.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace orvik
