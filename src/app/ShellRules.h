#pragma once
// Decisions of the main window shell, kept apart from the widgets.

#include <cstdint>

#include "app/CommandLine.h"
#include "app/Dialogs.h"

// The receive bar's range ends here: a 403-byte frame fills it early on purpose.
constexpr int ReceiveBarMaximum = 220;

constexpr const char* CloseWhileLoggingQuestion = "Logging active, sure to close application?";

// May the main window close? Only a running recording asks first; OK lets it close.
inline bool MayCloseMainWindow(std::int32_t loggingActive, Dialogs& dialogs)
{
    return loggingActive != 1 || dialogs.AskOkCancel(CloseWhileLoggingQuestion, WarningCaption);
}
