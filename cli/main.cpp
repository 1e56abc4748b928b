// orvik: the console front-end, and the door to the calculator window. The
// window is a program of its own beside this one, so that a calculation from
// the console starts without loading the toolkit.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/command_line.h"
#include "platform/program_directory.h"
#include "platform/window_display.h"

namespace {

// Replaces this process by the window program, which finds the same program
// directory beside it; given the process file to read, if any. Returns only
// when it cannot be started.
int StartWindowProgram(const orvik::CommandLine& command_line)
{
    const std::string program = orvik::WindowProgramPath();
    const char* argv[] = {program.c_str(), command_line.file.empty() ? nullptr : command_line.file.c_str(),
                          nullptr};
    execv(program.c_str(), const_cast<char* const*>(argv));
    std::cerr << "orvik: 计算器窗口程序 " << program << " 不能启动: " << std::strerror(errno) << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // Past the file size limit a write fails (and says so) instead of ending
    // the program with the results unwritten.
    std::signal(SIGXFSZ, SIG_IGN);
    const orvik::CommandLine command_line = orvik::ParseCommandLine(argc, argv);
    if (command_line.mode != orvik::CommandLine::Mode::Window)
        return orvik::RunConsoleFrontEnd(command_line);
    if (!orvik::CanShowWindow(orvik::DisplayEnvironment::FromProcess())) {
        std::cerr << "orvik: " << orvik::kNoDisplayMessage << ", 改用控制台计算\n";
        if (!command_line.file.empty())
            std::cerr << "orvik: " << command_line.file << " 只在窗口中打开, 控制台不读它\n";
        return orvik::RunConsoleFrontEnd(command_line);
    }
    return StartWindowProgram(command_line);
}
