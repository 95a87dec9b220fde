#pragma once
// The program's one picture of the unit's registers, with the receive buffer and
// the counters of the communication cycle. Plain state, zero at start. The program
// holds exactly one instance with static lifetime (see main) and hands it by
// reference to the code that reads or writes it; tests make fresh ones.

#include <array>
#include <cstdint>

// What the cycle does at its next request slot.
enum CommStateKind : std::int32_t {
    ReadProcess = 0,
    ReadControls = 1,
    WriteControls = 2,
    WriteControls2 = 3,
};

constexpr int RegisterCount = 512;
constexpr int FirstControlRegister = 0;    // control registers 0..199: the unit's settings
constexpr int FirstProcessRegister = 256;  // process registers 256..455: live readings and commands
constexpr int RegistersPerBlock = 200;
constexpr int RxBufferSlots = 800;
constexpr std::int32_t RxCountLimit = RxBufferSlots - 1;  // later bytes all land in the last slot

struct ValueImage {
    std::array<std::int32_t, RegisterCount> Values{};        // what the menus show and edit
    std::array<std::int32_t, RegisterCount> DeviceValues{};  // as last confirmed by the unit
    std::array<std::int32_t, RegisterCount> PendingEdit{};   // 1: process edit not yet sent
    std::int32_t DataStale = 0;  // 1: not confirmed by a controls read since start or link loss

    std::array<std::int32_t, RxBufferSlots> RxBuffer{};  // received bytes, 0..255 each
    std::int32_t RxCount = 0;                            // bytes held, 0..799

    std::int32_t RequestCountdown = 0;  // ticks to the next request slot
    std::int32_t RxIdleCountdown = 0;   // 1 while bytes arrived since the last tick
    std::int32_t LinkWatchdog = 0;      // ticks left before the link counts as lost
    std::int32_t CommState = ReadProcess;
};
