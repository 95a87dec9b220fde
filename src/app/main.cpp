// ventaro-xl: the service tool's start-up and message loop.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ErrorReport.h"
#include "app/LookAndFeel.h"
#include "app/Identity.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "app/ReportingApplication.h"
#include "app/ValueImage.h"
#include "graphs/GraphWindow.h"
#include "link/QtSerialPort.h"
#include "log/LogRecorder.h"
#include "log/LogWindow.h"
#include "overview/OverviewWindow.h"
#include "resources/Resources.h"
#ifdef __unix__
#include "sim/PtyHost.h"
#endif

namespace {

// The program-wide state: static lifetime, handed by reference to its users.
ValueImage Image;
LogRecorder Recorder;

#ifdef __unix__
// A simulated unit on a pseudo-terminal of its own, served on a background thread.
using DemoUnit = std::unique_ptr<PtyHost>;
DemoUnit StartDemoUnit(PortTable& ports)
{
    SimOptions options;
    options.Seed = static_cast<std::uint32_t>(std::time(nullptr));
    auto host = std::make_unique<PtyHost>(options);
    ports.Map(1, host->Open());
    host->Start();
    return host;
}
#else
using DemoUnit = std::unique_ptr<int>;
DemoUnit StartDemoUnit(PortTable&)
{
    throw std::runtime_error("The simulated unit needs pseudo-terminals, which this system lacks");
}
#endif

std::vector<std::string> Arguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

// Options of the toolkit itself (-style, -platform, ...) have one dash; the
// application object takes them off the line.
bool HasToolkitOptions(const std::vector<std::string>& arguments)
{
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& a) {
        return a.size() > 1 && a[0] == '-' && a[1] != '-';
    });
}

int RefuseCommandLine(const std::string& error)
{
    std::fprintf(stderr, "ventaro-xl: %s\n%s", error.c_str(), UsageText("ventaro-xl").c_str());
    return 2;
}

int Run(int argc, char** argv)
{
    // --help and --version answer without a display.
    const std::vector<std::string> given = Arguments(argc, argv);
    const CommandLine early = ParseCommandLine(given);
    if (early.Help) {
        std::fputs(UsageText("ventaro-xl").c_str(), stdout);
        return 0;
    }
    if (early.Version) {
        std::printf("%s\n", MainWindowCaption);
        return 0;
    }
    if (!early.Error.empty() && !HasToolkitOptions(given))
        return RefuseCommandLine(early.Error);  // before a display is needed

    const bool styleGiven = std::find(given.begin(), given.end(), "-style") != given.end() ||
                            std::any_of(given.begin(), given.end(), [](const std::string& a) {
                                return a.rfind("-style=", 0) == 0;
                            });
    QtDialogs dialogs;
    ReportingApplication app(argc, argv);  // takes Qt's own options (-style, -platform, ...)
    const CommandLine line = ParseCommandLine(Arguments(argc, argv));  // what is left is ours
    if (!line.Error.empty())
        return RefuseCommandLine(line.Error);
    app.SetErrorDialogs(&dialogs);
    app.setQuitOnLastWindowClosed(false);  // closing the main window alone ends the program
    InitVentaroResources();
    InstallLookAndFeel(styleGiven);

    return RunReportingErrors(
        [&] {
            PortTable ports = line.Ports;
            DemoUnit demoUnit;
            if (line.Demo)
                demoUnit = StartDemoUnit(ports);
            QtSerialPort port(ports);
            TForm1 form1(Image, port, Recorder, dialogs, [&port](int) { return port.DeviceName(); });
            QObject::connect(&port, &QtSerialPort::DataAvailable, &form1,
                             &TForm1::ApdComPort1TriggerAvail);
            TForm2 form2;
            TForm3 form3;
            TForm4 form4;
            form1.SetSecondaryWindows(&form2, &form3, &form4);
            dialogs.SetOwner(&form1);
            QObject::connect(&form1, &TForm1::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
            form1.show();
            return app.exec();
        },
        [&](const std::string& message) { ReportError(dialogs, message); });
}

} // namespace

int main(int argc, char** argv)
{
    // Before the application object exists there is no window to report in.
    return RunReportingErrors([&] { return Run(argc, argv); },
                              [](const std::string& message) {
                                  std::fprintf(stderr, "%s: %s\n", ApplicationTitle,
                                               ErrorReportText(message).c_str());
                              });
}
