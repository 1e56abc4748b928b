#include "records/save_report.h"

#include "platform/gbk_qt.h"
#include "platform/user_port.h"
#include "records/process_file.h"

namespace orvik {

using namespace Qt::StringLiterals;

void ReportSave(UserPort& port, bool saved)
{
    port.ShowMessage(saved ? u"保存成功"_s : FromGbk(kCannotOpenFileMessage));
}

}  // namespace orvik
