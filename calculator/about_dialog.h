#pragma once

#include <QDialog>

namespace orvik {

// The About box: the program's name and picture, and a note on using it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace orvik
