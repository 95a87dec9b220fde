// The tool's serial adapter and communication cycle against the simulated unit over a
// real pseudo-terminal: the whole path a byte takes, at the real tick of 100 ms.
#include <gtest/gtest.h>

#include <QTimer>
#include <functional>

#include "app/CommandLine.h"
#include "app/ValueImage.h"
#include "link/CommCycle.h"
#include "link/QtSerialPort.h"
#include "sim/PtyHost.h"
#include "support/EventLoop.h"
#include "support/FakeDialogs.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"
#include "support/TestUnit.h"

namespace {

struct EndToEnd : ::testing::Test {
    TempDir dir;
    std::string link = dir / "unit";
    PtyHost unit{TestUnitOptions(link)};
    PortTable ports;
    QtSerialPort port{ports};
    ValueImage image;
    RecordingHost host;
    FakeDialogs dialogs;
    CommCycle cycle{image, port, host, dialogs};
    QTimer tick;

    void SetUp() override
    {
        unit.Open();
        unit.Start();
        ports.Map(1, link);
        QObject::connect(&port, &QtSerialPort::DataAvailable,
                         [this](int count) { cycle.ApdComPort1TriggerAvail(count); });
        QObject::connect(&tick, &QTimer::timeout, [this] { cycle.Timer1Timer(); });
        tick.start(100);
        cycle.EditComNrChange(1);
        image.DataStale = 1;
    }
    void TearDown() override
    {
        tick.stop();
        port.Close();
        unit.Stop();
    }
    bool RunUntil(const std::function<bool()>& done) { return RunEventsUntil(done); }
    bool Shows(const char* text)
    {
        return RunUntil([&] { return host.status == text; });
    }
};

TEST_F(EndToEnd, PollGetEditSend)
{
    ASSERT_TRUE(port.IsOpen());
    ASSERT_TRUE(Shows("Process received from Ventaro XL"));
    EXPECT_EQ(image.Values[280], unit.ReadRegister(280));  // software version
    EXPECT_NE(image.Values[256], 0);                        // a live temperature
    EXPECT_EQ(image.DataStale, 1);
    ASSERT_TRUE(RunUntil([&] { return host.getSendEnabled; }));

    cycle.BitBtnHaalClick();
    ASSERT_TRUE(Shows("Controls received from Ventaro XL"));
    EXPECT_EQ(image.DataStale, 0);
    EXPECT_EQ(image.Values[1], 5000);  // "Supply air 1" starts at its default
    EXPECT_EQ(image.DeviceValues[1], 5000);

    ASSERT_TRUE(RunUntil([&] { return host.getSendEnabled; }));
    image.Values[1] = 5100;
    cycle.BitBtnZendClick();
    ASSERT_TRUE(RunUntil([&] { return image.DeviceValues[1] == 5100; }));
    EXPECT_EQ(unit.ReadRegister(1), 5100);
    ASSERT_TRUE(Shows("Process received from Ventaro XL"));
    EXPECT_TRUE(RunUntil([&] { return host.getSendEnabled; }));
}

TEST_F(EndToEnd, UnitVanishesAndComesBack)
{
    ASSERT_TRUE(Shows("Process received from Ventaro XL"));
    unit.Vanish();
    ASSERT_TRUE(RunUntil([&] { return !port.IsOpen(); }));
    ASSERT_TRUE(Shows("No/broken connection"));
    EXPECT_FALSE(host.portShownOpen);
    EXPECT_EQ(image.DataStale, 1);

    unit.Reopen();  // a new line behind the same path: the port finds it by itself
    ASSERT_TRUE(RunUntil([&] { return port.IsOpen(); }));
    ASSERT_TRUE(Shows("Process received from Ventaro XL"));
    EXPECT_TRUE(host.portShownOpen);
}

} // namespace
