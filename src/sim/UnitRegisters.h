#pragma once
// The simulated controller's register file: the same 512 numbers the tool mirrors,
// each holding what one 16-bit word on the line can carry.

#include <array>
#include <cstdint>

#include "app/ValueImage.h"

using UnitRegisters = std::array<std::int32_t, RegisterCount>;

// The signed 16-bit value a register keeps of `value`: its low 16 bits, as the line
// would carry them. Unsigned arithmetic, so any input is defined.
inline std::int32_t AsWord(std::int64_t value)
{
    const auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(value) & 0xFFFFu);
    return low >= 0x8000u ? static_cast<std::int32_t>(low) - 65536 : static_cast<std::int32_t>(low);
}
