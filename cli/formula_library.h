#pragma once

#include <string>

namespace orvik {

// The formula file that `name` on the command line stands for: a path that
// exists from the current folder, or an absolute one, as it is; else the
// same name in the user's formula library, so that "齿轮/x.tfl" works from
// any folder.
std::string FormulaFileFor(const std::string& name);

}  // namespace orvik
