#pragma once
// The one place where a raw register value becomes the text the engineer sees.
//
// Format codes: -1 choice list (the Unit holds the '#'-separated entries), -2 time of
// day in minutes since midnight, -3 date in days since 1 January 2012; any other code
// is a number whose units digit gives the decimals (1 or 2, else none) and whose tens
// digit a multiplier applied first (1: x10, 2: x100, 3: x1000). A number is always
// followed by one space and the unit, also when the unit is empty.
//
// Every int32 value of every format gives some text; arithmetic that leaves 32 bits
// wraps in two's complement, as on the unit's own tooling.

#include <cstdint>
#include <string>

// Month lengths of a common year, indexed by month number; entry 0 is never read.
inline constexpr std::int32_t MonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The text of `value` shown by the catalogue row `paramIndex`. An index that names no
// row gives an empty text.
std::string FormatValue(std::int32_t paramIndex, std::int32_t value);

// The same rule given the row's Format and Unit directly. A null unit counts as empty.
std::string FormatRaw(std::int32_t format, const char* unit, std::int32_t value);
