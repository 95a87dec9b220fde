#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "catalogue/ParamTable.h"
#include "sim/SimulatedUnit.h"
#include "sim/SimTestSupport.h"

using simtest::CheckOk;
using simtest::LocalTime;
using simtest::Words;

namespace {

Frame ControlsBlockOf(const SimulatedUnit& unit, std::initializer_list<std::pair<int, std::int32_t>> changes)
{
    ValueImage image;
    for (int r = 0; r < RegistersPerBlock; ++r)
        image.Values[r] = unit.Register(r);
    for (const auto& [reg, value] : changes)
        image.Values[reg] = value;
    return ControlsBlock(image);
}

Frame ProcessBlockWith(std::initializer_list<std::pair<int, std::int32_t>> edits)
{
    ValueImage image;
    for (const auto& [reg, value] : edits) {
        image.Values[reg] = value;
        image.PendingEdit[reg] = 1;
    }
    return ProcessBlock(image);
}

TEST(SimUnit, AnswersEachRequestWithItsBlockOfRegisters)
{
    struct Case {
        Frame request;
        std::uint8_t type;
        int firstRegister;
    };
    const Case cases[] = {
        {ProcessRequest(), ProcessReplyType, FirstProcessRegister},
        {ControlsRequest(), ControlsReplyType, FirstControlRegister},
    };
    for (const Case& c : cases) {
        SimulatedUnit unit;
        unit.SetRegister(c.firstRegister, -2);
        unit.SetRegister(c.firstRegister + 199, 0x1234);
        const ReplyPlan plan = unit.HandleFrame(c.request);
        ASSERT_EQ(plan.Bytes.size(), 403u);
        EXPECT_EQ(plan.Bytes[0], c.type);
        EXPECT_EQ(plan.Bytes[1], 0x00);
        EXPECT_TRUE(CheckOk(plan.Bytes));
        EXPECT_EQ(plan.DelaySeconds, AnswerDelaySeconds);
        EXPECT_FALSE(plan.VanishAfter);
        const auto words = Words(plan.Bytes);
        for (int k = 0; k < RegistersPerBlock; ++k)
            ASSERT_EQ(words[k], unit.Register(c.firstRegister + k)) << "word " << k;
        EXPECT_EQ(words[0], -2);
        EXPECT_EQ(words[199], 0x1234);
    }
}

TEST(SimUnit, ControlsBlockIsStoredAndTheWriteReplyMatchesIt)
{
    SimulatedUnit unit;
    const Frame block = ControlsBlockOf(unit, {{0, -32768}, {1, 7770}, {199, 32767}, {43, 40000}});
    const ReplyPlan plan = unit.HandleFrame(block);
    ASSERT_EQ(plan.Bytes.size(), 403u);
    EXPECT_EQ(plan.Bytes[0], WriteReplyType);
    EXPECT_TRUE(CheckOk(plan.Bytes));
    // The reply carries exactly the words that were sent, byte for byte.
    EXPECT_TRUE(std::equal(block.begin() + 2, block.end() - 1, plan.Bytes.begin() + 2));
    EXPECT_EQ(unit.Register(0), -32768);
    EXPECT_EQ(unit.Register(1), 7770);
    EXPECT_EQ(unit.Register(199), 32767);
    EXPECT_EQ(unit.Register(43), -25536);  // only 16 bits travel
    EXPECT_EQ(Words(unit.HandleFrame(ControlsRequest()).Bytes)[1], 7770);
}

TEST(SimUnit, ProcessBlockStoresEditedWordsAndLeavesNoChangeWordsAlone)
{
    SimulatedUnit unit;
    unit.SetRegister(300, 555);
    unit.SetRegister(455, 77);
    const ReplyPlan plan = unit.HandleFrame(ProcessBlockWith({{431, 1}, {451, -1}, {256, 123}}));
    EXPECT_EQ(unit.Register(431), 1);
    EXPECT_EQ(unit.Register(451), -1);
    EXPECT_EQ(unit.Register(256), 123);
    EXPECT_EQ(unit.Register(300), 555);
    EXPECT_EQ(unit.Register(455), 77);

    // Answered with the process registers as now held.
    ASSERT_EQ(plan.Bytes.size(), 403u);
    EXPECT_EQ(plan.Bytes[0], ProcessBlockReplyType);
    EXPECT_TRUE(CheckOk(plan.Bytes));
    const auto words = Words(plan.Bytes);
    EXPECT_EQ(words[431 - 256], 1);
    EXPECT_EQ(words[300 - 256], 555);
}

TEST(SimUnit, StaysSilentOnFramesItDoesNotKnowOrThatFailTheirCheck)
{
    SimulatedUnit unit;
    Frame badCheck = ProcessRequest();
    badCheck.back() ^= 0x01;
    Frame badBlock = ControlsBlockOf(unit, {{1, 1234}});
    badBlock.back() ^= 0x80;
    Frame shortBlock = ControlsBlockOf(unit, {});
    shortBlock.erase(shortBlock.begin() + 2, shortBlock.begin() + 4);  // still sums right
    const Frame cases[] = {
        {},
        {0x0C},
        badCheck,
        badBlock,
        shortBlock,
        BuildFrame(0x0C, {0}),           // a request with data
        BuildFrame(0x40, {}),            // unknown command
        BuildFrame(ProcessReplyType, {}),
        BuildFrame(0x20, {}),            // a block command without its block
        Frame(700, 0x00),
    };
    for (const Frame& f : cases) {
        const ReplyPlan plan = unit.HandleFrame(f);
        EXPECT_TRUE(plan.Bytes.empty()) << "frame of " << f.size() << " bytes";
        EXPECT_FALSE(plan.VanishAfter);
    }
    EXPECT_EQ(unit.Register(1), 5000);  // the bad block changed nothing
}

TEST(SimUnit, ControlRegistersStartAtTheCatalogueDefaults)
{
    const SimulatedUnit unit;
    EXPECT_EQ(unit.Register(1), 5000);   // supply air 1
    EXPECT_EQ(unit.Register(18), 20000); // maximum supply air
    EXPECT_EQ(unit.Register(142), 1);    // modbus address
    int checked = 0;
    for (const ParamDef* row = ParamTable; row->Menu != TableEndMenu; ++row) {
        if (row->Reg < 200 && IsEditable(*row)) {
            EXPECT_EQ(unit.Register(row->Reg), static_cast<std::int16_t>(row->Default)) << row->Name;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(SimUnit, RegistersOutsideTheFileReadZeroAndIgnoreWrites)
{
    SimulatedUnit unit;
    unit.SetRegister(-1, 5);
    unit.SetRegister(512, 5);
    EXPECT_EQ(unit.Register(-1), 0);
    EXPECT_EQ(unit.Register(512), 0);
    unit.SetRegister(300, 70000);
    EXPECT_EQ(unit.Register(300), 4464);  // low 16 bits
}

TEST(SimUnit, ClockRegistersFollowTheHostsLocalTime)
{
    struct Case {
        std::tm local;
        std::int32_t minute, day, weekday;  // weekday 0 Monday .. 6 Sunday
    };
    const Case cases[] = {
        {LocalTime(2012, 1, 1, 0, 0), 0, 0, 6},
        {LocalTime(2012, 1, 2, 10, 25), 625, 1, 0},
        {LocalTime(2024, 2, 29, 23, 59), 1439, 4442, 3},
        {LocalTime(2062, 1, 1, 12, 0), 720, 18263, 6},
        {LocalTime(2011, 12, 31, 7, 5), 425, -1, 5},
    };
    for (const Case& c : cases) {
        SimulatedUnit unit;
        unit.Advance(0.5, c.local);
        EXPECT_EQ(unit.Register(366), c.minute);
        EXPECT_EQ(unit.Register(367), c.day);
        EXPECT_EQ(unit.Register(368), c.weekday);
    }
}

TEST(SimUnit, ClockSetByTheToolRunsOnFromTheNewValue)
{
    SimulatedUnit unit;
    unit.Advance(1, LocalTime(2025, 6, 2, 9, 0));
    unit.HandleFrame(ProcessBlockWith({{366, 600}, {367, 100}}));
    EXPECT_EQ(unit.Register(366), 600);
    EXPECT_EQ(unit.Register(367), 100);

    unit.Advance(1, LocalTime(2025, 6, 2, 9, 5));
    EXPECT_EQ(unit.Register(366), 605);
    EXPECT_EQ(unit.Register(367), 100);
    EXPECT_EQ(unit.Register(368), (100 + 6) % 7);

    // The unit runs an hour ahead now: at 23:30 on the host its date moves on.
    unit.Advance(1, LocalTime(2025, 6, 2, 23, 30));
    EXPECT_EQ(unit.Register(366), 30);
    EXPECT_EQ(unit.Register(367), 101);
    EXPECT_EQ(unit.Register(368), (101 + 6) % 7);

    // No real time of day or date: not taken.
    unit.HandleFrame(ProcessBlockWith({{366, 1440}, {367, -5}}));
    EXPECT_EQ(unit.Register(366), 30);
    EXPECT_EQ(unit.Register(367), 101);
}

TEST(SimUnit, ClockSetBeforeTheFirstReadingIsKept)
{
    SimulatedUnit unit;
    unit.HandleFrame(ProcessBlockWith({{367, 4000}}));
    unit.Advance(1, LocalTime(2025, 6, 2, 9, 0));
    EXPECT_EQ(unit.Register(366), 540);
    EXPECT_EQ(unit.Register(367), 4000);
}

// Plausible ranges of the live readings: raw units as the menus show them.
struct Range {
    int reg;
    std::int32_t lo, hi;
};
constexpr Range PlausibleRanges[] = {
    {256, -200, 400}, {257, 120, 300}, {258, 150, 300}, {259, -100, 300}, {260, 0, 400},
    {261, 0, 400},    {323, 0, 400},   {276, 0, 10000}, {316, 500, 950},  {300, 0, 1000},
    {301, 0, 1000},   {364, 20, 400},  {365, 20, 400},  {362, 20, 400},   {363, 20, 400},
    {275, 0, 100},    {280, 304, 304}, {297, 0, 1000},
};

TEST(SimUnit, LiveReadingsMoveButStayPlausible)
{
    SimulatedUnit unit;
    const std::int32_t first381 = unit.Register(381);
    std::vector<std::int32_t> first, seenMin, seenMax;
    for (const Range& r : PlausibleRanges) {
        first.push_back(unit.Register(r.reg));
        seenMin.push_back(unit.Register(r.reg));
        seenMax.push_back(unit.Register(r.reg));
    }
    // Three hours in half-second steps, the host's pace.
    for (int step = 0; step < 3 * 3600 * 2; ++step) {
        unit.Advance(0.5, LocalTime(2025, 1, 15, 12, 0));
        for (std::size_t i = 0; i < std::size(PlausibleRanges); ++i) {
            const std::int32_t v = unit.Register(PlausibleRanges[i].reg);
            ASSERT_GE(v, PlausibleRanges[i].lo) << "register " << PlausibleRanges[i].reg;
            ASSERT_LE(v, PlausibleRanges[i].hi) << "register " << PlausibleRanges[i].reg;
            seenMin[i] = std::min(seenMin[i], v);
            seenMax[i] = std::max(seenMax[i], v);
        }
    }
    for (const int reg : {256, 257, 258, 259, 276, 364, 365}) {
        const auto i = static_cast<std::size_t>(
            std::find_if(std::begin(PlausibleRanges), std::end(PlausibleRanges),
                         [reg](const Range& r) { return r.reg == reg; }) -
            std::begin(PlausibleRanges));
        EXPECT_LT(seenMin[i], seenMax[i]) << "register " << reg << " never moved";
    }
    EXPECT_EQ(unit.Register(381), first381 + 3);  // power-on hours
}

TEST(SimUnit, FlowsFollowTheRequestedSpeedAndSetting)
{
    SimulatedUnit unit;
    const std::tm now = LocalTime(2025, 1, 15, 12, 0);
    unit.Advance(0.5, now);
    // Speed 2 at start: supply air 2 and exhaust air 2 are asked for and delivered.
    EXPECT_EQ(unit.Register(369), 2);
    EXPECT_EQ(unit.Register(271), unit.Register(2));
    EXPECT_EQ(unit.Register(272), unit.Register(6));
    EXPECT_NEAR(unit.Register(273), unit.Register(2), unit.Register(2) / 100);

    // A new setting is asked for at once, and the flow gets there over a while.
    unit.HandleFrame(ControlsBlockOf(unit, {{2, 9000}, {6, 8000}}));
    unit.Advance(0.5, now);
    EXPECT_EQ(unit.Register(271), 9000);
    EXPECT_EQ(unit.Register(272), 8000);
    EXPECT_LT(unit.Register(273), 8000);
    for (int i = 0; i < 600; ++i)
        unit.Advance(0.5, now);
    EXPECT_NEAR(unit.Register(273), 9000, 90);
    EXPECT_NEAR(unit.Register(274), 8000, 80);
    EXPECT_NEAR(unit.Register(300), 450, 5);  // 9000 of 20000 m3/h, in tenths of a percent
    EXPECT_EQ(unit.Register(275), 45);

    // Another speed selects another pair of settings; speed 0 stops the fans.
    unit.SetRegister(369, 4);
    unit.Advance(0.5, now);
    EXPECT_EQ(unit.Register(271), unit.Register(4));
    unit.SetRegister(369, 0);
    for (int i = 0; i < 600; ++i)
        unit.Advance(0.5, now);
    EXPECT_EQ(unit.Register(271), 0);
    EXPECT_LT(unit.Register(273), 50);
    EXPECT_LT(unit.Register(300), 5);
}

TEST(SimUnit, CommandRegistersAreCarriedOutAndReset)
{
    SimulatedUnit unit;
    const std::tm now = LocalTime(2025, 1, 15, 12, 0);
    ASSERT_NE(unit.Register(83), 0);  // a failure history to reset
    unit.HandleFrame(ProcessBlockWith({{431, 1}, {352, 1}, {451, 1}}));
    unit.Advance(0.5, now);
    EXPECT_EQ(unit.Register(431), 2);  // SD card busy
    EXPECT_EQ(unit.Register(352), 0);
    EXPECT_EQ(unit.Register(451), 0);
    for (int reg = 83; reg <= 88; ++reg)
        EXPECT_EQ(unit.Register(reg), 0) << reg;
    unit.Advance(0.5, now);
    EXPECT_EQ(unit.Register(431), 3);  // done
    unit.Advance(0.5, now);
    EXPECT_EQ(unit.Register(431), 3);
}

TEST(SimUnit, AdvanceCopesWithAnyTimeSpan)
{
    SimulatedUnit unit;
    std::tm odd{};
    odd.tm_year = 2000000000;
    odd.tm_mon = -7;
    odd.tm_mday = 99;
    odd.tm_hour = -3;
    for (const double s : {-1.0, 0.0, 1e300, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()}) {
        unit.Advance(s, odd);
        for (const Range& r : PlausibleRanges) {
            ASSERT_GE(unit.Register(r.reg), r.lo) << r.reg << " after " << s;
            ASSERT_LE(unit.Register(r.reg), r.hi) << r.reg << " after " << s;
        }
    }
}

} // namespace
