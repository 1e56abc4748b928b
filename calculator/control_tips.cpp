#include "calculator/control_tips.h"

#include <QWidget>

#include "platform/control_id.h"
#include "resources/control_ids.h"

namespace orvik {
namespace {

struct ControlTip {
    int id;
    const char16_t* text;
};

constexpr ControlTip kTips[] = {
    {id::kInputBox, u"计算式书写框,书写完后按回车或点击\"=\"或按\"=\""},
    {id::kPower, u"乘方运算:x^y即x的y次方,y可是小数"},
    {id::kSin, u"正弦函数"},
    {id::kCos, u"余弦函数"},
    {id::kTan, u"正切函数"},
    {id::kInv, u"渐开线函数"},
    {id::kAsin, u"反正弦函数"},
    {id::kAcos, u"反余弦函数"},
    {id::kAtan, u"反正切函数"},
    {id::kAinv, u"反渐开线函数"},
    {id::kAbs, u"求绝对值"},
    {id::kInt, u"取整运算"},
    {id::kLog, u"对数运算,使用:log(x,y)"},
    {id::kLg, u"常用对数,使用:lg(x)"},
    {id::kLn, u"自然对数,使用:ln(x)"},
    {id::kExp, u"自然子数运算,使用:exp(x)"},
    {id::kBackspace, u"删除前一个字符"},
    {id::kAssign, u"赋值,使用:变量名=计算式,如:result=x^2+y^2-sin(20)"},
    {id::kEvaluate, u"对框中内容进行计算,快捷键:空白键"},
    {id::kResultBox, u"显示计算结果"},
    {id::kStepUp, u"上一次的计算式"},
    {id::kStepDown, u"存本次计算式,进入下一计算式"},
    {id::kSave, u"将所有的计算式存入文件中"},
    {id::kLoad, u"从指定的文件中读入计算式"},
    {id::kJumpToLine, u"跳转到指定行号"},
    {id::kVariableList, u"双击变量修改变量值,左键单击添加到公式编辑框"},
    {id::kDegreeDisplay, u"度数与度分秒之间转换"},
    {id::kPi, u"圆周率常量"},
    {id::kPrint, u"重新计算所有式子并打印结果"},
};

}  // namespace

void ApplyControlTips(QWidget& root)
{
    for (const ControlTip& tip : kTips)
        if (QWidget* control = FindControl<QWidget>(root, tip.id))
            control->setToolTip(QString::fromUtf16(tip.text));
}

}  // namespace orvik
