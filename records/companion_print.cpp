#include "records/companion_print.h"

#include "platform/gbk_qt.h"
#include "platform/user_port.h"
#include "records/print_hand_off.h"

namespace orvik {

void PrintThroughCompanion(std::string_view text, ProcessStart& start, UserPort& port)
{
    const PrintHandOff hand_off = HandOffToCompanion(text, start);
    if (!hand_off.ok)
        port.ShowMessage(FromGbk(hand_off.message));
}

}  // namespace orvik
