#pragma once
// Frames on the line carry no length and no start marker: a frame is whatever arrives
// before the line falls silent. This gathers received bytes and hands out a frame
// once the silence has lasted long enough. It holds a bounded number of bytes: an
// endless stream without a pause is dropped, not stored.

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

#include "link/Frames.h"

class FrameCollector {
public:
    using Clock = std::chrono::steady_clock;

    // A pause this long ends a frame: some twenty byte times at 9600 baud, far more than
    // any gap inside a frame, far less than the tool's pause between frames.
    static constexpr Clock::duration Silence = std::chrono::milliseconds(20);
    // Bytes kept of one burst; longer bursts are no frame the unit knows.
    static constexpr std::size_t Capacity = 1024;

    void Add(std::span<const std::uint8_t> bytes, Clock::time_point now);

    // When the bytes held will count as a complete frame; nothing while none are held.
    std::optional<Clock::time_point> FrameEnd() const;

    // The frame once the silence has passed, and the collector empties. An overlong
    // burst is then dropped whole and gives nothing.
    std::optional<Frame> Take(Clock::time_point now);

    void Clear();

private:
    Frame bytes_;
    bool overflow_ = false;
    bool holding_ = false;
    Clock::time_point last_{};
};
