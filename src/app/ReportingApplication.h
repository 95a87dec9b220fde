#pragma once
// The application object. An error that escapes an event handler is shown by the
// default error report and the program keeps running.

#include <QApplication>

class Dialogs;

class ReportingApplication : public QApplication {
public:
    ReportingApplication(int& argc, char** argv);
    void SetErrorDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs* dialogs_ = nullptr;
    bool reporting_ = false;
};
