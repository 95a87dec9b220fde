#pragma once
// The operations a fuzz_cycle input is made of: one byte picks the operation (modulo
// Count, so every byte picks one), its arguments follow. Shared with the seed
// generator.

#include <cstdint>

enum class CycleOp : std::uint8_t {
    Deliver,       // n, n bytes: a chunk arrives and the port reports n bytes waiting
    DeliverFrame,  // type, flags, 400 bytes if flags & 1: a frame with its check byte
                   // computed (flags & 2 spoils it), delivered in one chunk
    Tick,          // n: 1 + n % 64 timer ticks
    Get,           // the Get button
    SendOk,        // the Send button, question answered OK
    SendCancel,    // the Send button, question cancelled
    PortNumber,    // b: the port field changes to 1 + (b >> 1) % 16; b & 1: that port fails to open
    Vanish,        // the device goes away: the port is closed under the cycle
    Reappear,      // the port is opened again from outside the cycle
    Edit,          // row (2 bytes), press: one press of the value editor on a menu row
    Count
};
