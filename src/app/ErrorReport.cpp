#include "app/ErrorReport.h"

#include <exception>

#include "app/Identity.h"

std::string ErrorReportText(const std::string& message)
{
    std::string text = message;
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

void ReportError(Dialogs& dialogs, const std::string& message)
{
    dialogs.Tell(ErrorReportText(message), ApplicationTitle, true);
}

int RunReportingErrors(const std::function<int()>& body,
                       const std::function<void(const std::string&)>& report, int failureCode)
{
    try {
        return body();
    } catch (const std::exception& e) {
        report(e.what());
    } catch (...) {
        report("Unknown error");
    }
    return failureCode;
}
