#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "app/MainWindow.h"
#include "app/ReportingApplication.h"
#include "app/ValueImage.h"
#include "log/LogRecorder.h"
#include "resources/Resources.h"
#include "support/FakeDialogs.h"
#include "support/FakePort.h"

namespace {

struct MainWindowTest : ::testing::Test {
    ValueImage image;
    LogRecorder recorder;
    FakeDialogs dialogs;
    FakePort port;
    TForm1 form{image, port, recorder, dialogs};

    template <class T>
    T* Control(const char* name)
    {
        T* control = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QPushButton* Button(const char* name) { return Control<QPushButton>(name); }
};

TEST_F(MainWindowTest, WindowIdentityAndFixedSize)
{
    InitVentaroResources();
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "Ventaro XL Control Center v3.04");
    EXPECT_EQ(form.size(), QSize(712, 615));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form.pos(), QPoint(632, 204));
}

TEST_F(MainWindowTest, FixedControlsAtTheirPlaces)
{
    struct Expected {
        const char* name;
        QRect geometry;  // width/height 0: not fixed by the layout
        const char* text;
    };
    const Expected expected[] = {
        {"GroupBox1", {8, 8, 281, 49}, "Communication port"},
        {"EditComNr", {8, 16, 25, 21}, "1"},
        {"UpDown1", {33, 16, 16, 21}, nullptr},
        {"LabelComOpen", {56, 16, 0, 0}, "Closed"},
        {"Label7", {128, 8, 0, 0}, "Receiving"},
        {"ProgressBarRec", {128, 24, 145, 17}, nullptr},
        {"Panel1", {296, 13, 409, 44}, nullptr},
        {"LabelInfo", {8, 8, 0, 0}, "No action"},
        {"PageControl1", {8, 192, 697, 417}, nullptr},
        {"PanelEdit", {24, 304, 105, 39}, nullptr},
        {"BitBtnHaal", {8, 62, 161, 61}, "Get"},
        {"BitBtnZend", {168, 62, 153, 61}, "Send"},
        {"BitBtnZeltBDA", {384, 62, 161, 61}, "Overview"},
        {"BitBtnLog", {544, 62, 161, 61}, "Log"},
        {"BitBtnLoad", {8, 126, 161, 61}, "Load"},
        {"BitBtnSave", {168, 126, 153, 61}, "Save"},
        {"BitBtnGraph", {384, 126, 161, 61}, "Graph"},
        {"BitBtnExcel", {544, 126, 161, 61}, "EXCEL"},
    };
    for (const Expected& e : expected) {
        QWidget* w = Control<QWidget>(e.name);
        if (!w)
            continue;
        EXPECT_EQ(w->pos(), e.geometry.topLeft()) << e.name;
        if (e.geometry.width() > 0) {
            EXPECT_EQ(w->size(), e.geometry.size()) << e.name;
        }
        if (!e.text)
            continue;
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        else if (auto* b = qobject_cast<QPushButton*>(w))
            text = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            text = g->title();
        else if (auto* f = qobject_cast<QLineEdit*>(w))
            text = f->text();
        EXPECT_EQ(text, QString::fromLatin1(e.text)) << e.name;
    }
    for (const char* name : {"BitBtnHaal", "BitBtnLog", "BitBtnExcel"})
        EXPECT_FALSE(Button(name)->icon().isNull()) << name;
    EXPECT_EQ(Control<QLabel>("LabelComOpen")->palette().color(QPalette::WindowText), QColor(0, 128, 128));
    EXPECT_EQ(Control<QProgressBar>("ProgressBarRec")->maximum(), 220);
    EXPECT_TRUE(Control<QLineEdit>("EditComNr")->isReadOnly());
    EXPECT_FALSE(Control<QWidget>("PanelEdit")->isVisibleTo(&form));
    EXPECT_EQ(Control<QTimer>("Timer1")->interval(), 100);
    EXPECT_TRUE(Control<QTimer>("Timer1")->isActive());
}

TEST_F(MainWindowTest, LayoutFontsResolveToLiberationSans)
{
    for (const char* name : {"LabelInfo", "BitBtnHaal", "LabelComOpen"})
        EXPECT_EQ(QFontInfo(Control<QWidget>(name)->font()).family(), "Liberation Sans") << name;
    EXPECT_EQ(QFontInfo(form.font()).family(), "Liberation Sans");
    EXPECT_EQ(Control<QWidget>("LabelInfo")->font().pixelSize(), 21);
    EXPECT_TRUE(Control<QWidget>("LabelInfo")->font().bold());
}

TEST_F(MainWindowTest, GetAndSendStartDisabledAndMoveTogether)
{
    EXPECT_FALSE(Button("BitBtnHaal")->isEnabled());
    EXPECT_FALSE(Button("BitBtnZend")->isEnabled());
    EXPECT_TRUE(Button("BitBtnLoad")->isEnabled());
    form.EnableGetSend(true);
    EXPECT_TRUE(Button("BitBtnHaal")->isEnabled());
    EXPECT_TRUE(Button("BitBtnZend")->isEnabled());
}

TEST_F(MainWindowTest, ShowStatusSetsTextAndColour)
{
    QLabel* info = Control<QLabel>("LabelInfo");
    form.ShowStatus("Reading process from Ventaro XL...", clBlue);
    EXPECT_EQ(info->text(), "Reading process from Ventaro XL...");
    EXPECT_EQ(info->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(MainWindowTest, FirstShowMarksDataStaleAndClearsTheEditorSelection)
{
    form.show();
    EXPECT_EQ(image.DataStale, 1);
    EXPECT_EQ(form.EditRow(), -1);
    image.DataStale = 0;
    form.hide();
    form.show();  // only the first showing starts up
    EXPECT_EQ(image.DataStale, 0);
    form.hide();
}

TEST_F(MainWindowTest, UpDownStepsThePortNumberWithoutWrapping)
{
    QLineEdit* edit = Control<QLineEdit>("EditComNr");
    auto* updown = form.findChild<QWidget*>(QStringLiteral("UpDown1"));
    ASSERT_NE(updown, nullptr);
    const auto buttons = updown->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    QToolButton* up = buttons[0]->arrowType() == Qt::UpArrow ? buttons[0] : buttons[1];
    QToolButton* down = up == buttons[0] ? buttons[1] : buttons[0];
    int changes = 0;
    QObject::connect(edit, &QLineEdit::textChanged, [&] { ++changes; });
    down->click();  // already at 1
    EXPECT_EQ(edit->text(), "1");
    for (int i = 0; i < 20; ++i)
        up->click();
    EXPECT_EQ(edit->text(), "16");
    EXPECT_EQ(changes, 15);
}

TEST_F(MainWindowTest, ClosingAsksOnlyWhileLogging)
{
    bool closed = false;
    QObject::connect(&form, &TForm1::Closed, [&] { closed = true; });
    form.show();

    recorder.LoggingActive = 1;
    dialogs.answers = {false};
    EXPECT_FALSE(form.close());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Logging active, sure to close application?");
    EXPECT_EQ(dialogs.shown[0].caption, "Warning");
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    EXPECT_FALSE(closed);

    recorder.LoggingActive = 0;
    EXPECT_TRUE(form.close());
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(form.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(MainWindowTest, OverviewAndLogButtonsToggleTheirWindowsGraphOpensIts)
{
    QWidget overview(nullptr, Qt::Window), log(nullptr, Qt::Window), graph(nullptr, Qt::Window);
    form.SetSecondaryWindows(&overview, &log, &graph);
    for (const auto& [button, window] : {std::pair{"BitBtnZeltBDA", &overview}, {"BitBtnLog", &log}}) {
        Button(button)->click();
        EXPECT_TRUE(window->isVisible()) << button;
        Button(button)->click();
        EXPECT_FALSE(window->isVisible()) << button;
    }
    Button("BitBtnGraph")->click();
    Button("BitBtnGraph")->click();
    EXPECT_TRUE(graph.isVisible());
}

TEST(ErrorReportOnQt, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn)
{
    auto* app = dynamic_cast<ReportingApplication*>(QApplication::instance());
    ASSERT_NE(app, nullptr);
    FakeDialogs dialogs;
    app->SetErrorDialogs(&dialogs);
    QObject sender;
    QObject::connect(&sender, &QObject::objectNameChanged,
                     [] { throw std::runtime_error("Port COM3 not available"); });
    QTimer::singleShot(0, &sender, [&] { sender.setObjectName(QStringLiteral("x")); });
    QCoreApplication::processEvents();
    app->SetErrorDialogs(nullptr);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Port COM3 not available.");
    EXPECT_EQ(dialogs.shown[0].caption, "Ventaro XL Control Center v3.02");
    EXPECT_TRUE(dialogs.shown[0].error);
}

} // namespace
