#include <unistd.h>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/completion.h"
#include "cli/console_host.h"
#include "cli/console_input.h"
#include "cli/console_output.h"
#include "cli/line_editor.h"
#include "cli/line_history.h"
#include "engine/engine.h"
#include "engine/quoted_text.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

constexpr const char* kUsage = R"(用法: orvik [选项] [计算过程文件.vek | 公式文件.tfl]

不带 --eval、--console 或 --formula 时打开计算器窗口 (没有图形显示时改用控制台);
公式文件在公式计算窗口中打开。

  -e, --eval 计算式     计算一次并输出结果 (与窗口的"＝"相同), 退出码 0
      --console         从标准输入逐行读入计算式, 每行输出一个结果; 变量保留, 空行跳过,
                        超过 65536 个字节的行不计算。在终端上: 可以编辑输入行; Tab 补全
                        函数名、变量名和保留字; ↑↓ 调出输入过的行 (保存在
                        $XDG_STATE_HOME/orvik/history, 默认 ~/.local/state/orvik/history,
                        最近 500 行); Ctrl-C 放弃正在输入的行, 变量保留; Ctrl-D、quit 或
                        exit 结束
      --formula 公式文件.tfl [变量名=值 ...]
                        公式文件是一个路径, 或公式库中的名字 (如 齿轮/标准直齿圆柱齿轮
                        几何尺寸.tfl, 在任何文件夹中都可用; 当前文件夹中有这个路径时
                        用它)。像公式计算窗口一样计算这个公式: 每个 变量名=值 如同在该输入
                        变量的"值"格中输入值并按回车 (值可以是计算式), 然后计算一次;
                        每个计算式输出一行 "计算式<Tab>结果", 再每个变量一行
                        "变量名<Tab>值"。读公式出错或输入的值有错 (给出提示) 时不计算,
                        退出码 1; 变量名不是公式的输入时 2
      --sweep 变量名=起始值:终止值:步长
                        与 --formula 一起, 参数扫描: 这个输入变量从起始值每次加一个步长,
                        直到终止值 (最多 10000 个点), 每个值计算一次全部计算式, 其他输入
                        不变; 先输出一行 "变量名<Tab>计算式<Tab>...", 再每个值一行
                        "值<Tab>结果<Tab>..." (%.17g)。计算式出错时在那个点停止, 退出码 1;
                        范围不对时退出码 2
      --points 点数     与 --sweep 一起: 从起始值到终止值均匀取这么多点 (2 到 10000),
                        这时写 --sweep 变量名=起始值:终止值
      --log             与 --sweep 一起: 对数刻度, 值都须大于 0; 步长是相邻两值之比
      --csv             与 --sweep 一起: 输出 CSV (UTF-8 带 BOM, 逗号分隔), 同窗口的"保存表格"
      --tolerance 变量名=公差
                        与 --formula 一起, 公差分析 (可以给多个): 公差写成 ±T 或 +-T (值-T 到值+T)、
                        +A/-B (值加两个带符号的偏差, 如 +0.021/0、-0.007/-0.020) 或 P% (值的
                        ±P%), 没有公差的输入不变。先输出一行列名, 再每个计算式赋值的变量一行:
                        变量名、名义值、最坏情况最小值和最大值、RSS 中心值和半宽、蒙特卡洛均值和
                        标准差、0.135% 和 99.865% 分位点 (%.17g, Tab 分隔)。没有得出数值的样本
                        不计入, 个数在标准错误上说明。名义值处没有得出数值时退出码 1;
                        变量名不是公式的输入或公差写法不对时 2
      --normal          与 --tolerance 一起: 蒙特卡洛按正态分布取样 (均值在范围中点, σ = 半宽/3),
                        默认在范围内均匀取样
      --samples 个数    与 --tolerance 一起: 蒙特卡洛的样本数 (2 到 1000000, 默认 100000)
      --seed 种子       与 --tolerance 一起: 随机数种子 (默认 1); 种子相同, 结果也相同
      --list            列出公式库中的全部公式, 每行一个: 相对于公式库的路径, 按公式树的顺序
      --solve 输入变量名 --target 结果变量名=目标值 [--range 起始值:终止值]
                        与 --formula 一起, 反求: 找出这个输入变量在范围内使结果变量等于
                        目标值的每一个值 (目标值、起始值和终止值可以是计算式); 不给
                        --range 时范围是当前值的 1/10 到 10 倍 (当前值为 0 时 -1 到 1)。
                        每个解一行 "输入值<Tab>结果值" (%.17g), 由小到大; 没有解时退出码 1,
                        标准错误上给出最接近目标的一点; 变量名或值不对时退出码 2
      --radians         三角函数使用弧度 (默认为角度)
      --radix B|O|D|H   结果显示为二、八、十或十六进制 (默认 D)
      --bytes 1|2|4|8   二、八、十六进制显示的字节长 (默认 4)
  -h, --help            显示本说明
      --version         显示版本和许可证

计算式里可以用 ";" 或换行分开多个语句, 结果为最后一个语句的值。
不认识的变量名会在标准错误上询问 "变量名 = ", 从标准输入读一行作为它的值
(取开头的数, 没有数为 0; 输入结束时按取消处理, 值为 0)。
提示信息输出到标准错误, 每条一行。结果写不出 (例如磁盘已满) 时在标准错误上说明, 退出码 1。
公式库是 ~/.local/share/orvik/vekf (程序文件夹可写且不在 /usr 下时为其中的 vekf)。

例:  orvik -e "r=(3^2+4^2)^0.5"          输出 5.000000000000
     orvik --radix H -e "255"            输出 0xFF
     orvik --formula 齿轮/标准直齿圆柱齿轮几何尺寸.tfl m=3 z=25
     orvik --formula 齿轮/标准直齿圆柱齿轮几何尺寸.tfl z=25 --sweep m=1:5:0.5
     orvik --formula 齿轮/直齿轮端面重合度.tfl --solve z1 --target εα=1.6 --range 12:200
     orvik --formula 齿轮/直齿轮端面重合度.tfl --tolerance x1=±0.05 --tolerance α=±0.1
)";

constexpr const char* kVersion = "orvik " ORVIK_VERSION R"(
Copyright (C) 2026 The Orvik developers
许可证 GPL-3.0-or-later: GNU 通用公共许可证第 3 版或 (由您选择) 任何更新的版本。
这是自由软件: 您可以修改和再发布它。在法律允许的范围内, 它没有任何担保。
)";

// The engine and its console: results on standard output, messages on
// standard error, lines from `input`.
class ConsoleSession {
public:
    ConsoleSession(const CommandLine& command_line, bool line_editing)
        : command_line_(command_line), input_(MakeInput(line_editing)),
          host_(*input_, output_), engine_(std::make_unique<Engine>(host_))
    {
        engine_->SetAngleMode(command_line.radians ? AngleMode::Radians : AngleMode::Degrees);
    }

    // Evaluates one line of UTF-8 text and prints its result; false when the
    // text cannot be handed to the engine.
    bool EvaluateLine(const std::string& utf8)
    {
        std::optional<std::string> text = Utf8ToGbk(utf8);
        if (!text) {
            output_.WriteError("计算式中有无法用 GBK 表示的字符: " +
                               QuoteText(utf8, TextEncoding::Utf8) + '\n');
            return false;
        }
        const double value = engine_->EvaluateText(*text);
        output_.Write(FormatResult(value, command_line_.radix, command_line_.byte_length));
        output_.Write("\n");
        return true;
    }

    // Evaluates every non-empty input line, until the results can no
    // longer be written.
    void Run()
    {
        std::string line;
        while (!output_.Failed() && input_->ReadLine(line)) {
            if (input_->LastLineCut()) {
                output_.WriteError("输入行太长, 一行不能超过" + std::to_string(PipedInput::kLineMax)
                                   + "个字节, 没有计算: " + QuoteText(line, TextEncoding::Utf8) + '\n');
                continue;
            }
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty())
                EvaluateLine(line);
        }
    }

    // The exit status `status`, or 1 when the results could not all be written.
    int Finish(int status) { return output_.Finish(status); }

private:
    // The line editor completes the words of this session's engine.
    std::unique_ptr<ConsoleInput> MakeInput(bool line_editing)
    {
        if (!line_editing)
            return std::make_unique<PipedInput>(output_);
        return std::make_unique<LineEditor>(
            output_, [this] { return CompletionWords(engine_->Variables()); },
            LineHistory(DefaultHistoryPath(), kHistoryLines));
    }

    const CommandLine& command_line_;
    ConsoleOutput output_;
    std::unique_ptr<ConsoleInput> input_;
    ConsoleHost host_;
    std::unique_ptr<Engine> engine_;
};

// Someone typing at a terminal gets the line editor; pipes and files keep
// their plain line-for-line output.
bool AtTerminal()
{
    return ::isatty(STDIN_FILENO) && ::isatty(STDOUT_FILENO);
}

}  // namespace

int RunConsoleFrontEnd(const CommandLine& command_line)
{
    switch (command_line.mode) {
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version: {
        ConsoleOutput output;
        output.Write(command_line.mode == CommandLine::Mode::Help ? kUsage : kVersion);
        return output.Finish(0);
    }
    case CommandLine::Mode::List:
        return RunListCommand();
    case CommandLine::Mode::Invalid:
        std::cerr << "orvik: " << command_line.error << "\n(orvik --help 显示用法)\n";
        return 2;
    case CommandLine::Mode::Formula:
        return RunFormulaCommand(command_line);
    case CommandLine::Mode::Eval: {
        ConsoleSession session(command_line, false);
        return session.Finish(session.EvaluateLine(command_line.text) ? 0 : 1);
    }
    default: {
        ConsoleSession session(command_line, AtTerminal());
        session.Run();
        return session.Finish(0);
    }
    }
}

}  // namespace orvik
