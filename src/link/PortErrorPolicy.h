#pragma once
// What an error reported by the serial port means for the open line. Kept apart from
// the port so that the decisions are plain, tested functions.

enum class PortFault {
    None,
    DeviceNotFound,
    PermissionDenied,
    Open,
    NotOpen,
    Write,
    Read,
    Resource,          // the device went away (USB adapter pulled, pty closed)
    UnsupportedOperation,  // e.g. a pseudo-terminal refusing the modem-line ioctls
    Timeout,
    Unknown,
};

// True when the line cannot be used any more and the port must be closed: a vanished
// device otherwise keeps reporting read errors in a tight loop while still "open".
constexpr bool FaultClosesPort(PortFault fault)
{
    switch (fault) {
    case PortFault::Read:
    case PortFault::Write:
    case PortFault::Resource:
    case PortFault::Unknown:
        return true;
    default:
        return false;
    }
}

// Reopening after the device vanished: the port tries again by itself, at most once
// per request period, but only a port that had been open. A port that could not be
// opened at all stays closed until the engineer chooses a port.
class PortRecovery {
public:
    void Chosen() { lost_ = false; }  // the engineer opens a port: start afresh
    void Opened() { lost_ = false; }
    void Vanished() { lost_ = true; }
    bool WantsReopen() const { return lost_; }

private:
    bool lost_ = false;
};
