#include "platform/anchored_layout.h"

#include <algorithm>

#include <QWidgetItem>

namespace orvik {

AnchoredLayout::AnchoredLayout(QSize base, QWidget* parent) : QLayout(parent), base_(base)
{
    setContentsMargins(0, 0, 0, 0);
}

AnchoredLayout::~AnchoredLayout()
{
    for (const Anchored& anchored : items_)
        delete anchored.item;
}

void AnchoredLayout::Add(QWidget* widget, const QRect& place, Shares shares)
{
    addChildWidget(widget);
    items_.push_back({new QWidgetItem(widget), place, shares});
    invalidate();
}

// Only Add places widgets; an item without a place stays where it is.
void AnchoredLayout::addItem(QLayoutItem* item)
{
    items_.push_back({item, item->geometry(), {}});
}

QLayoutItem* AnchoredLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? items_[index].item : nullptr;
}

QLayoutItem* AnchoredLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = items_[index].item;
    items_.erase(items_.begin() + index);
    return item;
}

int AnchoredLayout::count() const
{
    return static_cast<int>(items_.size());
}

QSize AnchoredLayout::sizeHint() const
{
    return base_;
}

QSize AnchoredLayout::minimumSize() const
{
    return base_;
}

void AnchoredLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const double dx = std::max(0, rect.width() - base_.width());
    const double dy = std::max(0, rect.height() - base_.height());
    for (const Anchored& anchored : items_) {
        const QRect& place = anchored.place;
        const Shares& shares = anchored.shares;
        anchored.item->setGeometry(QRect(rect.x() + place.x() + qRound(shares.x * dx),
                                         rect.y() + place.y() + qRound(shares.y * dy),
                                         place.width() + qRound(shares.width * dx),
                                         place.height() + qRound(shares.height * dy)));
    }
}

}  // namespace orvik
