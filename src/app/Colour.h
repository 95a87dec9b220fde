#pragma once
// Colours as RGB triples, with the named colours the tool's texts use.

#include <cstdint>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

constexpr Rgb clBlack{0, 0, 0};
constexpr Rgb clRed{255, 0, 0};
constexpr Rgb clBlue{0, 0, 255};
constexpr Rgb clFuchsia{255, 0, 255};
constexpr Rgb clTeal{0, 128, 128};
constexpr Rgb clAqua{0, 255, 255};
constexpr Rgb clGray{128, 128, 128};
