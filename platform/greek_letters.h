#pragma once

#include <QStringList>

namespace orvik {

// The 24 lower-case Greek letters, then the 24 capitals, in alphabetical
// order, as the letter lists offer them (GBK A6C1-A6D8, A6A1-A6B8).
QStringList GreekLetters();

}  // namespace orvik
