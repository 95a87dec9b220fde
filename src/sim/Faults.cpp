#include "sim/Faults.h"

#include <charconv>

namespace {

struct NamedFault {
    FaultKind Kind;
    const char* Name;
};

constexpr NamedFault FaultNames[] = {
    {FaultKind::Drop, "drop"},     {FaultKind::Corrupt, "corrupt"}, {FaultKind::Cut, "cut"},
    {FaultKind::Noise, "noise"},   {FaultKind::Slow, "slow"},       {FaultKind::Refuse, "refuse"},
    {FaultKind::Vanish, "vanish"},
};

std::string KnownNames()
{
    std::string names;
    for (const NamedFault& f : FaultNames)
        names += (names.empty() ? "" : ", ") + std::string(f.Name);
    return names;
}

} // namespace

const char* FaultName(FaultKind kind)
{
    for (const NamedFault& f : FaultNames)
        if (f.Kind == kind)
            return f.Name;
    return "?";
}

std::optional<FaultSetting> ParseFault(const std::string& text, std::string& error)
{
    const auto eq = text.find('=');
    const std::string name = text.substr(0, eq);
    FaultSetting fault;
    bool known = false;
    for (const NamedFault& f : FaultNames) {
        if (name == f.Name) {
            fault.Kind = f.Kind;
            known = true;
        }
    }
    if (!known) {
        error = "unknown fault '" + name + "' (known: " + KnownNames() + ")";
        return std::nullopt;
    }
    if (eq == std::string::npos)
        return fault;

    const char* first = text.data() + eq + 1;
    const char* last = text.data() + text.size();
    double rate = -1.0;
    const auto [end, ec] = std::from_chars(first, last, rate, std::chars_format::fixed);
    // The comparison also turns away NaN.
    if (first == last || ec != std::errc() || end != last || !(rate >= 0.0 && rate <= 1.0)) {
        error = "fault rate must be a number from 0 to 1, not '" + text.substr(eq + 1) + "'";
        return std::nullopt;
    }
    fault.Rate = rate;
    return fault;
}

bool FaultDice::Roll(double rate)
{
    // 24 random bits give a fraction in [0, 1) with an exact, library-independent value.
    const double u = static_cast<double>(engine_() >> 8) / 16777216.0;
    return u < rate;
}

std::uint32_t FaultDice::Between(std::uint32_t lo, std::uint32_t hi)
{
    const std::uint64_t span = std::uint64_t{hi} - lo + 1;
    return lo + static_cast<std::uint32_t>(engine_() % span);
}
