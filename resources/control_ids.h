#pragma once

// Identifiers of the calculator program's dialogs, controls, menu items,
// icons and bitmaps. Every widget carries its number as objectName, so
// tests and tools find a control by the number users and documents use.
namespace orvik::id {

// CalculatorDialog, dialog 102.
inline constexpr int kCalculatorDialog = 102;
inline constexpr int kOk = 1;      // hidden
inline constexpr int kCancel = 2;  // hidden
inline constexpr int kVariableList = 1000;
inline constexpr int kClearVariables = 1001;
inline constexpr int kImmediate = 1002;
inline constexpr int kPrintResults = 1003;
inline constexpr int kStepUp = 1004;
inline constexpr int kStepDown = 1005;
inline constexpr int kSave = 1006;
inline constexpr int kLoad = 1007;
inline constexpr int kLineNumber = 1008;
inline constexpr int kJumpToLine = 1009;
inline constexpr int kClearStatements = 1010;
inline constexpr int kPlus = 1011;
inline constexpr int kMinus = 1012;
inline constexpr int kTimes = 1013;
inline constexpr int kDivide = 1014;
inline constexpr int kDigit7 = 1015;
inline constexpr int kDigit8 = 1016;
inline constexpr int kDigit9 = 1017;
inline constexpr int kHelp = 1018;
inline constexpr int kDigit4 = 1019;
inline constexpr int kDigit5 = 1020;
inline constexpr int kDigit6 = 1021;
inline constexpr int kDigit1 = 1022;
inline constexpr int kDigit2 = 1023;
inline constexpr int kDigit3 = 1024;
inline constexpr int kInputBox = 1025;
inline constexpr int kResultBox = 1026;
inline constexpr int kOther = 1027;
inline constexpr int kDigit0 = 1028;
inline constexpr int kPoint = 1029;
inline constexpr int kPower = 1030;
inline constexpr int kAssign = 1031;
inline constexpr int kOpenParenthesis = 1032;
inline constexpr int kCloseParenthesis = 1033;
inline constexpr int kSin = 1034;
inline constexpr int kCos = 1035;
inline constexpr int kTan = 1036;
inline constexpr int kInv = 1037;
inline constexpr int kAsin = 1038;
inline constexpr int kAcos = 1039;
inline constexpr int kAtan = 1040;
inline constexpr int kAinv = 1041;
inline constexpr int kAbs = 1042;
inline constexpr int kInt = 1043;
inline constexpr int kLog = 1044;
inline constexpr int kLg = 1045;
inline constexpr int kLn = 1046;
inline constexpr int kExp = 1047;
inline constexpr int kEvaluate = 1048;
inline constexpr int kAbout = 1049;
inline constexpr int kBackspace = 1050;
inline constexpr int kClearInput = 1051;
inline constexpr int kPi = 1052;
inline constexpr int kDegreeDisplay = 1053;
inline constexpr int kSolveEquation = 1054;
inline constexpr int kIntegrate = 1055;
inline constexpr int kDegrees = 1056;
inline constexpr int kRadians = 1057;
inline constexpr int kLoopCalculation = 1058;
inline constexpr int kDrawing = 1059;
inline constexpr int kExamples = 1060;
inline constexpr int kPlatformCalculator = 1062;
inline constexpr int kMultiLine = 1063;
inline constexpr int kFunctionList = 1064;
inline constexpr int kSymbolList = 1065;
inline constexpr int kDegreeMark = 1066;
inline constexpr int kMinuteMark = 1067;
inline constexpr int kSecondMark = 1068;
inline constexpr int kPrint = 1069;
inline constexpr int kRadixBinary = 1070;
inline constexpr int kRadixOctal = 1071;
inline constexpr int kRadixDecimal = 1072;
inline constexpr int kRadixHexadecimal = 1073;
inline constexpr int kBytes1 = 1076;
inline constexpr int kBytes2 = 1077;
inline constexpr int kBytes4 = 1078;
inline constexpr int kBytes8 = 1079;
inline constexpr int kByteLengthLabel = 1080;
inline constexpr int kFormula = 1088;
inline constexpr int kProcess = 1093;

// Menu 148 of the calculator window and the item standing in for the
// system-menu entry (string 101).
inline constexpr int kSystemMenu = 148;
inline constexpr int kSaveAsFormula = 32776;
inline constexpr int kAboutTelvar = 16;

// Icon and bitmaps.
inline constexpr int kIcon = 128;
inline constexpr int kAboutBitmapUp = 137;
inline constexpr int kAboutBitmapDown = 145;

// InputValueDialog, dialog 135.
namespace input_value {
inline constexpr int kDialog = 135;
inline constexpr int kPrompt = 1001;
inline constexpr int kEntry = 1002;
}  // namespace input_value

// The formula library: the formula dialog 146, its tree (FormulaTreeCtrl)
// and the tree's context menu 103, whose commands the dialog carries out.
namespace formula {
inline constexpr int kDialog = 146;
inline constexpr int kLetters = 1065;
inline constexpr int kStatements = 1081;
inline constexpr int kTree = 1082;
inline constexpr int kVariables = 1083;
inline constexpr int kDescription = 1084;
inline constexpr int kCompute = 1087;
inline constexpr int kPrint = 1088;
inline constexpr int kDefinitionsEditor = 1090;
inline constexpr int kStatementsEditor = 1091;
inline constexpr int kSaveResults = 1092;
inline constexpr int kSweep = 1089;  // 参数扫描
inline constexpr int kSolve = 1140;  // 反求
inline constexpr int kTolerance = 1160;  // 公差分析
// The variable list's box over the cell being edited.
inline constexpr int kCellEditor = 101;
inline constexpr int kLibraryMenu = 103;
inline constexpr int kNewCategory = 32772;
inline constexpr int kNewFormula = 57600;
inline constexpr int kOpenFormula = 57601;
inline constexpr int kEditFormula = 32774;
inline constexpr int kDelete = 32771;
inline constexpr int kRename = 32773;
}  // namespace formula

// The parameter sweep of the formula dialog: its settings, dialog 160, and
// the window of its table and chart, 161.
namespace sweep {
inline constexpr int kDialog = 160;
inline constexpr int kInput = 1101;
inline constexpr int kFrom = 1102;
inline constexpr int kTo = 1103;
inline constexpr int kByStep = 1104;
inline constexpr int kStep = 1105;
inline constexpr int kByCount = 1106;
inline constexpr int kCount = 1107;
inline constexpr int kLinear = 1108;
inline constexpr int kLogarithmic = 1109;
inline constexpr int kResults = 1110;  // the box of the results' check boxes
}  // namespace sweep

namespace sweep_result {
inline constexpr int kWindow = 161;
inline constexpr int kSettings = 1111;
inline constexpr int kTable = 1112;
inline constexpr int kChart = 1113;
inline constexpr int kPlotted = 1114;
inline constexpr int kSaveTable = 1115;
inline constexpr int kSaveImage = 1116;
inline constexpr int kPrint = 1117;
}  // namespace sweep_result

// Solving the formula dialog's formula backwards: the settings, dialog 170,
// and the window of the roots and the chart, 171.
namespace solve {
inline constexpr int kDialog = 170;
inline constexpr int kResult = 1141;
inline constexpr int kTarget = 1142;
// The input and the range as in the sweep's settings.
inline constexpr int kInput = sweep::kInput;
inline constexpr int kFrom = sweep::kFrom;
inline constexpr int kTo = sweep::kTo;
}  // namespace solve

namespace solve_result {
inline constexpr int kWindow = 171;
inline constexpr int kSummary = 1146;
inline constexpr int kRoots = 1147;
inline constexpr int kChart = 1148;
inline constexpr int kAdopt = 1149;
}  // namespace solve_result

// The tolerance analysis of the formula dialog, window 165: the inputs with
// their tolerances, the settings, the results, the histogram of one result
// and its sensitivity table.
namespace tolerance {
inline constexpr int kWindow = 165;
inline constexpr int kInputs = 1161;
inline constexpr int kUniform = 1162;
inline constexpr int kNormal = 1163;
inline constexpr int kSamples = 1164;
inline constexpr int kCompute = 1165;
inline constexpr int kResults = 1166;
inline constexpr int kShown = 1167;  // the result of the histogram and the sensitivity table
inline constexpr int kHistogram = 1168;
inline constexpr int kSensitivity = 1169;
inline constexpr int kStatus = 1170;
inline constexpr int kSaveTable = 1171;
inline constexpr int kPrint = 1172;
}  // namespace tolerance

// HelpTextDialog, dialog 150.
namespace help_text {
inline constexpr int kDialog = 150;
inline constexpr int kText = 1068;
}  // namespace help_text

// The process log window, dialog 151.
namespace process_log {
inline constexpr int kDialog = 151;
inline constexpr int kText = 1094;
inline constexpr int kPrint = 1003;
inline constexpr int kSave = 1006;
inline constexpr int kClear = 1008;
inline constexpr int kReloadToday = 1009;
inline constexpr int kOpenEarlier = 1010;
}  // namespace process_log

// The print-choice dialog, dialog 154.
namespace print_choice {
inline constexpr int kDialog = 154;
inline constexpr int kInputs = 1096;
inline constexpr int kProcess = 1003;
inline constexpr int kOutputs = 1004;
}  // namespace print_choice

}  // namespace orvik::id
