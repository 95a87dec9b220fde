#pragma once
// Waits in the Qt event loop for a condition, with a generous deadline so that a
// broken path fails the test instead of hanging it.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

// False when `done` did not hold within `milliseconds`.
inline bool RunEventsUntil(const std::function<bool()>& done, int milliseconds = 20000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}
