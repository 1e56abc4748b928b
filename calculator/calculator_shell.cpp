// The window's commands that are not calculations.
#include "calculator/about_dialog.h"
#include "calculator/calculator_dialog.h"
#include "calculator/help_text.h"
#include "calculator/help_text_dialog.h"
#include "engine/operator_table.h"
#include "platform/gbk_qt.h"
#include "platform/platform_calculator.h"
#include "platform/shared_texts.h"
#include "platform/user_port.h"

namespace orvik {

using namespace Qt::StringLiterals;

void CalculatorDialog::ShowAbout()
{
    AboutDialog about(this);
    port_.RunDialog(about);
}

void CalculatorDialog::ShowHelp()
{
    const std::string path = FindHelpFile();
    const std::optional<std::string> text = path.empty() ? std::nullopt : ReadHelpText(path);
    if (!text) {
        port_.ShowMessage(u"没有找到“计算器.txt”文件，帮助不能用"_s);
        return;
    }
    HelpTextDialog help(FromGbkLines(*text), this);
    port_.RunDialog(help);
}

void CalculatorDialog::ShowFunctionSummary()
{
    port_.ShowMessage(FromGbk(FunctionSummaryText()));
}

void CalculatorDialog::ShowNotAvailable()
{
    port_.ShowMessage(NotAvailableMessage());
}

void CalculatorDialog::ShowNotSupported()
{
    port_.ShowMessage(u"目前，暂不支持，请使用通用计算程序(malv.exe)来实现此功能"_s);
}

// A click that starts nothing would look like a fault, so a missing
// calculator is named.
void CalculatorDialog::StartCalculator()
{
    if (!StartPlatformCalculator())
        port_.ShowMessage(u"没有找到可以启动的计算器程序（如 gnome-calculator、kcalc、xcalc）"_s);
}

}  // namespace orvik
