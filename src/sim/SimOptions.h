#pragma once
// How a simulated unit is run: where its line appears, how it talks, how it misbehaves.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/Faults.h"

struct SimOptions {
    std::string LinkPath;         // if set, a symbolic link here points at the line
    std::string Device;           // if set, a real serial device instead of a pseudo-terminal
    bool Pacing = true;           // replies leave at 9600 baud; off: in one piece
    std::vector<FaultSetting> Faults;
    std::uint32_t Seed = 1;
    // After vanishing, the line comes back after this long on the same link path.
    // Negative: it stays away until Reopen().
    double ComebackSeconds = 3.0;
};
