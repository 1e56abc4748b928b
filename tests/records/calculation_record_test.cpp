#include "records/calculation_record.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace orvik {
namespace {

constexpr std::time_t kMayDay = 1083402307;  // 2004-05-01 09:05:07 UTC

TEST(CalculationRecordTest, LinesOfTheDayInOrder)
{
    setenv("TZ", "UTC", 1);
    tzset();
    const RecordCollection records = {
        {1, "x=2.5", 2.5, kMayDay},
        {2, "old", 0, kMayDay - 86400},
        {12, "a=1\r\nb=-2/3", -2.0 / 3, kMayDay - 9 * 3600},  // rows stay rows
    };
    EXPECT_EQ(RecordLine(records[0]), "\xD0\xD0\xBA\xC5" "1\tx=2.5 = 2.5000    \xCA\xB1\xBC\xE4" "2004-05-01 09:05:07\r\n");
    EXPECT_EQ(RecordsOfDay(records, kMayDay),
              "行号1\tx=2.5 = 2.5000    时间2004-05-01 09:05:07\r\n"
              "行号12\ta=1\r\nb=-2/3 = -0.6667    时间2004-05-01 00:05:07\r\n");
    EXPECT_EQ(RecordsOfDay({}, kMayDay), "");
}

}  // namespace
}  // namespace orvik
