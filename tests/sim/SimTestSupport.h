#pragma once
// Helpers shared by the simulated unit's tests: reading a reply the way the tool does.

#include <ctime>
#include <vector>

#include "app/ValueImage.h"
#include "link/Frames.h"

namespace simtest {

// The reply as the tool holds it after receiving it.
inline ValueImage Received(const Frame& bytes)
{
    ValueImage image;
    for (const std::uint8_t b : bytes)
        if (image.RxCount < RxCountLimit)
            image.RxBuffer[image.RxCount++] = b;
    return image;
}

// The 200 words of a 403-byte frame, decoded as the tool decodes them.
inline std::vector<std::int32_t> Words(const Frame& bytes)
{
    const ValueImage image = Received(bytes);
    std::vector<std::int32_t> words;
    for (int k = 0; k < RegistersPerBlock; ++k)
        words.push_back(DecodeWord(image, 2 + 2 * k));
    return words;
}

inline bool CheckOk(const Frame& bytes) { return FrameSumOk(Received(bytes)); }

inline std::tm LocalTime(int year, int month, int day, int hour = 0, int minute = 0)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

} // namespace simtest
