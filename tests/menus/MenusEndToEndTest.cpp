// The main window against the simulated unit over a pseudo-terminal: the colours of
// the value fields follow Get, edits and Send as the engineer sees them.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/ValueImage.h"
#include "link/QtSerialPort.h"
#include "log/LogRecorder.h"
#include "sim/PtyHost.h"
#include "support/EventLoop.h"
#include "support/FakeDialogs.h"
#include "support/RowLookup.h"
#include "support/TempDir.h"
#include "support/TestUnit.h"

namespace {

struct MenusEndToEnd : ::testing::Test {
    TempDir dir;
    std::string link = dir / "unit";
    PtyHost unit{TestUnitOptions(link)};
    PortTable ports;
    std::unique_ptr<QtSerialPort> port;
    ValueImage image;
    LogRecorder recorder;
    FakeDialogs dialogs;
    std::unique_ptr<TForm1> form;

    void SetUp() override
    {
        unit.Open();
        unit.Start();
        ports.Map(1, link);
        port = std::make_unique<QtSerialPort>(ports);
        form = std::make_unique<TForm1>(image, *port, recorder, dialogs);
        QObject::connect(port.get(), &QtSerialPort::DataAvailable, form.get(),
                         &TForm1::ApdComPort1TriggerAvail);
        form->show();
    }
    void TearDown() override
    {
        form->close();
        form.reset();
        port.reset();
        unit.Stop();
    }
    bool RunUntil(const std::function<bool()>& done) { return RunEventsUntil(done); }
    int Row(const char* key) const
    {
        for (int i = 0; i < MenuRowCapacity; ++i)
            if (form->MenuRows[i].ParamIndex == RowIndexOf(key))
                return i;
        return -1;
    }
    QColor Colour(const char* key) const
    {
        return form->MenuField(Row(key))->palette().color(QPalette::Text);
    }
    bool GetSendEnabled() const
    {
        return form->findChild<QPushButton*>(QStringLiteral("BitBtnHaal"))->isEnabled();
    }
    void Press(const char* name)
    {
        form->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
};

const QColor Black(0, 0, 0), Red(255, 0, 0), Fuchsia(255, 0, 255);

TEST_F(MenusEndToEnd, ColoursFollowGetEditAndSend)
{
    ASSERT_TRUE(RunUntil([&] { return GetSendEnabled(); }));
    EXPECT_EQ(Colour("M01.01"), QColor(128, 128, 128));  // live, but not yet confirmed

    form->BitBtnHaalClick();
    ASSERT_TRUE(RunUntil([&] { return image.DataStale == 0; }));
    for (int i = 0; i < UsedMenuRows(form->MenuRows); ++i)
        ASSERT_EQ(form->MenuField(i)->palette().color(QPalette::Text), Black) << i;

    // A control register: red until the unit confirms it.
    form->Edit1Enter(form->MenuField(Row("M02.01")));
    Press("ButtonEditP");
    EXPECT_EQ(form->MenuField(Row("M02.01"))->text(), "5010 m3/h");
    EXPECT_EQ(Colour("M02.01"), Red);

    // A process register: fuchsia, and polling does not overwrite it.
    form->Edit1Enter(form->MenuField(Row("M60.01")));
    Press(image.Values[366] < 1380 ? "ButtonEditPPP" : "ButtonEditMMM");  // an hour on, or back
    const std::int32_t edited = image.Values[366];
    EXPECT_EQ(Colour("M60.01"), Fuchsia);
    ASSERT_TRUE(RunUntil([&] { return GetSendEnabled(); }));
    EXPECT_EQ(image.Values[366], edited);
    EXPECT_EQ(Colour("M60.01"), Fuchsia);

    form->BitBtnZendClick();  // the fake answers OK
    EXPECT_EQ(form->EditRow(), -1);
    ASSERT_TRUE(RunUntil([&] { return Colour("M02.01") == Black && Colour("M60.01") == Black; }));
    EXPECT_EQ(unit.ReadRegister(1), 5010);
    EXPECT_NEAR(image.Values[366], edited, 1);  // the unit's clock runs on from the set time
}

} // namespace
