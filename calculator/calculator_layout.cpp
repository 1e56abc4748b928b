#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculator/bitmap_button.h"
#include "calculator/calculator_controls.h"
#include "calculator/choice_list.h"
#include "calculator/control_tips.h"
#include "calculator/input_box.h"
#include "calculator/keypad.h"
#include "calculator/name_pick_list.h"
#include "engine/operator_table.h"
#include "library/command_captions.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "platform/greek_letters.h"
#include "platform/program_style.h"
#include "records/process_file.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

constexpr int kButtonHeight = 28;
constexpr int kKeyWidth = 46;

// Keypad buttons show what they insert; two editing keys sit among them.
QString KeyCaption(int id)
{
    if (id == id::kBackspace)
        return u"←"_s;
    if (id == id::kClearInput)
        return u"清屏"_s;
    return KeypadCaption(KeypadIndexOfButton(id));
}

class Builder {
public:
    Builder(QWidget& content, CalculatorControls& controls) : content_(content), c_(controls) {}

    QMenuBar* Menu();
    QLayout* InputAndResult();
    QLayout* HistoryRow();
    QLayout* ModeRow();
    QLayout* KeypadArea();
    QLayout* ToolsRow();
    QLayout* VariablePanel();
    QWidget* NotOfferedRow();
    void HiddenButtons();

private:
    template <typename T>
    T* Control(int id, const QString& caption);
    QPushButton* Button(int id, const QString& caption);
    struct RadioCaption {
        int id;
        const char16_t* caption;
    };
    // One exclusive group of radio buttons in a row, one of them checked.
    QButtonGroup* Radios(QHBoxLayout& row, std::initializer_list<RadioCaption> radios, int checked);
    QLayout* Keys(const std::initializer_list<std::initializer_list<int>>& rows);
    QLayout* Marks();
    QLayout* Lists();

    QWidget& content_;
    CalculatorControls& c_;
};

template <typename T>
T* Builder::Control(int id, const QString& caption)
{
    auto* control = new T(caption, &content_);
    SetControlId(*control, id);
    return control;
}

// Buttons as wide as their caption needs, not the style's wide default.
QPushButton* Builder::Button(int id, const QString& caption)
{
    auto* button = Control<QPushButton>(id, caption);
    button->setAutoDefault(false);
    button->setMinimumHeight(kButtonHeight);
    button->setFixedWidth(std::max(kKeyWidth, button->fontMetrics().horizontalAdvance(caption) + 20));
    return button;
}

QButtonGroup* Builder::Radios(QHBoxLayout& row, std::initializer_list<RadioCaption> radios, int checked)
{
    auto* group = new QButtonGroup(&content_);
    for (const RadioCaption& radio : radios) {
        auto* button = Control<QRadioButton>(radio.id, QString::fromUtf16(radio.caption));
        button->setChecked(radio.id == checked);
        group->addButton(button, radio.id);
        row.addWidget(button);
    }
    return group;
}

QMenuBar* Builder::Menu()
{
    auto* bar = new QMenuBar(&content_);
    QMenu* menu = bar->addMenu(u"系统"_s);
    SetControlId(*menu, id::kSystemMenu);
    c_.formula_action = menu->addAction(caption::kFormula);
    c_.save_as_formula_action = menu->addAction(u"将本次计算存为公式"_s);
    c_.about_action = menu->addAction(u"关于"_s);
    menu->addSeparator();
    c_.about_telvar_action = menu->addAction(u"&A关于Telvar"_s);
    SetControlId(*c_.formula_action, id::kFormula);
    SetControlId(*c_.save_as_formula_action, id::kSaveAsFormula);
    SetControlId(*c_.about_action, id::kAbout);
    SetControlId(*c_.about_telvar_action, id::kAboutTelvar);
    return bar;
}

QLayout* Builder::InputAndResult()
{
    // Whatever the box holds is saved and read back whole.
    c_.input = new InputBox(kProcessFileLineMax, &content_);
    SetControlId(*c_.input, id::kInputBox);
    c_.input->setFont(FixedPitchFont(16));
    c_.input->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    c_.input->setFixedHeight(c_.input->fontMetrics().lineSpacing() * 4 + 12);
    QPalette purple = c_.input->palette();
    purple.setColor(QPalette::Active, QPalette::Text, kInputText);
    purple.setColor(QPalette::Inactive, QPalette::Text, kInputText);
    c_.input->setPalette(purple);

    c_.result = new QLineEdit(&content_);
    SetControlId(*c_.result, id::kResultBox);
    c_.result->setReadOnly(true);
    c_.result->setMinimumHeight(kButtonHeight);

    auto* result_row = new QHBoxLayout;
    result_row->addWidget(c_.result, 1);
    result_row->addWidget(Button(id::kEvaluate, u"＝"_s));

    auto* layout = new QVBoxLayout;
    layout->addWidget(c_.input);
    layout->addLayout(result_row);
    return layout;
}

QLayout* Builder::HistoryRow()
{
    c_.line_number = new QLineEdit(u"1"_s, &content_);
    SetControlId(*c_.line_number, id::kLineNumber);
    c_.line_number->setFixedWidth(48);
    c_.line_number->setMinimumHeight(kButtonHeight);

    auto* row = new QHBoxLayout;
    QPushButton* up = Button(id::kStepUp, u"↑"_s);
    up->setEnabled(false);  // the history starts at its first line
    row->addWidget(up);
    row->addWidget(Button(id::kStepDown, u"↓"_s));
    row->addWidget(c_.line_number);
    row->addWidget(Button(id::kJumpToLine, u"行"_s));
    row->addWidget(Button(id::kClearStatements, u"清除计算式"_s));
    row->addWidget(Button(id::kExamples, u"计算例子"_s));
    row->addSpacing(12);
    row->addWidget(Button(id::kSave, u"保存"_s));
    row->addWidget(Button(id::kLoad, u"读入"_s));
    row->addWidget(Button(id::kPrint, u"打印"_s));
    QPushButton* process = Button(id::kProcess, u"过程"_s);
    process->setCheckable(true);
    row->addWidget(process);
    return row;
}

QLayout* Builder::ModeRow()
{
    using namespace id;
    auto* row = new QHBoxLayout;
    c_.radix = Radios(*row, {{kRadixBinary, u"B"}, {kRadixOctal, u"O"}, {kRadixDecimal, u"D"},
                             {kRadixHexadecimal, u"H"}}, kRadixDecimal);
    row->addSpacing(16);
    c_.angle = Radios(*row, {{kDegrees, u"角度"}, {kRadians, u"弧度"}}, kDegrees);
    c_.byte_length_label = Control<QLabel>(kByteLengthLabel, u"字节长"_s);
    row->addWidget(c_.byte_length_label);
    c_.byte_length = Radios(*row, {{kBytes1, u"1"}, {kBytes2, u"2"}, {kBytes4, u"4"}, {kBytes8, u"8"}},
                            kBytes4);
    row->addStretch(1);
    c_.immediate = Control<QCheckBox>(id::kImmediate, u"立即计算"_s);
    c_.multi_line = Control<QCheckBox>(id::kMultiLine, u"多行"_s);
    row->addWidget(c_.immediate);
    row->addWidget(c_.multi_line);
    return row;
}

QLayout* Builder::Keys(const std::initializer_list<std::initializer_list<int>>& rows)
{
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    int r = 0;
    for (const auto& row : rows) {
        int column = 0;
        for (const int id : row) {
            grid->addWidget(Button(id, KeyCaption(id)), r, column++);
        }
        ++r;
    }
    return grid;
}

QLayout* Builder::Marks()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    row->addWidget(Button(id::kDegreeMark, u"°"_s));
    row->addWidget(Button(id::kMinuteMark, u"′"_s));
    row->addWidget(Button(id::kSecondMark, u"″"_s));
    row->addWidget(Button(id::kDegreeDisplay, u"度°"_s));
    return row;
}

QLayout* Builder::Lists()
{
    c_.function_list = new ChoiceList(&content_);
    SetControlId(*c_.function_list, id::kFunctionList);
    // Sorted by the list itself.
    QStringList functions;
    for (const std::string_view item : FunctionListItems())
        functions << FromGbk(item);
    std::sort(functions.begin(), functions.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    c_.function_list->addItems(functions);
    c_.function_list->setCurrentIndex(-1);
    c_.function_list->setPlaceholderText(u"函数"_s);

    c_.symbol_list = new ChoiceList(&content_);
    SetControlId(*c_.symbol_list, id::kSymbolList);
    c_.symbol_list->addItems(GreekLetters());
    c_.symbol_list->setCurrentIndex(-1);
    c_.symbol_list->setMaxVisibleItems(16);

    auto* grid = new QGridLayout;
    grid->addWidget(c_.function_list, 0, 0, 1, 2);
    grid->addWidget(new QLabel(u"符号"_s, &content_), 1, 0);
    grid->addWidget(c_.symbol_list, 1, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QLayout* Builder::KeypadArea()
{
    using namespace id;
    auto* assistance = new QVBoxLayout;
    assistance->addLayout(Marks());
    assistance->addLayout(Lists());
    assistance->addStretch(1);

    auto* area = new QHBoxLayout;
    area->addLayout(Keys({{kSin, kCos, kTan, kInv},
                          {kAsin, kAcos, kAtan, kAinv},
                          {kAbs, kInt, kLog, kLg},
                          {kLn, kExp, kPower, kPi}}));
    area->addSpacing(10);
    area->addLayout(Keys({{kDigit7, kDigit8, kDigit9, kDivide, kOpenParenthesis},
                          {kDigit4, kDigit5, kDigit6, kTimes, kCloseParenthesis},
                          {kDigit1, kDigit2, kDigit3, kMinus, kBackspace},
                          {kDigit0, kPoint, kAssign, kPlus, kClearInput}}));
    area->addSpacing(10);
    area->addLayout(assistance, 1);
    return area;
}

QLayout* Builder::ToolsRow()
{
    auto* row = new QHBoxLayout;
    row->addWidget(Button(id::kOther, u"其它"_s));
    auto* help = new BitmapButton(u"帮助"_s, u":/calculator/help_up.png"_s,
                                  u":/calculator/help_down.png"_s, &content_);
    auto* about = new BitmapButton(u"关于"_s, u":/calculator/about_up.png"_s,
                                   u":/calculator/about_down.png"_s, &content_);
    for (QPushButton* button : {help, about}) {
        button->setAutoDefault(false);
        button->setFixedWidth(button->sizeHint().width());
        button->setMinimumHeight(kButtonHeight);
        row->addWidget(button);
    }
    SetControlId(*help, id::kHelp);
    SetControlId(*about, id::kAbout);
    row->addStretch(1);
    row->addWidget(Button(id::kFormula, caption::kFormula));
    row->addWidget(Button(id::kPlatformCalculator, u"calc.exe"_s));
    return row;
}

QLayout* Builder::VariablePanel()
{
    c_.variables = new NamePickListCtrl(&content_);
    SetControlId(*c_.variables, id::kVariableList);
    c_.variables->setMinimumWidth(230);
    auto* panel = new QVBoxLayout;
    panel->addWidget(c_.variables, 1);
    panel->addWidget(Button(id::kClearVariables, u"清除变量"_s));
    return panel;
}

QWidget* Builder::NotOfferedRow()
{
    c_.not_offered = new QWidget(&content_);
    auto* row = new QHBoxLayout(c_.not_offered);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Button(id::kSolveEquation, u"解方程"_s));
    row->addWidget(Button(id::kIntegrate, u"积分运算"_s));
    row->addWidget(Button(id::kLoopCalculation, u"循环计算"_s));
    row->addWidget(Button(id::kDrawing, u"生成图纸"_s));
    row->addWidget(Button(id::kPrintResults, u"打印计算结果"_s));
    return c_.not_offered;
}

void Builder::HiddenButtons()
{
    Button(id::kOk, u"确定"_s)->hide();
    Button(id::kCancel, u"取消"_s)->hide();
}

}  // namespace

QWidget* BuildCalculatorControls(QDialog& dialog, CalculatorControls& controls)
{
    auto* content = new QWidget(&dialog);
    Builder build(*content, controls);

    auto* left = new QVBoxLayout;
    left->addLayout(build.InputAndResult());
    left->addLayout(build.HistoryRow());
    left->addLayout(build.ModeRow());
    left->addLayout(build.KeypadArea());
    left->addStretch(1);
    left->addLayout(build.ToolsRow());

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(build.VariablePanel());

    auto* layout = new QVBoxLayout(content);
    layout->setMenuBar(build.Menu());
    layout->addLayout(columns, 1);
    layout->addWidget(build.NotOfferedRow());
    build.HiddenButtons();

    ApplyControlTips(*content);
    return content;
}

}  // namespace orvik
