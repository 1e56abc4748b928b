#include "platform/greek_letters.h"

#include <string_view>

#include "platform/gbk_qt.h"

namespace orvik {

QStringList GreekLetters()
{
    QStringList letters;
    for (const unsigned char first : {0xC1, 0xA1})
        for (int i = 0; i < 24; ++i) {
            const char gbk[] = {'\xA6', static_cast<char>(first + i)};
            letters << FromGbk(std::string_view(gbk, 2));
        }
    return letters;
}

}  // namespace orvik
