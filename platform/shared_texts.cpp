#include "platform/shared_texts.h"

namespace orvik {

using namespace Qt::StringLiterals;

QString NotAvailableMessage()
{
    return u"暂时不具有此功能，请关注本软件的升级"_s;
}

QString TextFileFilter()
{
    return u"文本文件 (*.txt);;所有文件 (*.*)"_s;
}

}  // namespace orvik
