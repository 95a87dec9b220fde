#pragma once
// The default error report: what the engineer sees of an error that escaped a handler
// or start-up.

#include <functional>
#include <string>

#include "app/Dialogs.h"

// The message as reported: a full stop is appended when the last character sorts
// after the full stop (so "Port busy" gets one, "Port busy." and "Port busy!" do not).
std::string ErrorReportText(const std::string& message);

// Shows the report: the message, the application title as caption, the error icon.
void ReportError(Dialogs& dialogs, const std::string& message);

// Runs `body`; an exception that escapes it is reported and turned into `failureCode`.
int RunReportingErrors(const std::function<int()>& body,
                       const std::function<void(const std::string&)>& report,
                       int failureCode = 1);
