#include "calculator/choice_list.h"

namespace orvik {

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this] { settled_ = true; });
}

void ChoiceList::showPopup()
{
    settled_ = false;
    QComboBox::showPopup();
}

void ChoiceList::hidePopup()
{
    QComboBox::hidePopup();
    // A choice made with the mouse is reported around the closing; judge
    // once the closing click has been handled.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!settled_ && hasFocus())
                emit ChoiceCancelled();
            settled_ = true;
        },
        Qt::QueuedConnection);
}

}  // namespace orvik
