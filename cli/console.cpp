#include <iostream>
#include <memory>
#include <string>

#include "cli/command_line.h"
#include "cli/console_host.h"
#include "engine/engine.h"
#include "engine/quoted_text.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

constexpr const char* kUsage = R"(用法: orvik [选项] [计算过程文件.vek]

不带 --eval、--console 或 --formula 时打开计算器窗口 (没有图形显示时改用控制台)。

  -e, --eval 计算式     计算一次并输出结果 (与窗口的"＝"相同), 退出码 0
      --console         从标准输入逐行读入计算式, 每行输出一个结果; 变量保留, 空行跳过
      --formula 公式文件.tfl [变量名=值 ...]
                        像公式计算窗口一样计算一个公式: 每个 变量名=值 如同在该输入
                        变量的"值"格中输入值并按回车 (值可以是计算式), 然后计算一次;
                        每个计算式输出一行 "计算式<Tab>结果", 再每个变量一行
                        "变量名<Tab>值"。读公式出错时退出码 1, 变量名不是公式的输入时 2
      --radians         三角函数使用弧度 (默认为角度)
      --radix B|O|D|H   结果显示为二、八、十或十六进制 (默认 D)
      --bytes 1|2|4|8   二、八、十六进制显示的字节长 (默认 4)
  -h, --help            显示本说明

计算式里可以用 ";" 或换行分开多个语句, 结果为最后一个语句的值。
不认识的变量名会在标准错误上询问 "变量名 = ", 从标准输入读一行作为它的值
(取开头的数, 没有数为 0; 输入结束时按取消处理, 值为 0)。
提示信息输出到标准错误, 每条一行。

例:  orvik -e "r=(3^2+4^2)^0.5"          输出 5.000000000000
     orvik --radix H -e "255"            输出 0xFF
     orvik --formula vekf/齿轮/标准直齿圆柱齿轮几何尺寸.tfl m=3 z=25
)";

class ConsoleSession {
public:
    explicit ConsoleSession(const CommandLine& command_line)
        : command_line_(command_line), host_(std::cin, std::cerr),
          engine_(std::make_unique<Engine>(host_))
    {
        engine_->SetAngleMode(command_line.radians ? AngleMode::Radians : AngleMode::Degrees);
    }

    // Evaluates one line of UTF-8 text and prints its result; false when the
    // text cannot be handed to the engine.
    bool EvaluateLine(const std::string& utf8)
    {
        std::optional<std::string> text = Utf8ToGbk(utf8);
        if (!text) {
            std::cerr << "计算式中有无法用 GBK 表示的字符: " << QuoteText(utf8, TextEncoding::Utf8)
                      << '\n';
            return false;
        }
        const double value = engine_->EvaluateText(*text);
        std::cout << FormatResult(value, command_line_.radix, command_line_.byte_length) << '\n'
                  << std::flush;
        return true;
    }

private:
    const CommandLine& command_line_;
    ConsoleHost host_;
    std::unique_ptr<Engine> engine_;
};

int RunConsole(ConsoleSession& session)
{
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            session.EvaluateLine(line);
    }
    return 0;
}

}  // namespace

int RunConsoleFrontEnd(const CommandLine& command_line)
{
    switch (command_line.mode) {
    case CommandLine::Mode::Help:
        std::cout << kUsage;
        return 0;
    case CommandLine::Mode::Invalid:
        std::cerr << "orvik: " << command_line.error << "\n(orvik --help 显示用法)\n";
        return 2;
    case CommandLine::Mode::Formula:
        return RunFormulaCommand(command_line);
    case CommandLine::Mode::Eval: {
        ConsoleSession session(command_line);
        return session.EvaluateLine(command_line.text) ? 0 : 1;
    }
    default: {
        ConsoleSession session(command_line);
        return RunConsole(session);
    }
    }
}

}  // namespace orvik
