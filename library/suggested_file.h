#pragma once

#include <QString>

namespace orvik {

// Where a save dialog proposes to put a file named `name`: the data
// directory, which the user may write.
QString SuggestedDataFile(const QString& name);

}  // namespace orvik
