#pragma once

#include <ctime>
#include <span>
#include <string>
#include <vector>

namespace orvik {

// One evaluated statement line, as the process log lists it.
struct CalculationRecord {
    int line_number = 0;    // in the history, from 1
    std::string statement;  // GBK, line breaks as they were
    double value = 0;
    std::time_t time = 0;
};

// The calculator window's records, oldest first; kept as long as the window.
using RecordCollection = std::vector<CalculationRecord>;

// "行号<n>\t<statement> = <value, four decimals>    时间<local time>\r\n",
// the time as 2004-05-01 09:05:07. The statement is copied unchanged, so one
// with line breaks spans several lines.
std::string RecordLine(const CalculationRecord& record);

// The lines of the records made on the local calendar day of `today`, in
// collection order.
std::string RecordsOfDay(std::span<const CalculationRecord> records, std::time_t today);

}  // namespace orvik
