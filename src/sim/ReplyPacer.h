#pragma once
// The unit's transmitter: replies wait for their answering delay, then leave one byte
// every 10 bit times at 9600 baud, so a reader sees them arrive in pieces as from a
// real line. With pacing off a reply leaves in one piece. Replies go out one after
// the other; the queue is short and a reply beyond it is not sent, as a busy unit
// would not hear the request.

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>

#include "sim/SimulatedUnit.h"

class ReplyPacer {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr Clock::duration ByteTime = std::chrono::microseconds(1042);
    static constexpr std::size_t MaxQueued = 4;

    explicit ReplyPacer(bool pacing) : pacing_(pacing) {}

    // Queues `plan` for a frame that ended at `frameEnd`. False when the queue is full
    // and the reply is dropped. A plan without bytes that asks to vanish still counts.
    bool Queue(ReplyPlan plan, Clock::time_point frameEnd);

    // The bytes due by `now` and not yet written; empty when none are.
    std::span<const std::uint8_t> Due(Clock::time_point now) const;

    // `count` bytes of Due() went out. A finished reply leaves the queue at `now`, and
    // the next one starts no earlier.
    void Written(std::size_t count, Clock::time_point now);

    // When the next byte is due; nothing while nothing is queued.
    std::optional<Clock::time_point> NextDue() const;

    // True once, after a reply that asked to vanish has gone out completely.
    bool TakeVanish();

    bool Idle() const { return queue_.empty(); }
    void Clear();

private:
    struct Outgoing {
        ReplyPlan Plan;
        Clock::time_point Start;
        std::size_t Sent = 0;
    };
    void Retire(Clock::time_point now);

    bool pacing_;
    std::deque<Outgoing> queue_;
    bool vanish_ = false;
};
