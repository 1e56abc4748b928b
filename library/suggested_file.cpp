#include "library/suggested_file.h"

#include <QFile>

#include "library/core/library_paths.h"
#include "platform/program_directory.h"

namespace orvik {

QString SuggestedDataFile(const QString& name)
{
    return QFile::decodeName(JoinPath(DataDirectory(), "").c_str()) + name;
}

}  // namespace orvik
