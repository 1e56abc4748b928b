#pragma once

class QDialog;
class QDialogButtonBox;

namespace orvik {

// 确定 and 取消 for the foot of a settings dialog, with their identifiers,
// wired to accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

}  // namespace orvik
