#include "catalogue/FormatValue.h"

#include <cstdio>

#include "catalogue/ParamTable.h"

namespace {

// A year from one whose number is divisible by 4 to the next such year.
constexpr std::int32_t DaysPerFourYears = 366 + 3 * 365;

// Two's complement truncation of a wider result, as the unit's tooling computes.
std::int32_t Wrap32(std::int64_t wide)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

std::string Printed(const char* pattern, int a, int b)
{
    char text[48];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

std::string TimeOfDayText(std::int32_t minutes)
{
    // Truncating division: -61 reads "-1:-1", as the unit's tooling shows it.
    return Printed("%d:%02d", minutes / 60, minutes % 60);
}

std::int32_t YearLength(std::int32_t year) { return year % 4 == 0 ? 366 : 365; }

std::int32_t MonthLength(std::int32_t month, std::int32_t year)
{
    return MonthDays[month] + (month == 2 && year % 4 == 0 ? 1 : 0);
}

std::string DateText(std::int32_t days)
{
    std::int32_t year = 12;
    if (days >= 0) {
        // Counting year by year would take millions of rounds for large values.
        // Year 12 is a leap year, so whole cycles of 1461 days keep the year number a
        // multiple of 4 and leave exactly what the year-by-year count leaves.
        const std::int32_t cycles = days / DaysPerFourYears;
        days -= cycles * DaysPerFourYears;
        year += 4 * cycles;
    }
    while (days >= YearLength(year)) {
        days -= YearLength(year);
        ++year;
    }
    std::int32_t month = 1;
    while (month < 12 && days >= MonthLength(month, year)) {
        days -= MonthLength(month, year);
        ++month;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%2d-%d-20%02d", days + 1, month, year);
    return text;
}

std::string ChoiceText(const char* list, std::int32_t value)
{
    // The walk only ever counts down, so a negative value runs to the end of the
    // list; 64 bits keep that count from overflowing on the way.
    const char* at = list;
    std::int64_t countdown = value;
    while (countdown != 0) {
        if (*at == '\0')
            return "[" + std::to_string(value) + "]";
        ++at;
        if (*at == '#') {
            ++at;
            --countdown;
        }
    }
    const char* end = at;
    while (*end != '\0' && *end != '#')
        ++end;
    return std::string(at, end);
}

std::string NumberText(std::int32_t format, const char* unit, std::int32_t value)
{
    std::int64_t factor = 1;
    switch ((format / 10) % 10) {
    case 1: factor = 10; break;
    case 2: factor = 100; break;
    case 3: factor = 1000; break;
    default: break;
    }
    const std::int32_t v = Wrap32(value * factor);
    // The sign is written apart so that -5 tenths reads "-0.5"; the negation wraps,
    // which leaves the most negative value negative after the sign.
    const std::int32_t magnitude = Wrap32(-static_cast<std::int64_t>(v));
    std::string text;
    switch (format % 10) {
    case 1:
        text = v >= 0 ? Printed("%d.%d", v / 10, v % 10)
                      : Printed("-%d.%d", magnitude / 10, magnitude % 10);
        break;
    case 2:
        text = v >= 0 ? Printed("%d.%02d", v / 100, v % 100)
                      : Printed("-%d.%02d", magnitude / 100, magnitude % 100);
        break;
    default:
        text = std::to_string(v);
        break;
    }
    text += ' ';
    text += unit;
    return text;
}

} // namespace

std::string FormatRaw(std::int32_t format, const char* unit, std::int32_t value)
{
    if (unit == nullptr)
        unit = "";
    switch (format) {
    case TimeOfDayFormat: return TimeOfDayText(value);
    case DateFormat: return DateText(value);
    case ChoiceFormat: return ChoiceText(unit, value);
    default: return NumberText(format, unit, value);
    }
}

std::string FormatValue(std::int32_t paramIndex, std::int32_t value)
{
    if (paramIndex < 0 || paramIndex >= ParamTableRows)
        return {};
    const ParamDef& row = ParamTable[paramIndex];
    return FormatRaw(row.Format, row.Unit, value);
}
