#include "companion/icons.h"

namespace orvik {

QIcon CompanionIcon(const char* name)
{
    // The "@2x" variant beside each file serves high-resolution screens.
    return QIcon(QStringLiteral(":/companion/%1.png").arg(QLatin1StringView(name)));
}

}  // namespace orvik
