#pragma once
// The seam to the serial line, as the communication cycle needs it: bytes go out one
// at a time into the port's send queue and come in one at a time once the port has
// said they are waiting. The real port is the Qt adapter; tests script a fake.

#include <cstdint>

class SerialPort {
public:
    virtual ~SerialPort() = default;
    virtual bool IsOpen() const = 0;
    virtual void Open() = 0;   // throws when the port cannot be opened
    virtual void Close() = 0;
    virtual void SetPortNumber(int portNumber) = 0;  // 1..16; only while closed
    virtual void PutChar(std::uint8_t byte) = 0;     // queued; returns at once; throws on failure
    virtual std::uint8_t GetChar() = 0;              // contract: a byte is waiting
    virtual int BytesWaiting() const = 0;
};
