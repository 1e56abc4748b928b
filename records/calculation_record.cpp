#include "records/calculation_record.h"

#include "engine/number_format.h"

namespace orvik {
namespace {

std::tm LocalTime(std::time_t time)
{
    std::tm local{};
    localtime_r(&time, &local);
    return local;
}

std::string FormatTime(std::time_t time)
{
    const std::tm local = LocalTime(time);
    char buffer[64];
    const size_t length = std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(buffer, length);
}

bool SameDay(std::time_t time, const std::tm& day)
{
    const std::tm local = LocalTime(time);
    return local.tm_year == day.tm_year && local.tm_yday == day.tm_yday;
}

}  // namespace

std::string RecordLine(const CalculationRecord& record)
{
    return "行号" + std::to_string(record.line_number) + "\t" + record.statement + " = "
           + FormatFixed(record.value, 4) + "    时间" + FormatTime(record.time) + "\r\n";
}

std::string RecordsOfDay(std::span<const CalculationRecord> records, std::time_t today)
{
    const std::tm day = LocalTime(today);
    std::string text;
    for (const CalculationRecord& record : records)
        if (SameDay(record.time, day))
            text += RecordLine(record);
    return text;
}

}  // namespace orvik
