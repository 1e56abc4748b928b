#pragma once

#include <optional>
#include <string_view>

namespace orvik {

// A number typed into a box or given on the command line: the whole text is
// one finite decimal number, blanks around it allowed; nullopt otherwise.
// Independent of the C locale.
std::optional<double> ReadNumberEntry(std::string_view text);

}  // namespace orvik
