#include "sim/ReplyPacer.h"

#include <algorithm>
#include <cmath>

namespace {

ReplyPacer::Clock::duration Seconds(double s)
{
    // Delays come from the model: 0 to a few seconds. Anything else is held to 0..60 s.
    const double held = std::isfinite(s) ? std::clamp(s, 0.0, 60.0) : 0.0;
    return std::chrono::duration_cast<ReplyPacer::Clock::duration>(std::chrono::duration<double>(held));
}

} // namespace

bool ReplyPacer::Queue(ReplyPlan plan, Clock::time_point frameEnd)
{
    if (plan.Bytes.empty() && !plan.VanishAfter)
        return true;
    if (queue_.size() >= MaxQueued)
        return false;
    const Clock::time_point start = frameEnd + Seconds(plan.DelaySeconds);
    queue_.push_back({std::move(plan), start, 0});
    return true;
}

std::span<const std::uint8_t> ReplyPacer::Due(Clock::time_point now) const
{
    if (queue_.empty())
        return {};
    const Outgoing& out = queue_.front();
    if (now < out.Start)
        return {};
    std::size_t due = out.Plan.Bytes.size();
    if (pacing_) {
        const auto slots = static_cast<std::size_t>((now - out.Start) / ByteTime) + 1;
        due = std::min(due, slots);
    }
    if (due <= out.Sent)
        return {};
    return std::span<const std::uint8_t>(out.Plan.Bytes).subspan(out.Sent, due - out.Sent);
}

void ReplyPacer::Written(std::size_t count, Clock::time_point now)
{
    if (queue_.empty())
        return;
    Outgoing& out = queue_.front();
    out.Sent = std::min(out.Plan.Bytes.size(), out.Sent + count);
    Retire(now);
}

void ReplyPacer::Retire(Clock::time_point now)
{
    while (!queue_.empty() && queue_.front().Sent >= queue_.front().Plan.Bytes.size() &&
           now >= queue_.front().Start) {
        if (queue_.front().Plan.VanishAfter)
            vanish_ = true;
        queue_.pop_front();
        if (!queue_.empty())
            queue_.front().Start = std::max(queue_.front().Start, now);
    }
}

std::optional<ReplyPacer::Clock::time_point> ReplyPacer::NextDue() const
{
    if (queue_.empty())
        return std::nullopt;
    const Outgoing& out = queue_.front();
    if (!pacing_)
        return out.Start;
    return out.Start + ByteTime * static_cast<Clock::rep>(out.Sent);
}

bool ReplyPacer::TakeVanish()
{
    const bool v = vanish_;
    vanish_ = false;
    return v;
}

void ReplyPacer::Clear()
{
    queue_.clear();
    vanish_ = false;
}
