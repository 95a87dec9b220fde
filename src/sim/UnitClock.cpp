#include "sim/UnitClock.h"

#include <algorithm>

namespace {

constexpr std::int64_t MinutesPerDay = 1440;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

std::int64_t FloorMod(std::int64_t a, std::int64_t b) { return a - FloorDiv(a, b) * b; }

ClockReading ReadingAt(std::int64_t minutesSince2012)
{
    ClockReading r;
    r.Day = FloorDiv(minutesSince2012, MinutesPerDay);
    r.MinuteOfDay = static_cast<std::int32_t>(FloorMod(minutesSince2012, MinutesPerDay));
    // 1 January 2012 was a Sunday.
    r.Weekday = static_cast<std::int32_t>(FloorMod(r.Day + 6, 7));
    return r;
}

} // namespace

std::int64_t DaysSince2012(std::int64_t year, std::int64_t month, std::int64_t day)
{
    // Days from civil date, counted in 400-year eras that start on 1 March.
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const std::int64_t sinceEpoch1970 = era * 146097 + doe - 719468;
    return sinceEpoch1970 - 15340;  // 1 January 2012 is day 15340 after 1 January 1970
}

ClockReading UnitClock::Read(const std::tm& now)
{
    // Out-of-range fields (never from the host's clock) are pulled into range so the
    // arithmetic stays bounded.
    const std::int64_t year = std::clamp<std::int64_t>(std::int64_t{now.tm_year} + 1900, 1900, 9999);
    const std::int64_t month = std::clamp(now.tm_mon, 0, 11) + 1;
    const std::int64_t day = std::clamp(now.tm_mday, 1, 31);
    const std::int64_t minute = std::clamp(now.tm_hour, 0, 23) * 60 + std::clamp(now.tm_min, 0, 59);
    const std::int64_t host = DaysSince2012(year, month, day) * MinutesPerDay + minute;

    ClockReading reading = ReadingAt(host + offsetMinutes_);
    if (wantedDay_ || wantedMinute_) {
        const std::int64_t wantedDay = wantedDay_.value_or(reading.Day);
        const std::int64_t wantedMinute = wantedMinute_.value_or(reading.MinuteOfDay);
        offsetMinutes_ = wantedDay * MinutesPerDay + wantedMinute - host;
        wantedDay_.reset();
        wantedMinute_.reset();
        reading = ReadingAt(host + offsetMinutes_);
    }
    last_ = reading;
    return reading;
}

void UnitClock::SetTimeOfDay(std::int32_t minuteOfDay)
{
    if (!last_) {
        wantedMinute_ = minuteOfDay;
        return;
    }
    offsetMinutes_ += std::int64_t{minuteOfDay} - last_->MinuteOfDay;
    *last_ = ReadingAt(last_->Day * MinutesPerDay + minuteOfDay);
}

void UnitClock::SetDate(std::int32_t day)
{
    if (!last_) {
        wantedDay_ = day;
        return;
    }
    offsetMinutes_ += (std::int64_t{day} - last_->Day) * MinutesPerDay;
    *last_ = ReadingAt(std::int64_t{day} * MinutesPerDay + last_->MinuteOfDay);
}
