#pragma once

#include <QString>
#include <QStringList>

namespace orvik {

// The desktop's calculator: the first program of a short list of known
// calculators found in `search_paths` (empty: the PATH). Empty when none is
// installed.
QString FindPlatformCalculator(const QStringList& search_paths = {});

// Starts the desktop's calculator without waiting for it; false when none is
// installed or it cannot be started.
bool StartPlatformCalculator();

}  // namespace orvik
