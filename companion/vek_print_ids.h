#pragma once

#include <QString>

// Identifiers of the companion's dialogs, controls and commands. Widgets and
// actions carry them as their objectName, so tests and tools find them by number.
namespace orvik::vek_ids {

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

inline constexpr int kAboutDialog = 100;
inline constexpr int kPageHeaderDialog = 130;
inline constexpr int kPageHeaderEdit = 1000;

inline constexpr int kChooseFont = 32771;
inline constexpr int kSetPageHeader = 32779;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

inline QString Name(int id) { return QString::number(id); }

}  // namespace orvik::vek_ids
