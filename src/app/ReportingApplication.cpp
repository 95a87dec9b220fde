#include "app/ReportingApplication.h"

#include <cstdio>
#include <exception>

#include "app/ErrorReport.h"
#include "app/Identity.h"

ReportingApplication::ReportingApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The title of the program's taskbar entry. Only the application name is set:
    // a display name would be appended to every window caption.
    setApplicationName(QString::fromLatin1(ApplicationTitle));
    setApplicationVersion(QString::fromLatin1(ProgramVersion));
}

bool ReportingApplication::notify(QObject* receiver, QEvent* event)
{
    const auto report = [this](const std::string& message) {
        // A report is modal and the timers run on behind it: errors that come while one
        // is open go to the error stream instead of piling up boxes.
        if (dialogs_ && !reporting_) {
            reporting_ = true;
            ReportError(*dialogs_, message);
            reporting_ = false;
        } else {
            std::fprintf(stderr, "%s\n", ErrorReportText(message).c_str());
        }
    };
    bool handled = false;
    RunReportingErrors(
        [&] {
            handled = QApplication::notify(receiver, event);
            return 0;
        },
        report);
    return handled;
}
