#pragma once

#include <QColor>
#include <QFont>

class QApplication;

namespace orvik {

// The program's fixed colours: every dialog and message box is drawn on
// kDialogBackground with kDialogText; the calculator window's controls write
// in kControlText, its input box in kInputText.
inline const QColor kDialogBackground(130, 200, 150);
inline const QColor kDialogText(100, 100, 150);
inline const QColor kControlText(0, 0, 255);
inline const QColor kInputText(200, 0, 250);

// A font that has the Chinese characters.
QFont CjkFont(qreal points);

// A fixed-pitch font (with Chinese characters where available).
QFont FixedPitchFont(int pixels);

// The program's own look whatever the desktop's: Fusion style, a complete
// light palette with the dialog colours, and the Chinese font.
void ApplyProgramStyle(QApplication& application);

}  // namespace orvik
