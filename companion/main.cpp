#include <csignal>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>

#include "companion/command_line.h"
#include "companion/vek_print_app.h"

int main(int argc, char* argv[])
{
    // Past the file size limit a save fails with its message instead of
    // ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Decided before Qt starts: without the calculator's argument there is
    // nothing to do, not even a display to open.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::optional<std::string> path = orvik::FileToOpen(arguments);
    if (!path)
        return 0;
    QApplication app(argc, argv);
    orvik::ApplyVekPrintLook(app);
    return orvik::RunVekPrint(*path);
}
