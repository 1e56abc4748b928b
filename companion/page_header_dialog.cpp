#include "companion/page_header_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "companion/vek_print_ids.h"

namespace orvik {
namespace {

const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

// Positions in dialog units: a quarter of the average character width across,
// an eighth of the character height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : base_x_(metrics.horizontalAdvance(kAlphabet) / 52.0), base_y_(metrics.height())
    {
    }

    QRect Rect(int x, int y, int width, int height) const
    {
        return QRect(X(x), Y(y), X(width), Y(height));
    }
    QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }

private:
    int X(int units) const { return qRound(units * base_x_ / 4); }
    int Y(int units) const { return qRound(units * base_y_ / 8); }

    double base_x_;
    double base_y_;
};

QPushButton* AddButton(QDialog* dialog, int id, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(vek_ids::Name(id));
    button->setGeometry(geometry);
    return button;
}

}  // namespace

PageHeaderDialog::PageHeaderDialog(const QString& header, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(header, this))
{
    setObjectName(vek_ids::Name(vek_ids::kPageHeaderDialog));
    setWindowTitle(QStringLiteral("设置页眉"));
    const DialogUnits units(fontMetrics());
    setFixedSize(units.Size(187, 48));
    edit_->setObjectName(vek_ids::Name(vek_ids::kPageHeaderEdit));
    edit_->setGeometry(units.Rect(7, 7, 173, 18));
    QPushButton* ok = AddButton(this, vek_ids::kOk, QStringLiteral("确定"), units.Rect(41, 29, 30, 14));
    QPushButton* cancel =
        AddButton(this, vek_ids::kCancel, QStringLiteral("取消"), units.Rect(124, 29, 30, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString PageHeaderDialog::Text() const
{
    return edit_->text();
}

}  // namespace orvik
