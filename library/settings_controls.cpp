#include "library/settings_controls.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "engine/number_format.h"
#include "library/core/formula_sheet.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
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

InputRangeRows AddInputRangeRows(QFormLayout& form, const FormulaSheet& sheet)
{
    namespace ids = id::sweep;
    const InputRangeRows rows{WithControlId(new QComboBox, ids::kInput), WithControlId(new QLineEdit, ids::kFrom),
                              WithControlId(new QLineEdit, ids::kTo)};
    form.addRow(u"变量"_s, rows.input);
    form.addRow(u"起始值"_s, rows.from);
    form.addRow(u"终止值"_s, rows.to);
    for (int row = 0; row < sheet.RowCount(); ++row) {
        if (sheet.IsInputRow(row))
            rows.input->addItem(FromGbk(sheet.RowName(row)), row);
    }
    return rows;
}

QString ProposedNumber(double v)
{
    return QString::fromStdString(FormatGeneral(v, 6));
}

void ShowProposedRange(const InputRangeRows& rows, double from, double to)
{
    rows.from->setText(ProposedNumber(from));
    rows.to->setText(ProposedNumber(to));
}

}  // namespace orvik
