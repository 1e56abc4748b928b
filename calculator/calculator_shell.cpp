// The window's commands that are not calculations.
#include "calculator/about_dialog.h"
#include "calculator/calculator_dialog.h"
#include "calculator/help_text.h"
#include "calculator/help_text_dialog.h"
#include "platform/gbk_qt.h"
#include "platform/platform_calculator.h"
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
    port_.ShowMessage(
        u"pow(x,y):x的y次方，\t!(x):阶乘\n"
        u"sinh(x):双曲正弦，\t cosh(x):双曲余弦\n"
        u"tanh(x):双曲正切，\tsqrt(x):开平方\n"
        u"dtor(x):角度到弧度，\trtod(x):弧度到角度\n"
        u"_min(x,y):求得小值，\t_max(x,y):求大值\n"
        u"x%y:x/y所得的余数\n"
        u"_P(x,y):求排列数 ，\t_C(x,y):求组合数\n"
        u"or(x,y):按位或，\tand(x,y)按位与\n"
        u"xor(x,y):按位异或，\tneg(x):按位取反\n"
        u"十六进制数在前面加'0X'，如'0x2f'\n"
        u"二进制数在前面加'0B'，如'0B010011'"_s);
}

void CalculatorDialog::ShowNotAvailable()
{
    port_.ShowMessage(u"暂时不具有此功能，请关注本软件的升级"_s);
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
