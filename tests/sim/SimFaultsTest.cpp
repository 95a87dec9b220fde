#include <gtest/gtest.h>

#include <algorithm>

#include "sim/SimulatedUnit.h"
#include "sim/SimTestSupport.h"

using simtest::CheckOk;
using simtest::Words;

namespace {

bool StartsWith(const Frame& whole, const Frame& part)
{
    return whole.size() >= part.size() && std::equal(part.begin(), part.end(), whole.begin());
}

bool EndsWith(const Frame& whole, const Frame& part)
{
    return whole.size() >= part.size() && std::equal(part.rbegin(), part.rend(), whole.rbegin());
}

TEST(SimFaults, EachKindDisturbsTheReplyItsOwnWay)
{
    struct Case {
        FaultKind kind;
        bool (*holds)(const ReplyPlan& plan, const Frame& clean);
    };
    const Case cases[] = {
        {FaultKind::Drop, [](const ReplyPlan& p, const Frame&) { return p.Bytes.empty(); }},
        {FaultKind::Corrupt,
         [](const ReplyPlan& p, const Frame& clean) {
             return p.Bytes.size() == clean.size() && !CheckOk(p.Bytes) &&
                    std::equal(clean.begin(), clean.end() - 1, p.Bytes.begin());
         }},
        {FaultKind::Cut,
         [](const ReplyPlan& p, const Frame& clean) {
             return !p.Bytes.empty() && p.Bytes.size() < clean.size() && StartsWith(clean, p.Bytes);
         }},
        {FaultKind::Noise,
         [](const ReplyPlan& p, const Frame& clean) {
             return p.Bytes.size() > clean.size() && !CheckOk(p.Bytes) && EndsWith(p.Bytes, clean);
         }},
        {FaultKind::Slow,
         [](const ReplyPlan& p, const Frame& clean) {
             return p.Bytes == clean && p.DelaySeconds == SlowAnswerDelaySeconds && !p.VanishAfter;
         }},
        {FaultKind::Vanish,
         [](const ReplyPlan& p, const Frame& clean) {
             return p.Bytes == clean && p.VanishAfter && p.DelaySeconds == AnswerDelaySeconds;
         }},
        // Refusing is about taking values; a read is answered as usual.
        {FaultKind::Refuse, [](const ReplyPlan& p, const Frame& clean) { return p.Bytes == clean; }},
    };
    for (const Case& c : cases) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            for (const Frame& request : {ProcessRequest(), ControlsRequest()}) {
                SimulatedUnit faulty(seed, {{c.kind, 1.0}});
                SimulatedUnit healthy(seed);
                const Frame clean = healthy.HandleFrame(request).Bytes;
                ASSERT_TRUE(c.holds(faulty.HandleFrame(request), clean))
                    << FaultName(c.kind) << ", seed " << seed << ", request " << int(request[0]);
            }
        }
    }
}

TEST(SimFaults, DisturbedRepliesAreNeverTakenForGoodOnes)
{
    // Whatever the faults do together, the tool must never see a valid reply of the
    // expected type and length with other contents.
    const std::vector<FaultSetting> all = {{FaultKind::Noise, 0.5}, {FaultKind::Cut, 0.5},
                                        {FaultKind::Corrupt, 0.5}, {FaultKind::Drop, 0.2}};
    SimulatedUnit faulty(7, all);
    SimulatedUnit healthy(7);
    const Frame clean = healthy.HandleFrame(ProcessRequest()).Bytes;
    int good = 0;
    for (int i = 0; i < 500; ++i) {
        const ReplyPlan p = faulty.HandleFrame(ProcessRequest());
        if (p.Bytes.size() == 403 && CheckOk(p.Bytes)) {
            ASSERT_EQ(p.Bytes, clean);
            ++good;
        }
    }
    EXPECT_GT(good, 0);
}

TEST(SimFaults, RefusedWriteKeepsOneChangedValueSoTheReplyDiffers)
{
    SimulatedUnit unit(3, {{FaultKind::Refuse, 1.0}});
    ValueImage image;
    for (int r = 0; r < RegistersPerBlock; ++r)
        image.Values[r] = unit.Register(r);
    const std::int32_t old10 = image.Values[10];
    image.Values[10] = old10 - 1;
    image.Values[150] = 1;
    const ReplyPlan plan = unit.HandleFrame(ControlsBlock(image));
    ASSERT_EQ(plan.Bytes.size(), 403u);
    EXPECT_TRUE(CheckOk(plan.Bytes));
    const auto words = Words(plan.Bytes);
    EXPECT_EQ(words[10], old10);  // the first changed value was refused
    EXPECT_EQ(unit.Register(10), old10);
    EXPECT_EQ(words[150], 1);     // the others were taken
    EXPECT_EQ(unit.Register(150), 1);

    // With nothing changed there is nothing to refuse: the reply matches.
    for (int r = 0; r < RegistersPerBlock; ++r)
        image.Values[r] = unit.Register(r);
    const auto again = Words(unit.HandleFrame(ControlsBlock(image)).Bytes);
    for (int k = 0; k < RegistersPerBlock; ++k)
        ASSERT_EQ(again[k], image.Values[k]);
}

TEST(SimFaults, RateSetsHowOftenAFaultFiresAndASeedRepeatsARun)
{
    struct Case {
        double rate;
        int lo, hi;  // drops in 400 replies
    };
    const Case cases[] = {{0.0, 0, 0}, {0.25, 60, 140}, {0.5, 150, 250}, {1.0, 400, 400}};
    for (const Case& c : cases) {
        SimulatedUnit unit(11, {{FaultKind::Drop, c.rate}});
        SimulatedUnit twin(11, {{FaultKind::Drop, c.rate}});
        int drops = 0;
        for (int i = 0; i < 400; ++i) {
            const bool dropped = unit.HandleFrame(ProcessRequest()).Bytes.empty();
            ASSERT_EQ(twin.HandleFrame(ProcessRequest()).Bytes.empty(), dropped) << "reply " << i;
            drops += dropped ? 1 : 0;
        }
        EXPECT_GE(drops, c.lo) << c.rate;
        EXPECT_LE(drops, c.hi) << c.rate;
    }
}

TEST(SimFaults, FaultsNeverAnswerWhatTheUnitWouldNotAnswer)
{
    SimulatedUnit unit(5, {{FaultKind::Noise, 1.0}, {FaultKind::Vanish, 1.0}, {FaultKind::Slow, 1.0}});
    Frame bad = ProcessRequest();
    bad[2] ^= 0xFF;
    const ReplyPlan plan = unit.HandleFrame(bad);
    EXPECT_TRUE(plan.Bytes.empty());
    EXPECT_FALSE(plan.VanishAfter);
}

TEST(SimFaults, ParsesKindsAndRates)
{
    struct Case {
        const char* text;
        FaultKind kind;
        double rate;
    };
    const Case good[] = {
        {"drop", FaultKind::Drop, 1.0},        {"corrupt=0.5", FaultKind::Corrupt, 0.5},
        {"cut=0", FaultKind::Cut, 0.0},        {"noise=1", FaultKind::Noise, 1.0},
        {"slow=.25", FaultKind::Slow, 0.25},   {"refuse=1.0", FaultKind::Refuse, 1.0},
        {"vanish=0.01", FaultKind::Vanish, 0.01},
    };
    for (const Case& c : good) {
        std::string error;
        const auto fault = ParseFault(c.text, error);
        ASSERT_TRUE(fault.has_value()) << c.text << ": " << error;
        EXPECT_EQ(fault->Kind, c.kind) << c.text;
        EXPECT_DOUBLE_EQ(fault->Rate, c.rate) << c.text;
        EXPECT_STREQ(FaultName(c.kind), std::string(c.text).substr(0, std::string(c.text).find('=')).c_str());
    }
    for (const char* bad : {"", "=0.5", "explode", "Drop", "drop=", "drop=1.5", "drop=-0.1", "drop=x",
                            "drop=0.5x", "drop=nan", "drop=inf", "drop=1e0", "drop =1", "drop=0.5=1"}) {
        std::string error;
        EXPECT_FALSE(ParseFault(bad, error).has_value()) << bad;
        EXPECT_NE(error, "") << bad;
    }
}

} // namespace
