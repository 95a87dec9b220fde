#pragma once
// A scripted serial port: records what the cycle sends, hands out queued bytes.

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <vector>

#include "link/SerialPort.h"

struct FakePort : SerialPort {
    bool open = false;
    bool openFails = false;      // Open throws, as for a port that does not exist
    int portNumber = 0;
    int opens = 0;
    std::vector<std::uint8_t> sent;
    std::deque<std::uint8_t> incoming;

    bool IsOpen() const override { return open; }
    void Open() override
    {
        ++opens;
        if (openFails)
            throw std::runtime_error("Port not found");
        open = true;
    }
    void Close() override { open = false; }
    void SetPortNumber(int n) override { portNumber = n; }
    void PutChar(std::uint8_t b) override
    {
        if (!open)
            throw std::runtime_error("Port not open");
        sent.push_back(b);
    }
    std::uint8_t GetChar() override
    {
        const std::uint8_t b = incoming.front();
        incoming.pop_front();
        return b;
    }
    int BytesWaiting() const override { return static_cast<int>(incoming.size()); }
};
