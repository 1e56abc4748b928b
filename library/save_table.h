#pragma once

#include <string_view>

#include <QString>

namespace orvik {

class UserPort;

// 保存表格: asks where to, proposing `suggested_name` in the data directory,
// writes the CSV text there and says how it went.
void SaveCsvTable(UserPort& port, const QString& suggested_name, std::string_view csv);

}  // namespace orvik
