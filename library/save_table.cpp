#include "library/save_table.h"

#include <QFile>

#include "library/command_captions.h"
#include "library/suggested_file.h"
#include "platform/atomic_file.h"
#include "platform/user_port.h"
#include "records/save_report.h"

namespace orvik {

using namespace Qt::StringLiterals;

void SaveCsvTable(UserPort& port, const QString& suggested_name, std::string_view csv)
{
    const QString path = port.ChooseFileToSave(caption::kSaveTable, SuggestedDataFile(suggested_name),
                                               u"CSV 表格 (*.csv);;所有文件 (*.*)"_s);
    if (!path.isEmpty())
        ReportSave(port, WriteFileAtomically(QFile::encodeName(path).toStdString(), csv));
}

}  // namespace orvik
