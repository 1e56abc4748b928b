// orvik-window: the calculator window. The program `orvik` starts it from
// beside itself when a window can be shown, with the process file (or
// formula file) to open as its one argument.
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <memory>

#include <QApplication>

#include "calculator/calculator_dialog.h"
#include "engine/engine.h"
#include "platform/port_engine_host.h"
#include "platform/program_style.h"
#include "platform/qt_translation.h"
#include "platform/user_library.h"
#include "platform/widget_user_port.h"
#include "platform/window_display.h"

int main(int argc, char** argv)
{
    // Past the file size limit a write fails (and says so) instead of ending
    // the program with the history unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    // The toolkit would end the program without a word.
    if (!orvik::CanShowWindow(orvik::DisplayEnvironment::FromProcess())) {
        std::cerr << "orvik-window: " << orvik::kNoDisplayMessage << '\n';
        return EXIT_FAILURE;
    }
    orvik::PrepareDataDirectory();
    // Taken before the toolkit reads its own options out of the arguments.
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

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
    window.RememberProcessFile(file);
    window.exec();
    return EXIT_SUCCESS;
}
