#pragma once

#include <vector>

#include <QLayout>
#include <QRect>
#include <QSize>

namespace orvik {

// Widgets placed at fixed rectangles of a base size, as a dialog template
// places its controls, that move and grow by shares of whatever the window
// is made larger: share 1 of the extra width moves a widget to the right
// edge, 0.5 of the extra height grows it by half of it. The base size is
// the least the window can be.
class AnchoredLayout : public QLayout {
public:
    // What a widget takes of the extra size.
    struct Shares {
        double x = 0;
        double y = 0;
        double width = 0;
        double height = 0;
    };

    AnchoredLayout(QSize base, QWidget* parent);
    ~AnchoredLayout() override;

    void Add(QWidget* widget, const QRect& place, Shares shares);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Anchored {
        QLayoutItem* item;
        QRect place;
        Shares shares;
    };

    QSize base_;
    std::vector<Anchored> items_;
};

}  // namespace orvik
