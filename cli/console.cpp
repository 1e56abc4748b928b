#include <unistd.h>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/console_host.h"
#include "cli/console_input.h"
#include "cli/console_output.h"
#include "cli/line_editor.h"
#include "engine/engine.h"
#include "engine/quoted_text.h"
#include "platform/gbk.h"

namespace orvik {
namespace {

constexpr const char* kUsage = R"(用法: orvik [选项] [计算过程文件.vek]

不带 --eval 或 --console 时打开计算器窗口 (没有图形显示时改用控制台)。

  -e, --eval 计算式     计算一次并输出结果 (与窗口的"＝"相同), 退出码 0
      --console         从标准输入逐行读入计算式, 每行输出一个结果; 变量保留, 空行跳过
                        (在终端上可以编辑输入行, ↑↓ 调出本次输入过的行, Ctrl-D 结束)
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
)";

// The engine and its console: results on standard output, messages on
// standard error, lines from `input`.
class ConsoleSession {
public:
    ConsoleSession(const CommandLine& command_line, bool line_editing)
        : command_line_(command_line), input_(MakeInput(line_editing, output_)),
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

    // Evaluates every non-empty input line.
    void Run()
    {
        std::string line;
        while (input_->ReadLine(line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty())
                EvaluateLine(line);
        }
    }

private:
    static std::unique_ptr<ConsoleInput> MakeInput(bool line_editing, ConsoleOutput& output)
    {
        if (line_editing)
            return std::make_unique<LineEditor>(output);
        return std::make_unique<PipedInput>(output);
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
        std::cout << kUsage;
        return 0;
    case CommandLine::Mode::Invalid:
        std::cerr << "orvik: " << command_line.error << "\n(orvik --help 显示用法)\n";
        return 2;
    case CommandLine::Mode::Eval: {
        ConsoleSession session(command_line, false);
        return session.EvaluateLine(command_line.text) ? 0 : 1;
    }
    default: {
        ConsoleSession session(command_line, AtTerminal());
        session.Run();
        return 0;
    }
    }
}

}  // namespace orvik
