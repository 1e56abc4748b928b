#pragma once

#include <QComboBox>

namespace orvik {

// A drop-down list that also tells when its list closed without a choice
// while it held the focus.
class ChoiceList : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

signals:
    void ChoiceCancelled();

private:
    bool settled_ = false;  // since the list opened: an item was chosen, or the closing judged
};

}  // namespace orvik
