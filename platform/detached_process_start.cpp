#include "platform/detached_process_start.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

namespace orvik {

bool DetachedProcessStart::StartDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QFile::decodeName(argument.c_str());
    // Reports a program that is missing or cannot be run, not only a failed fork.
    return QProcess::startDetached(QFile::decodeName(program.c_str()), list, {}, &last_process_id_);
}

}  // namespace orvik
