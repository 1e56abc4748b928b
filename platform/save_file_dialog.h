#pragma once

class QFileDialog;

namespace orvik {

// Every save dialog: a name typed without an ending gets the ending of the
// file type chosen ("vek" of "计算文件 (*.vek)", none of "所有文件 (*.*)"), so
// that the type's filter shows the file afterwards.
void AddChosenEnding(QFileDialog& dialog);

}  // namespace orvik
