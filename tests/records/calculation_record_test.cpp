#include "records/calculation_record.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace orvik {
namespace {

// 2004-05-01 09:05:07 UTC
constexpr std::time_t kMayDay = 1083402307;

class CalculationRecordTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC", 1);
        tzset();
    }
};

TEST_F(CalculationRecordTest, LineHoldsNumberStatementValueAndLocalTime)
{
    struct Case {
        int number;
        const char* statement;
        double value;
        std::time_t time;
        const char* line;
    };
    const Case cases[] = {
        {1, "x=2.5", 2.5, kMayDay, "\xD0\xD0\xBA\xC5" "1\tx=2.5 = 2.5000    \xCA\xB1\xBC\xE4" "2004-05-01 09:05:07\r\n"},
        {3, "x=2*5", 10, kMayDay + 86400 * 200, "行号3\tx=2*5 = 10.0000    时间2004-11-17 09:05:07\r\n"},
        {12, "1/3", 1.0 / 3, kMayDay, "行号12\t1/3 = 0.3333    时间2004-05-01 09:05:07\r\n"},
        {2, "-2/3", -2.0 / 3, kMayDay, "行号2\t-2/3 = -0.6667    时间2004-05-01 09:05:07\r\n"},
        {4, "1e20", 1e20, kMayDay, "行号4\t1e20 = 100000000000000000000.0000    时间2004-05-01 09:05:07\r\n"},
        // A line of several rows spans several lines of the text.
        {5, "a=1\r\nb=a+1", 2, kMayDay, "行号5\ta=1\r\nb=a+1 = 2.0000    时间2004-05-01 09:05:07\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecordLine({c.number, c.statement, c.value, c.time}), c.line) << c.line;
}

TEST_F(CalculationRecordTest, TextOfADayKeepsTheOrderAndLeavesOtherDaysOut)
{
    const RecordCollection records = {
        {1, "b", 2, kMayDay + 3600},
        {2, "old", 0, kMayDay - 86400},
        {1, "a", 1, kMayDay - 9 * 3600},  // the same day's first hour
    };
    EXPECT_EQ(RecordsOfDay(records, kMayDay),
              RecordLine(records[0]) + RecordLine(records[2]));
    EXPECT_EQ(RecordsOfDay({}, kMayDay), "");
}

}  // namespace
}  // namespace orvik
