#pragma once

#include <QIcon>
#include <QPushButton>

namespace orvik {

// A push button drawn with one picture when up and another while pressed.
class BitmapButton : public QPushButton {
    Q_OBJECT
public:
    BitmapButton(const QString& caption, const QString& up, const QString& down,
                 QWidget* parent = nullptr);

private:
    QIcon up_;
    QIcon down_;
};

}  // namespace orvik
