#pragma once

#include <string_view>

namespace orvik {

class ProcessStart;
class UserPort;

// Prints `text` (GBK) through the print companion; says why when it could not.
void PrintThroughCompanion(std::string_view text, ProcessStart& start, UserPort& port);

}  // namespace orvik
