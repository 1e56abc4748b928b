#pragma once

// The frame of the programs that draw a window for the documentation:
// NAME FILE.png, on a display, with the program's style, a real port and a
// fresh engine.
#include <functional>
#include <iostream>
#include <memory>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "engine/engine.h"
#include "platform/port_engine_host.h"
#include "platform/program_style.h"
#include "platform/widget_user_port.h"

namespace orvik {

// `show` makes the window, shows it and fills it in; null when it cannot.
using ShowWindow = std::function<std::unique_ptr<QWidget>(Engine&, UserPort&)>;

inline int RunScreenshot(int argc, char** argv, const char* name, const ShowWindow& show)
{
    if (argc != 2) {
        std::cerr << "usage: " << name << " FILE.png\n";
        return 2;
    }
    QApplication application(argc, argv);
    ApplyProgramStyle(application);
    WidgetUserPort port;
    PortEngineHost host(port);
    auto engine = std::make_unique<Engine>(host);
    const std::unique_ptr<QWidget> window = show(*engine, port);
    if (!window)
        return 1;
    QTimer::singleShot(500, window.get(), [&] {
        const bool saved = window->grab().save(QString::fromLocal8Bit(argv[1]));
        application.exit(saved ? 0 : 1);  // quit() could ask a closing question
    });
    return application.exec();
}

}  // namespace orvik
