#pragma once
// Misbehaviour the simulated unit can be asked to show, so that the tool's handling
// of a bad line can be seen and tested. Each fault fires on a reply with its own
// probability; the dice are seeded, so a run repeats exactly.

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

enum class FaultKind {
    Drop,     // no reply at all
    Corrupt,  // the reply's check byte is wrong
    Cut,      // the reply stops short
    Noise,    // garbage bytes run straight into the reply, spoiling the frame
    Slow,     // the reply starts only after SlowAnswerDelay
    Refuse,   // a changed control value is not taken: the write reply differs
    Vanish,   // the unit drops the line once the reply is out
};

struct FaultSetting {
    FaultKind Kind = FaultKind::Drop;
    double Rate = 1.0;  // probability per reply, 0..1

    bool operator==(const FaultSetting&) const = default;
};

// The name used on the command line ("drop", "corrupt", ...).
const char* FaultName(FaultKind kind);

// "KIND" or "KIND=RATE" with RATE a decimal from 0 to 1. On failure returns nothing and
// says why in `error`.
std::optional<FaultSetting> ParseFault(const std::string& text, std::string& error);

// The seeded source of every chance decision the unit makes. Built on mt19937, whose
// output the standard fixes, so a seed gives the same run with any standard library.
class FaultDice {
public:
    explicit FaultDice(std::uint32_t seed) : engine_(seed) {}

    // True with probability `rate` (never for 0 or less, always for 1 or more).
    bool Roll(double rate);
    // Uniform in lo..hi inclusive. Contract: lo <= hi.
    std::uint32_t Between(std::uint32_t lo, std::uint32_t hi);

private:
    std::mt19937 engine_;
};
