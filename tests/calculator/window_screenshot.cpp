// Draws the calculator window after a few history steps into a PNG file, for
// the documentation: calculator_screenshot FILE.png (needs a display).
#include <iostream>
#include <memory>

#include <QApplication>
#include <QTimer>

#include "calculator/calculator_dialog.h"
#include "engine/engine.h"
#include "platform/port_engine_host.h"
#include "platform/program_style.h"
#include "platform/widget_user_port.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: calculator_screenshot FILE.png\n";
        return 2;
    }
    QApplication application(argc, argv);
    orvik::ApplyProgramStyle(application);
    orvik::WidgetUserPort port;
    orvik::PortEngineHost host(port);
    auto engine = std::make_unique<orvik::Engine>(host);
    orvik::CalculatorDialog window(*engine, port);
    window.show();
    // A few lines stepped through with ↓, then ↑ back to the last one.
    for (const char16_t* statement : {u"x=3;y=4", u"r=(x^2+y^2)^0.5", u"α=30", u"x1=r*cos(α)",
                                      u"y1=r*sin(α)", u"半径=12.5", u"面积=π*半径^2"}) {
        window.ReplaceInputText(QString::fromUtf16(statement));
        window.StepDown();
    }
    window.StepUp();
    QTimer::singleShot(500, &window, [&] {
        const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
        application.exit(saved ? 0 : 1);  // quit() would ask the exit question
    });
    return application.exec();
}
