#include "sim/FrameCollector.h"

void FrameCollector::Add(std::span<const std::uint8_t> bytes, Clock::time_point now)
{
    if (bytes.empty())
        return;
    holding_ = true;
    last_ = now;
    const std::size_t room = Capacity - bytes_.size();
    if (bytes.size() > room)
        overflow_ = true;
    const std::size_t kept = bytes.size() < room ? bytes.size() : room;
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kept));
}

std::optional<FrameCollector::Clock::time_point> FrameCollector::FrameEnd() const
{
    if (!holding_)
        return std::nullopt;
    return last_ + Silence;
}

std::optional<Frame> FrameCollector::Take(Clock::time_point now)
{
    if (!holding_ || now < last_ + Silence)
        return std::nullopt;
    std::optional<Frame> frame;
    if (!overflow_)
        frame = std::move(bytes_);
    Clear();
    return frame;
}

void FrameCollector::Clear()
{
    bytes_.clear();
    overflow_ = false;
    holding_ = false;
}
