#pragma once
// The host's end of the serial line: the master side of a new pseudo-terminal, or a
// real serial device, set to raw 9600 baud 8N1 without flow control and opened
// non-blocking. For a pseudo-terminal the host also keeps the slave side open itself,
// so that a client closing and reopening it causes no hang-up at the master.

#include <cstddef>
#include <string>

struct LineEnd {
    int Fd = -1;           // what the host reads and writes
    int KeptSlaveFd = -1;  // pseudo-terminal only: the host's hold on the slave side
    std::string Path;      // what a client opens

    bool IsOpen() const { return Fd >= 0; }
};

// Both throw std::runtime_error saying what failed.
LineEnd OpenPseudoTerminal();
LineEnd OpenSerialDevice(const std::string& path);

void CloseLineEnd(LineEnd& line);

// Bytes written that have not reached the other side yet: unread by the client of a
// pseudo-terminal, or not yet sent by a device.
std::size_t BytesOnTheirWay(const LineEnd& line);
