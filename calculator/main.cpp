// orvik: the calculator window, or the console front-end when asked for it
// or when there is no display to show a window on.
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <memory>

#include <QApplication>

#include "calculator/calculator_dialog.h"
#include "cli/command_line.h"
#include "engine/engine.h"
#include "platform/port_engine_host.h"
#include "platform/program_style.h"
#include "platform/qt_translation.h"
#include "platform/user_library.h"
#include "platform/widget_user_port.h"
#include "platform/window_display.h"

namespace {

int RunWindow(int argc, char** argv, const orvik::CommandLine& command_line)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Ombrix"));
    // Docks match the window to the desktop entry by this name (Wayland) or
    // by the window class, the application name (X11).
    QGuiApplication::setDesktopFileName(QStringLiteral("orvik"));
    orvik::ApplyProgramStyle(application);
    orvik::InstallQtChineseTranslation();

    orvik::WidgetUserPort port;
    orvik::PortEngineHost host(port);
    auto engine = std::make_unique<orvik::Engine>(host);
    orvik::CalculatorDialog window(*engine, port);
    window.RememberProcessFile(QString::fromLocal8Bit(command_line.file));
    window.exec();
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv)
{
    // Past the file size limit a write fails (and says so) instead of ending
    // the program with the history unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    const orvik::CommandLine command_line = orvik::ParseCommandLine(argc, argv);
    if (command_line.mode != orvik::CommandLine::Mode::Window)
        return orvik::RunConsoleFrontEnd(command_line);
    if (!orvik::CanShowWindow(orvik::DisplayEnvironment::FromProcess())) {
        std::cerr << "orvik: 没有可用的图形显示 (DISPLAY 或 WAYLAND_DISPLAY 未设置或连不上), 改用控制台计算\n";
        if (!command_line.file.empty())
            std::cerr << "orvik: " << command_line.file << " 只在窗口中打开, 控制台不读它\n";
        return orvik::RunConsoleFrontEnd(command_line);
    }
    orvik::PrepareDataDirectory();
    return RunWindow(argc, argv, command_line);
}
