#include "platform/platform_calculator.h"

#include <QProcess>
#include <QStandardPaths>

namespace orvik {

using namespace Qt::StringLiterals;

QString FindPlatformCalculator(const QStringList& search_paths)
{
    static const QStringList kCalculators = {
        u"gnome-calculator"_s, u"kcalc"_s, u"mate-calc"_s, u"galculator"_s,
        u"qalculate-qt"_s, u"qalculate-gtk"_s, u"xcalc"_s,
    };
    for (const QString& name : kCalculators) {
        const QString path = QStandardPaths::findExecutable(name, search_paths);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool StartPlatformCalculator()
{
    const QString path = FindPlatformCalculator();
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

}  // namespace orvik
