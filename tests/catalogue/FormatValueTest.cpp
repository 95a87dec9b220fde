#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "support/RowLookup.h"
#include "catalogue/ChoiceLists.h"
#include "catalogue/FormatValue.h"
#include "catalogue/ParamTable.h"

namespace {

constexpr char DegC[] = "\xB0" "C";
constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Highest = std::numeric_limits<std::int32_t>::max();

struct RawCase {
    std::int32_t format;
    const char* unit;
    std::int32_t value;
    const char* expected;
};

TEST(FormatValue, RawFormats)
{
    const RawCase cases[] = {
        // Time of day: truncating division, the remainder keeps its sign, no unit.
        {-2, "", 0, "0:00"},
        {-2, "", 75, "1:15"},
        {-2, "", 1439, "23:59"},
        {-2, "", -1, "0:-1"},
        {-2, "", -61, "-1:-1"},
        {-2, "Pa", 5, "0:05"},
        {-2, "", Lowest, "-35791394:-8"},
        {-2, "", Highest, "35791394:07"},

        // Date: every fourth year is a leap year, the day takes two characters.
        {-3, "", 0, " 1-1-2012"},
        {-3, "", -1, " 0-1-2012"},
        {-3, "", -10, "-9-1-2012"},
        {-3, "", 59, "29-2-2012"},
        {-3, "", 60, " 1-3-2012"},
        {-3, "", 365, "31-12-2012"},
        {-3, "", 366, " 1-1-2013"},
        {-3, "", 1154, "28-2-2015"},
        {-3, "", 18263, " 1-1-2062"},
        {-3, "", 32141, "31-12-2099"},
        {-3, "", 32142, " 1-1-20100"},
        {-3, "", 32142 + 31 + 28, "29-2-20100"},
        {-3, "", 1460999999, "31-12-204000011"},
        {-3, "", 1461000000, " 1-1-204000012"},
        {-3, "", Highest, "17-10-205879501"},
        {-3, "", Lowest, "-2147483647-1-2012"},

        // Choice lists.
        {-1, NoYes, 0, "No"},
        {-1, NoYes, 1, "Yes"},
        {-1, NoYes, 2, "[2]"},
        {-1, NoYes, -1, "[-1]"},
        {-1, NoYes, Lowest, "[-2147483648]"},
        {-1, NoYes, Highest, "[2147483647]"},
        {-1, DigitalInputFunctions, 0, "0.No function"},
        {-1, DigitalInputFunctions, 26, "26.Enable time clock"},
        {-1, DigitalInputFunctions, 27, ""},
        {-1, DigitalInputFunctions, 28, "[28]"},
        {-1, AnalogInputFunctions, 9, "9.Exhaust air 0..10V"},
        {-1, AnalogInputFunctions, 10, ""},
        {-1, FailureCodes, 0, "Empty"},
        {-1, FailureCodes, 50, "E50"},
        {-1, FailureCodes, 51, "[51]"},
        {-1, ClockSpeeds, 5, "5. 2nd Setpoint Select"},
        {-1, SdCardActions, 4, "4.Fail"},
        {-1, "", 0, ""},
        {-1, "", 1, "[1]"},
        // The walk looks for a separator only after stepping on, so a leading '#'
        // and the second of two adjacent ones do not separate entries.
        {-1, "#a", 0, ""},
        {-1, "#a", 1, "[1]"},
        {-1, "A##B", 1, ""},
        {-1, "A##B", 2, "[2]"},

        // Numbers: decimals digit, sign written apart, unit after one space.
        {1, DegC, 0, "0.0 \xB0" "C"},
        {1, DegC, 215, "21.5 \xB0" "C"},
        {1, DegC, -5, "-0.5 \xB0" "C"},
        {1, DegC, -215, "-21.5 \xB0" "C"},
        {2, "%", 1234, "12.34 %"},
        {2, "", 304, "3.04 "},
        {2, "%", -5, "-0.05 %"},
        {0, "m3/h", 5000, "5000 m3/h"},
        {0, "", 2, "2 "},
        {0, "Pa", -7, "-7 Pa"},
        {3, "Pa", 7, "7 Pa"},

        // Multiplier digit (Format / 10) % 10, applied before the decimals.
        {10, "Pa", 7, "70 Pa"},
        {11, "V", 5, "5.0 V"},
        {12, "V", 5, "0.50 V"},
        {20, "", 3, "300 "},
        {31, "V", 5, "500.0 V"},
        {13, "Pa", 7, "70 Pa"},
        {41, "V", 5, "0.5 V"},
        {112, "%", 5, "0.50 %"},
        {-4, "Pa", 7, "7 Pa"},
        {-11, "V", 5, "5 V"},
        {Lowest, "x", 5, "5 x"},

        // Beyond 32 bits the arithmetic wraps in two's complement; the most negative
        // value stays negative after its sign is written.
        {0, "", Lowest, "-2147483648 "},
        {1, DegC, Highest, "214748364.7 \xB0" "C"},
        {1, DegC, Lowest, "--214748364.-8 \xB0" "C"},
        {2, "%", Lowest, "--21474836.-48 %"},
        {13, "Pa", Highest, "-10 Pa"},
        {32, "", Highest, "-10.00 "},
        {30, "", Lowest, "0 "},
    };
    for (const RawCase& c : cases)
        EXPECT_EQ(FormatRaw(c.format, c.unit, c.value), c.expected)
            << "format " << c.format << ", value " << c.value;
}

TEST(FormatValue, DatesFollowTheCalendarThrough2099)
{
    // Up to the end of 2099 "every fourth year" is the calendar's own leap rule.
    using namespace std::chrono;
    const sys_days first = year{2012} / January / 1;
    for (std::int32_t value = 0; value <= 32141; ++value) {
        const year_month_day date{first + days{value}};
        char expected[32];
        std::snprintf(expected, sizeof expected, "%2u-%u-%d", static_cast<unsigned>(date.day()),
                      static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
        ASSERT_EQ(FormatRaw(DateFormat, "", value), expected) << value;
    }
}

TEST(FormatValue, CatalogueRowsUseTheirFormatAndUnit)
{
    const struct {
        const char* key;
        std::int32_t value;
        const char* expected;
    } cases[] = {
        {"M01.01", 215, "21.5 \xB0" "C"},
        {"M01.12", -5, "-0.5 %"},
        {"M01.18", 55, "55 %"},
        {"M01.19", 1234, "12.34 %"},
        {"M02.01", 5000, "5000 m3/h"},
        {"M02.09", 2, "2 "},
        {"M02.15", 50, "5.0 V"},
        {"M05.01", 26, "26.Enable time clock"},
        {"M05.01", 27, ""},
        {"M20.01", 0, "Empty"},
        {"M60.01", 425, "7:05"},
        {"M60.02", 18263, " 1-1-2062"},
        {"M90.02", 4, "4.Fail"},
        {"M99.01", 304, "3.04 "},
        {"M99.03", 1200, "1200 Hrs"},
    };
    for (const auto& c : cases) {
        const std::int32_t index = RowIndexOf(c.key);
        ASSERT_GE(index, 0) << c.key;
        EXPECT_EQ(FormatValue(index, c.value), c.expected) << c.key;
    }
    EXPECT_EQ(FormatValue(-1, 5), "");
    EXPECT_EQ(FormatValue(ParamTableRows, 5), "");
}

TEST(FormatValue, EveryRowShowsEveryValueAsSomeText)
{
    for (std::int32_t i = 0; i < ParamTableRows; ++i)
        for (const std::int32_t value : {Lowest, Lowest + 1, -1, 0, 1, Highest - 1, Highest})
            EXPECT_FALSE(FormatValue(i, value).empty()) << "row " << i << ", value " << value;
}

} // namespace
