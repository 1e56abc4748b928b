#pragma once

namespace orvik {

// Qt's own texts (file, font and print dialogs, their questions and buttons)
// in Chinese like the rest of the program, whatever the system's language.
// Needs the application object, which keeps the translation. False when
// Qt's Chinese translation is not installed; the texts then stay English.
bool InstallQtChineseTranslation();

}  // namespace orvik
