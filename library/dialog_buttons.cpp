#include "library/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "platform/control_id.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

QDialogButtonBox* OkCancelButtons(QDialog& dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(u"确定"_s);
    SetControlId(*buttons->button(QDialogButtonBox::Ok), id::kOk);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"取消"_s);
    SetControlId(*buttons->button(QDialogButtonBox::Cancel), id::kCancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace orvik
