// Draws the calculator window after a few history steps into a PNG file, for
// the documentation: calculator_screenshot FILE.png (needs a display).
#include "calculator/calculator_dialog.h"
#include "screenshot_program.h"

int main(int argc, char** argv)
{
    return orvik::RunScreenshot(argc, argv, "calculator_screenshot", [](orvik::Engine& engine, orvik::UserPort& port) {
        auto window = std::make_unique<orvik::CalculatorDialog>(engine, port);
        window->show();
        // A few lines stepped through with ↓, then ↑ back to the last one.
        for (const char16_t* statement : {u"x=3;y=4", u"r=(x^2+y^2)^0.5", u"α=30", u"x1=r*cos(α)",
                                          u"y1=r*sin(α)", u"半径=12.5", u"面积=π*半径^2"}) {
            window->ReplaceInputText(QString::fromUtf16(statement));
            window->StepDown();
        }
        window->StepUp();
        return std::unique_ptr<QWidget>(std::move(window));
    });
}
