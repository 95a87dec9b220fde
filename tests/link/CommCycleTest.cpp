#include <gtest/gtest.h>

#include <algorithm>

#include "link/CommCycle.h"
#include "link/Frames.h"
#include "support/CycleRig.h"

namespace {

struct Rig : CycleRig {
    void Tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            cycle.Timer1Timer();
    }
    // Delivers a reply and ticks until it has been evaluated (two ticks of silence).
    void Answer(const Frame& reply)
    {
        Deliver(reply);
        Tick(2);
    }
    Frame TakeSent()
    {
        Frame f = port.sent;
        port.sent.clear();
        return f;
    }
    // Polls once: the request goes out at this tick, the reply is evaluated.
    Frame& sent = port.sent;
    void PollWith(const std::vector<std::int32_t>& processWords)
    {
        Tick();
        Answer(BuildFrame(ProcessReplyType, processWords));
        sent.clear();
    }
};

std::vector<std::int32_t> Words(std::int32_t fill)
{
    return std::vector<std::int32_t>(RegistersPerBlock, fill);
}

TEST(CommCycle, FirstTickOverwritesTheLostLinkWithTheProcessRequest)
{
    Rig rig;
    rig.Tick();
    EXPECT_EQ(rig.host.statuses,
              (std::vector<std::string>{"No/broken connection", "Reading process from Ventaro XL..."}));
    EXPECT_EQ(rig.host.colour, clBlue);
    EXPECT_EQ(rig.TakeSent(), (Frame{0x0C, 0x00, 0x47}));
    EXPECT_TRUE(rig.host.portShownOpen);
    EXPECT_FALSE(rig.host.getSendEnabled);
    EXPECT_EQ(rig.image.LinkWatchdog, 10);
    EXPECT_EQ(rig.image.RequestCountdown, 15);
}

TEST(CommCycle, ReplyInManyChunksIsEvaluatedOnceAfterATickOfSilence)
{
    Rig rig;
    rig.Tick();
    rig.TakeSent();
    const Frame reply = BuildFrame(ProcessReplyType, Words(215));
    std::size_t at = 0;
    for (const std::size_t chunk : {1u, 40u, 100u, 62u, 200u}) {
        rig.Deliver(Frame(reply.begin() + at, reply.begin() + at + chunk));
        at += chunk;
        rig.Tick();  // bytes arrived since the last tick: not yet
        EXPECT_EQ(rig.host.status, "Reading process from Ventaro XL...");
        EXPECT_EQ(rig.host.receiveBar, static_cast<int>(at));
    }
    ASSERT_EQ(at, reply.size());
    rig.Tick();
    EXPECT_EQ(rig.host.status, "Process received from Ventaro XL");
    EXPECT_EQ(rig.host.colour, clBlack);
    EXPECT_EQ(rig.host.menuRefreshes, 1);
    EXPECT_EQ(rig.host.overviewUpdates, 1);
    EXPECT_TRUE(rig.host.getSendEnabled);
    EXPECT_EQ(rig.image.Values[256], 215);
    EXPECT_EQ(rig.image.DeviceValues[455], 215);
    EXPECT_EQ(rig.image.LinkWatchdog, 50);
    EXPECT_EQ(rig.image.RxCount, 0);
    rig.Tick();  // the next request follows at once; the bar drops
    EXPECT_EQ(rig.TakeSent(), ProcessRequest());
    EXPECT_EQ(rig.host.receiveBar, 0);
    EXPECT_EQ(rig.host.menuRefreshes, 1);
}

TEST(CommCycle, ProcessRepliesNeverClearDataStaleButAControlsReplyDoes)
{
    Rig rig;
    rig.PollWith(Words(1));
    rig.PollWith(Words(2));
    EXPECT_EQ(rig.image.DataStale, 1);

    rig.cycle.BitBtnHaalClick();
    rig.Tick();
    EXPECT_EQ(rig.TakeSent(), (Frame{0x16, 0x00, 0x3D}));
    EXPECT_EQ(rig.host.status, "Reading controls from Ventaro XL...");
    EXPECT_EQ(rig.host.colour, clFuchsia);
    EXPECT_EQ(rig.image.CommState, ReadProcess);
    std::vector<std::int32_t> controls(200);
    for (int k = 0; k < 200; ++k)
        controls[k] = k - 100;
    rig.Answer(BuildFrame(ControlsReplyType, controls));
    EXPECT_EQ(rig.host.status, "Controls received from Ventaro XL");
    EXPECT_EQ(rig.image.DataStale, 0);
    EXPECT_EQ(rig.image.Values[0], -100);
    EXPECT_EQ(rig.image.DeviceValues[199], 99);
    EXPECT_TRUE(rig.host.getSendEnabled);
}

TEST(CommCycle, PendingProcessEditSurvivesRepliesUntilTheUnitReportsItOrGetDropsIt)
{
    Rig rig;
    rig.PollWith(Words(600));
    rig.image.Values[366] = 720;  // the editor changed the clock
    rig.image.PendingEdit[366] = 1;
    rig.PollWith(Words(601));
    EXPECT_EQ(rig.image.Values[366], 720);
    EXPECT_EQ(rig.image.DeviceValues[366], 601);
    EXPECT_EQ(rig.image.PendingEdit[366], 1);

    rig.PollWith(Words(720));  // the unit now reports the edited value
    EXPECT_EQ(rig.image.PendingEdit[366], 0);
    rig.PollWith(Words(721));
    EXPECT_EQ(rig.image.Values[366], 721);

    rig.image.Values[366] = 100;
    rig.image.PendingEdit[366] = 1;
    rig.cycle.BitBtnHaalClick();
    EXPECT_EQ(rig.image.PendingEdit[366], 0);
    EXPECT_EQ(rig.host.editorCloses, 1);
    EXPECT_FALSE(rig.host.getSendEnabled);
    rig.Tick();  // the controls request goes out; the state is polling again
    rig.TakeSent();
    rig.PollWith(Words(722));
    EXPECT_EQ(rig.image.Values[366], 722);
}

TEST(CommCycle, SendWithNothingChangedWritesNothing)
{
    Rig rig;
    rig.PollWith(Words(5));
    rig.TakeSent();
    rig.cycle.BitBtnZendClick();
    ASSERT_EQ(rig.dialogs.shown.size(), 1u);
    EXPECT_EQ(rig.dialogs.shown[0].text, "Sending data from PC to Ventaro XL, sure to do this?");
    EXPECT_EQ(rig.dialogs.shown[0].caption, "Warning");
    EXPECT_FALSE(rig.host.getSendEnabled);
    EXPECT_EQ(rig.host.editorCloses, 1);

    rig.Tick();  // slot in WriteControls: nothing differs
    EXPECT_EQ(rig.image.CommState, WriteControls2);
    EXPECT_TRUE(rig.port.sent.empty());
    rig.Tick();  // WriteControls2 on the next tick: nothing differs either
    EXPECT_EQ(rig.image.CommState, ReadProcess);
    EXPECT_TRUE(rig.port.sent.empty());
    rig.Tick();
    EXPECT_EQ(rig.TakeSent(), ProcessRequest());
    EXPECT_FALSE(rig.host.getSendEnabled);
    rig.Answer(BuildFrame(ProcessReplyType, Words(5)));
    EXPECT_TRUE(rig.host.getSendEnabled);
}

TEST(CommCycle, SendCancelledDoesNothing)
{
    Rig rig;
    rig.PollWith(Words(5));
    rig.dialogs.answers = {false};
    rig.cycle.BitBtnZendClick();
    EXPECT_EQ(rig.image.CommState, ReadProcess);
    EXPECT_TRUE(rig.host.getSendEnabled);
    EXPECT_EQ(rig.host.editorCloses, 0);
}

TEST(CommCycle, SendWritesChangedControlsThenPendingProcessEdits)
{
    Rig rig;
    rig.PollWith(Words(5));
    rig.image.Values[3] = 40000;  // beyond 16 bits: the unit holds -25536
    rig.image.Values[300] = 9;
    rig.image.PendingEdit[300] = 1;
    rig.cycle.BitBtnZendClick();
    rig.Tick();
    EXPECT_EQ(rig.host.status, "Writing controls to Ventaro XL...");
    const Frame block = rig.TakeSent();
    EXPECT_EQ(block, ControlsBlock(rig.image));

    std::vector<std::int32_t> held(rig.image.Values.begin(), rig.image.Values.begin() + 200);
    held[3] = -25536;
    rig.Answer(BuildFrame(WriteReplyType, held));
    EXPECT_EQ(rig.host.status, "!Wrong data in Ventaro XL!");
    EXPECT_EQ(rig.host.colour, clRed);
    EXPECT_EQ(rig.image.DeviceValues[2], rig.image.Values[2]);  // confirmed before the difference
    EXPECT_EQ(rig.image.DeviceValues[3], 0);                    // not confirmed
    EXPECT_EQ(rig.image.DataStale, 0);

    rig.Tick();  // the cycle goes on with the process block
    EXPECT_EQ(rig.host.status, "Writing controls(2) to Ventaro XL...");
    const Frame process = rig.TakeSent();
    ASSERT_EQ(process.size(), 403u);
    EXPECT_EQ(process[0], 0x22);
    EXPECT_EQ((Frame{process[2 + 2 * 44], process[3 + 2 * 44]}), (Frame{0x00, 0x09}));
    EXPECT_EQ(rig.image.PendingEdit[300], 0);
    EXPECT_EQ(rig.image.CommState, ReadProcess);
}

TEST(CommCycle, WriteReplyDifferingAtTheFirstWordConfirmsNothing)
{
    Rig rig;
    rig.PollWith(Words(5));
    for (int r = 0; r < 200; ++r)
        rig.image.Values[r] = 7;
    rig.cycle.BitBtnZendClick();
    rig.Tick();
    rig.TakeSent();
    std::vector<std::int32_t> held(200, 7);
    held[0] = 8;
    rig.Answer(BuildFrame(WriteReplyType, held));
    EXPECT_EQ(rig.host.status, "!Wrong data in Ventaro XL!");
    EXPECT_EQ(rig.image.DataStale, 1);
    EXPECT_EQ(rig.image.DeviceValues[0], 0);
    EXPECT_EQ(rig.image.DeviceValues[199], 0);
}

TEST(CommCycle, MatchingWriteReplyConfirmsQuietly)
{
    Rig rig;
    rig.PollWith(Words(5));
    rig.image.Values[10] = 77;
    rig.cycle.BitBtnZendClick();
    rig.Tick();
    rig.TakeSent();
    const int refreshes = rig.host.menuRefreshes;
    std::vector<std::int32_t> held(rig.image.Values.begin(), rig.image.Values.begin() + 200);
    rig.Answer(BuildFrame(WriteReplyType, held));
    EXPECT_EQ(rig.host.status, "Writing controls to Ventaro XL...");
    EXPECT_EQ(rig.image.DeviceValues[10], 77);
    EXPECT_EQ(rig.image.DataStale, 0);
    EXPECT_EQ(rig.host.menuRefreshes, refreshes);
    EXPECT_FALSE(rig.host.getSendEnabled);  // not while writing
}

TEST(CommCycle, SendFollowedByLossOfTheLinkWritesNothing)
{
    Rig rig;
    rig.PollWith(Words(5));
    rig.TakeSent();
    rig.image.Values[1] = 999;
    rig.image.RequestCountdown = 15;  // the next slot is a whole period away
    rig.image.LinkWatchdog = 0;       // and the link runs out before it
    rig.cycle.BitBtnZendClick();
    rig.Tick();
    EXPECT_EQ(rig.image.CommState, ReadProcess);
    EXPECT_EQ(rig.host.status, "No/broken connection");
    EXPECT_EQ(rig.image.DataStale, 1);
    for (int i = 0; i < 20; ++i)
        rig.Tick();
    for (std::size_t i = 0; i < rig.port.sent.size(); i += 3)
        ASSERT_EQ(rig.port.sent[i], 0x0C) << "only process requests go out";
    EXPECT_EQ(rig.image.Values[1], 999);  // the change stays for a later Send
}

TEST(CommCycle, PortThatDoesNotExistStaysClosedSilently)
{
    Rig rig;
    rig.PollWith(Words(5));
    rig.image.DataStale = 0;
    rig.port.openFails = true;
    rig.cycle.EditComNrChange(7);
    EXPECT_EQ(rig.port.portNumber, 7);
    EXPECT_FALSE(rig.port.open);
    EXPECT_TRUE(rig.dialogs.shown.empty());
    rig.TakeSent();
    int ticks = 0;
    while (rig.host.status != "No/broken connection" && ticks < 100) {
        rig.Tick();
        ++ticks;
    }
    EXPECT_FALSE(rig.host.portShownOpen);
    EXPECT_EQ(rig.host.colour, clRed);
    EXPECT_FALSE(rig.host.getSendEnabled);
    EXPECT_EQ(rig.image.DataStale, 1);
    const int refreshes = rig.host.menuRefreshes;
    rig.Tick(30);
    EXPECT_EQ(rig.host.status, "No/broken connection");  // nothing is sent, red stays
    EXPECT_TRUE(rig.port.sent.empty());
    EXPECT_EQ(rig.host.menuRefreshes, refreshes);          // refreshed once only
}

TEST(CommCycle, LostLinkTiming)
{
    Rig rig;
    rig.PollWith(Words(5));  // evaluated at the last tick; the line is silent from now on
    int ticks = 0;
    while (rig.host.status != "No/broken connection") {
        rig.Tick();
        ++ticks;
        ASSERT_LT(ticks, 100);
    }
    EXPECT_EQ(ticks, 57);
    EXPECT_FALSE(rig.host.getSendEnabled);

    // From then on: blue for 11 ticks and red for 4, every 15 ticks.
    std::string shown;
    for (int i = 0; i < 45; ++i) {
        rig.Tick();
        shown += rig.host.status == "No/broken connection" ? 'R' : 'B';
    }
    for (int period = 0; period < 3; ++period) {
        const std::string one = shown.substr(period * 15, 15);
        EXPECT_EQ(std::count(one.begin(), one.end(), 'B'), 11) << shown;
        EXPECT_EQ(std::count(one.begin(), one.end(), 'R'), 4) << shown;
    }
}

TEST(CommCycle, FramesThatAreNotAppliedChangeNoValue)
{
    struct Case {
        const char* what;
        Frame frame;
        bool feedsWatchdog;
    };
    Frame badCheck = BuildFrame(ProcessReplyType, Words(9));
    badCheck.back() ^= 0x5A;
    Frame shortReply = BuildFrame(ProcessReplyType, std::vector<std::int32_t>(150, 9));
    const Case cases[] = {
        {"wrong check byte", badCheck, false},
        {"type 13 of another length", shortReply, true},
        {"unknown type", BuildFrame(0x40, Words(9)), true},
        {"one byte", Frame{0x53}, false},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.PollWith(Words(5));
        rig.image.LinkWatchdog = 20;
        rig.Tick();
        rig.TakeSent();
        rig.Answer(c.frame);
        EXPECT_EQ(rig.image.Values[256], 5) << c.what;
        EXPECT_EQ(rig.image.LinkWatchdog, c.feedsWatchdog ? 50 : 17) << c.what;
        if (c.frame.size() >= 2) {
            EXPECT_EQ(rig.image.RequestCountdown, 1) << c.what;
        }
        rig.Tick();
        EXPECT_EQ(rig.TakeSent(), c.frame.size() >= 2 ? ProcessRequest() : Frame{}) << c.what;
    }
}

TEST(CommCycle, OverlongInputKeepsLandingInTheLastSlot)
{
    Rig rig;
    rig.Tick();
    rig.Deliver(Frame(900, 0x01));
    EXPECT_EQ(rig.image.RxCount, 799);
    EXPECT_EQ(rig.host.receiveBar, 799);
    rig.Deliver(Frame{0x77});
    EXPECT_EQ(rig.image.RxBuffer[799], 0x77);
    EXPECT_EQ(rig.image.RxCount, 799);
}

TEST(CommCycle, ClosedPortHoldsTheStateAndSendsNothing)
{
    Rig rig;
    rig.PollWith(Words(5));
    rig.TakeSent();
    rig.cycle.BitBtnHaalClick();
    rig.port.open = false;
    rig.Tick(60);
    EXPECT_TRUE(rig.port.sent.empty());
    EXPECT_EQ(rig.image.CommState, ReadProcess);  // the watchdog abandoned the read
    EXPECT_FALSE(rig.host.portShownOpen);
}

} // namespace
