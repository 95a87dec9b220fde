#include <gtest/gtest.h>

#include "sim/FrameCollector.h"
#include "sim/ReplyPacer.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const Clock::time_point T0 = Clock::time_point{} + std::chrono::hours(1);

Frame Bytes(std::size_t n, std::uint8_t first = 0)
{
    Frame f(n);
    for (std::size_t i = 0; i < n; ++i)
        f[i] = static_cast<std::uint8_t>(first + i);
    return f;
}

TEST(SimLine, BytesBecomeAFrameOnlyAfterTheLineFallsSilent)
{
    FrameCollector c;
    EXPECT_FALSE(c.FrameEnd().has_value());
    c.Add(Bytes(3), T0);
    c.Add(Bytes(2, 3), T0 + milliseconds(15));  // a gap shorter than the silence: same frame
    EXPECT_EQ(c.FrameEnd(), T0 + milliseconds(15) + FrameCollector::Silence);
    EXPECT_FALSE(c.Take(T0 + milliseconds(30)).has_value());
    const auto frame = c.Take(T0 + milliseconds(35));
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(*frame, Bytes(5));
    EXPECT_FALSE(c.Take(T0 + milliseconds(100)).has_value());  // taken once

    c.Add(Bytes(1, 9), T0 + milliseconds(200));
    EXPECT_EQ(c.Take(T0 + milliseconds(220)), Bytes(1, 9));
}

TEST(SimLine, AnEndlessBurstIsDroppedWholeAndTheNextFrameIsFine)
{
    FrameCollector c;
    for (int i = 0; i < 100; ++i)
        c.Add(Bytes(100), T0 + milliseconds(i));
    EXPECT_FALSE(c.Take(T0 + milliseconds(500)).has_value());
    EXPECT_FALSE(c.FrameEnd().has_value());
    c.Add(ProcessRequest(), T0 + milliseconds(600));
    EXPECT_EQ(c.Take(T0 + milliseconds(700)), ProcessRequest());
}

ReplyPlan Plan(std::size_t n, double delay = 0.03, bool vanish = false)
{
    return ReplyPlan{Bytes(n), delay, vanish};
}

// Writes everything due at `now`, as the host does, and returns how much that was.
std::size_t Pump(ReplyPacer& p, Clock::time_point now)
{
    const std::size_t n = p.Due(now).size();
    p.Written(n, now);
    return n;
}

TEST(SimLine, PacedReplyLeavesAfterItsDelayOneByteEveryByteTime)
{
    ReplyPacer p(true);
    ASSERT_TRUE(p.Queue(Plan(403), T0));
    const Clock::time_point start = T0 + milliseconds(30);
    EXPECT_EQ(p.NextDue(), start);
    EXPECT_EQ(Pump(p, start - milliseconds(1)), 0u);
    EXPECT_EQ(Pump(p, start), 1u);
    EXPECT_EQ(p.NextDue(), start + ReplyPacer::ByteTime);
    EXPECT_EQ(Pump(p, start + 10 * ReplyPacer::ByteTime), 10u);
    // A partial write leaves the rest due.
    EXPECT_EQ(p.Due(start + 100 * ReplyPacer::ByteTime).size(), 90u);
    p.Written(40, start + 100 * ReplyPacer::ByteTime);
    EXPECT_EQ(Pump(p, start + 100 * ReplyPacer::ByteTime), 50u);
    // The whole reply takes 403 byte times, about 0.42 s.
    EXPECT_EQ(Pump(p, start + 402 * ReplyPacer::ByteTime), 302u);
    EXPECT_TRUE(p.Idle());
    EXPECT_FALSE(p.TakeVanish());
}

TEST(SimLine, UnpacedReplyLeavesInOnePieceAndRepliesQueueBehindEachOther)
{
    ReplyPacer p(false);
    ASSERT_TRUE(p.Queue(Plan(403, 2.0), T0));
    ASSERT_TRUE(p.Queue(Plan(3, 0.03), T0 + milliseconds(10)));
    // The second reply waits for the slow first one.
    EXPECT_EQ(Pump(p, T0 + milliseconds(100)), 0u);
    EXPECT_EQ(Pump(p, T0 + milliseconds(2000)), 403u);
    EXPECT_EQ(p.Due(T0 + milliseconds(2000)).size(), 3u);
    EXPECT_EQ(Pump(p, T0 + milliseconds(2001)), 3u);
    EXPECT_TRUE(p.Idle());
}

TEST(SimLine, QueueIsBoundedAndSilenceNeedsNoPlace)
{
    ReplyPacer p(true);
    for (std::size_t i = 0; i < ReplyPacer::MaxQueued; ++i)
        EXPECT_TRUE(p.Queue(Plan(403), T0));
    EXPECT_FALSE(p.Queue(Plan(403), T0));
    EXPECT_TRUE(p.Queue(ReplyPlan{}, T0));  // nothing to send
    p.Clear();
    EXPECT_TRUE(p.Idle());
    EXPECT_FALSE(p.NextDue().has_value());
}

TEST(SimLine, VanishComesOnceTheReplyIsOut)
{
    ReplyPacer p(false);
    ASSERT_TRUE(p.Queue(Plan(403, 0.03, true), T0));
    const std::size_t n = p.Due(T0 + milliseconds(30)).size();
    p.Written(n - 1, T0 + milliseconds(30));
    EXPECT_FALSE(p.TakeVanish());
    p.Written(1, T0 + milliseconds(31));
    EXPECT_TRUE(p.TakeVanish());
    EXPECT_FALSE(p.TakeVanish());

    // A dropped reply that vanishes: nothing to send, and the line still goes.
    ASSERT_TRUE(p.Queue(ReplyPlan{Frame{}, 0.03, true}, T0));
    EXPECT_EQ(p.NextDue(), T0 + milliseconds(30));
    EXPECT_EQ(Pump(p, T0 + milliseconds(10)), 0u);
    EXPECT_FALSE(p.TakeVanish());
    EXPECT_EQ(Pump(p, T0 + milliseconds(30)), 0u);
    EXPECT_TRUE(p.TakeVanish());
}

} // namespace
