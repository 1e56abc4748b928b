// The angle unit of the trigonometric functions and the degree display 度°.
#include <QAbstractButton>

#include "calculator/calculator_dialog.h"
#include "calculator/core/degree_text.h"
#include "engine/engine.h"
#include "platform/control_id.h"
#include "platform/gbk_qt.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

// Applies to the next evaluation; nothing shown is recalculated.
void CalculatorDialog::ChooseAngleUnit(int id)
{
    engine_.SetAngleMode(id == id::kRadians ? AngleMode::Radians : AngleMode::Degrees);
}

// Forward, the input box is a statement whose value is the angle; back, it is
// a written angle read without the engine. Either way the new text is shown,
// not edited in, so the history line keeps its text until the next edit.
void CalculatorDialog::ToggleDegreeDisplay()
{
    const bool to_dms = !dms_display_;
    const std::optional<std::string> text = ReadInputLine();
    if (!text)
        return;
    std::string shown;
    if (to_dms) {
        std::string copy = *text;
        last_result_ = engine_.EvaluateText(copy);
        shown = DegreesToDmsText(last_result_);
    } else {
        last_result_ = DmsTextToDegrees(*text);
        shown = DecimalDegreesText(last_result_);
    }
    dms_display_ = to_dms;
    ShowInputText(FromGbkLines(shown));
    FindControl<QAbstractButton>(*this, id::kDegreeDisplay)->setText(to_dms ? u"d.m.s"_s : u"度°"_s);
}

}  // namespace orvik
