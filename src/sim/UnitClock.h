#pragma once
// The unit's real-time clock. It runs on the host's local time; when the engineer sets
// the time or the date, the clock keeps the difference and runs on from there.

#include <cstdint>
#include <ctime>
#include <optional>

constexpr int TimeOfDayRegister = 366;  // minutes since midnight, 0..1439
constexpr int DateRegister = 367;       // days since 1 January 2012 (that day is 0)
constexpr int WeekdayRegister = 368;    // 0 Monday .. 6 Sunday

struct ClockReading {
    std::int64_t Day = 0;
    std::int32_t MinuteOfDay = 0;
    std::int32_t Weekday = 0;
};

// Days from 1 January 2012 to the given civil date (proleptic Gregorian); month 1..12.
std::int64_t DaysSince2012(std::int64_t year, std::int64_t month, std::int64_t day);

class UnitClock {
public:
    // The clock at the host's local time `now`; remembered as the last reading.
    ClockReading Read(const std::tm& now);

    // Set the time of day or the date, keeping the other. Before the first reading the
    // wish is kept and applied to it.
    void SetTimeOfDay(std::int32_t minuteOfDay);
    void SetDate(std::int32_t day);

private:
    std::int64_t offsetMinutes_ = 0;
    std::optional<ClockReading> last_;
    std::optional<std::int32_t> wantedMinute_;
    std::optional<std::int32_t> wantedDay_;
};
