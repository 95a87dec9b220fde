#pragma once
// The layout of a fuzz_sim_unit input. A header first: one byte, whose bit 7 set
// means faults are configured, one per set bit 0..6 (FaultKind in declaration order),
// each followed by its rate byte (rate/255); then the dice seed (4 bytes). Then
// operations, one byte each (modulo Count) with their arguments. Shared with the seed
// generator.

#include <cstdint>

enum class SimOp : std::uint8_t {
    Frame,        // n (2 bytes, little-endian), n bytes: handed to the unit as one frame
    SealedFrame,  // command, header, flags, 400 bytes if flags & 1: a frame whose check
                  // byte is computed, handed to the unit
    Bytes,        // gap (ms), n, n bytes: after a gap the bytes reach the frame collector
    Quiet,        // gap (ms): the line stays silent
    Advance,      // seconds (8-byte double), then year, month, day, hour, minute (4 bytes each) of local time
    SetRegister,  // reg, value (4 bytes each)
    Count
};

constexpr std::uint8_t SimFaultsConfigured = 0x80;
