#include "calculator/calculator_dialog.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "calculator/choice_list.h"
#include "calculator/input_box.h"
#include "calculator/keypad.h"
#include "calculator/name_pick_list.h"
#include "engine/engine.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "platform/program_style.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

// Resources live in this static library; register them before first use.
static void InitCalculatorResources()
{
    Q_INIT_RESOURCE(calculator);
}

namespace orvik {

using namespace Qt::StringLiterals;

CalculatorDialog::CalculatorDialog(Engine& engine, UserPort& port, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      engine_(engine),
      port_(port)
{
    InitCalculatorResources();
    SetControlId(*this, id::kCalculatorDialog);
    setWindowTitle(u"Ombrix V1.0 --Telvar5.0"_s);
    setWindowIcon(QIcon(u":/calculator/icon128.png"_s));
    setFont(CjkFont(10));
    // Disabled controls keep the style's grey.
    QPalette blue = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            blue.setColor(group, role, kControlText);
    setPalette(blue);

    QWidget* content = BuildCalculatorControls(*this, controls_);
    ConnectCommands();
    ConnectKeypad();
    ConnectHistory();
    ConnectShell();
    ConnectRecords();
    FitToVisibleArea(*content);

    controls_.byte_length_label->hide();
    for (QAbstractButton* button : controls_.byte_length->buttons())
        button->hide();
    qApp->installEventFilter(this);
}

// The window shows everything but its last row, the commands that are
// announced but not offered.
void CalculatorDialog::FitToVisibleArea(QWidget& content)
{
    ensurePolished();
    const QSize size = content.sizeHint();
    content.setFixedSize(size);
    content.layout()->setGeometry(QRect(QPoint(0, 0), size));
    setFixedSize(content.width(), controls_.not_offered->geometry().top());
}

void CalculatorDialog::ConnectCommands()
{
    const CalculatorControls& c = controls_;
    auto button = [this](int id) { return FindControl<QAbstractButton>(*this, id); };
    connect(button(id::kEvaluate), &QAbstractButton::clicked, this, &CalculatorDialog::EvaluateCommand);
    connect(c.radix, &QButtonGroup::idClicked, this, &CalculatorDialog::ChooseRadix);
    connect(c.byte_length, &QButtonGroup::idClicked, this, &CalculatorDialog::ChooseByteLength);
    connect(c.angle, &QButtonGroup::idClicked, this, &CalculatorDialog::ChooseAngleUnit);
    connect(button(id::kDegreeDisplay), &QAbstractButton::clicked, this,
            &CalculatorDialog::ToggleDegreeDisplay);
    connect(c.immediate, &QCheckBox::clicked, this, &CalculatorDialog::SwitchImmediateMode);
    connect(c.multi_line, &QCheckBox::clicked, this, &CalculatorDialog::SwitchMultiLine);

    connect(c.function_list, &QComboBox::activated, this,
            [this] { InsertFromList(*controls_.function_list, function_choice_cancelled_, true); });
    connect(c.symbol_list, &QComboBox::activated, this,
            [this] { InsertFromList(*controls_.symbol_list, symbol_choice_cancelled_, false); });
    connect(c.function_list, &ChoiceList::ChoiceCancelled, this, [this] { function_choice_cancelled_ = true; });
    connect(c.symbol_list, &ChoiceList::ChoiceCancelled, this, [this] { symbol_choice_cancelled_ = true; });
    const std::pair<int, QString> marks[] = {
        {id::kDegreeMark, u"°"_s}, {id::kMinuteMark, u"′"_s}, {id::kSecondMark, u"″"_s}};
    for (const auto& [id, mark] : marks)
        connect(button(id), &QAbstractButton::clicked, this, [this, mark] { InsertMark(mark); });
    connect(button(id::kBackspace), &QAbstractButton::clicked, this, &CalculatorDialog::Backspace);
    connect(button(id::kClearInput), &QAbstractButton::clicked, this, &CalculatorDialog::ClearInput);

    connect(c.input, &InputBox::TextRefused, this, [this] {
        port_.ShowMessage(u"计算式太长,书写框中最多只能有%1个字节"_s.arg(controls_.input->MaxBytes()));
    });
    connect(c.variables, &NamePickListCtrl::NameRightClicked, this, &CalculatorDialog::InsertRememberedName);
    connect(c.variables, &NamePickListCtrl::NameDoubleClicked, this, &CalculatorDialog::EditVariableValue);
    connect(c.variables, &NamePickListCtrl::NameEntered, this, &CalculatorDialog::EditVariableValue);
    connect(button(id::kClearVariables), &QAbstractButton::clicked, this, &CalculatorDialog::ClearVariables);
}

void CalculatorDialog::ConnectKeypad()
{
    for (int index = 0; index < kKeypadSize; ++index) {
        QAbstractButton* key = FindControl<QAbstractButton>(*this, KeypadAt(index).id);
        connect(key, &QAbstractButton::clicked, this, [this, index] { InsertKeypadText(index); });
    }
    // "=" also hands the focus on to the evaluate button.
    connect(FindControl<QAbstractButton>(*this, id::kAssign), &QAbstractButton::clicked, this,
            [this] { FindControl<QWidget>(*this, id::kEvaluate)->setFocus(); });
}

void CalculatorDialog::ConnectShell()
{
    auto button = [this](int id) { return FindControl<QAbstractButton>(*this, id); };
    connect(button(id::kAbout), &QAbstractButton::clicked, this, &CalculatorDialog::ShowAbout);
    connect(controls_.about_action, &QAction::triggered, this, &CalculatorDialog::ShowAbout);
    connect(controls_.about_telvar_action, &QAction::triggered, this, &CalculatorDialog::ShowAbout);
    connect(button(id::kHelp), &QAbstractButton::clicked, this, &CalculatorDialog::ShowHelp);
    connect(button(id::kOther), &QAbstractButton::clicked, this, &CalculatorDialog::ShowFunctionSummary);
    connect(controls_.save_as_formula_action, &QAction::triggered, this, &CalculatorDialog::ShowNotAvailable);
    connect(button(id::kFormula), &QAbstractButton::clicked, this, [this] { OpenFormulaDialog(); });
    connect(controls_.formula_action, &QAction::triggered, this, [this] { OpenFormulaDialog(); });
    for (const int id : {id::kSolveEquation, id::kIntegrate, id::kLoopCalculation, id::kDrawing,
                         id::kPrintResults})
        connect(button(id), &QAbstractButton::clicked, this, &CalculatorDialog::ShowNotSupported);
    connect(button(id::kPlatformCalculator), &QAbstractButton::clicked, this,
            &CalculatorDialog::StartCalculator);
    connect(button(id::kOk), &QAbstractButton::clicked, this, &CalculatorDialog::accept);
    connect(button(id::kCancel), &QAbstractButton::clicked, this, &CalculatorDialog::reject);
}

QString CalculatorDialog::InputText() const
{
    return controls_.input->toPlainText();
}

void CalculatorDialog::ShowInputText(const QString& text)
{
    evaluation_recorded_ = false;
    const QSignalBlocker not_an_edit(controls_.input);
    controls_.input->setPlainText(text);
}

// One edit, not two: the history line never passes through an empty text,
// so a text the line cannot take back (bytes GBK does not define) leaves the
// line as it was. Undo goes back to the empty box, not to the text before.
void CalculatorDialog::ReplaceInputText(const QString& text)
{
    ShowInputText({});
    if (text.isEmpty())
        MirrorInput();
    else
        PutAtCaret(controls_.input->textCursor(), text);
}

void CalculatorDialog::InsertAtCaret(const QString& text)
{
    QTextCursor cursor = controls_.input->textCursor();
    if (controls_.input->Fits(cursor, text))
        PutAtCaret(cursor, text);
}

void CalculatorDialog::PutAtCaret(QTextCursor cursor, const QString& text)
{
    cursor.insertText(text);
    controls_.input->setTextCursor(cursor);
    controls_.input->ensureCursorVisible();
}

void CalculatorDialog::FocusInput()
{
    controls_.input->setFocus();
}

QString CalculatorDialog::ResultText() const
{
    return controls_.result->text();
}

void CalculatorDialog::ShowResultText(const QString& text)
{
    controls_.result->setText(text);
}

bool CalculatorDialog::ImmediateMode() const
{
    return controls_.immediate->isChecked();
}

Radix CalculatorDialog::CurrentRadix() const
{
    return static_cast<Radix>(controls_.radix->checkedId() - id::kRadixBinary);
}

std::optional<double> CalculatorDialog::Evaluate(const QString& text)
{
    std::optional<std::string> copy = ToGbk(text);
    if (!copy) {
        port_.ShowMessage(NotGbkMessage(text));
        return std::nullopt;
    }
    return engine_.EvaluateText(*copy);
}

// Esc and the close box end the program only when the user says so.
void CalculatorDialog::reject()
{
    if (port_.AskYesNo(u"要退出吗?"_s))
        QDialog::reject();
}

// Enter reaching the window does nothing.
void CalculatorDialog::accept() {}

}  // namespace orvik
