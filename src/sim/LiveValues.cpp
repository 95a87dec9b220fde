#include "sim/LiveValues.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Temperatures in tenths of a degree, valve and fan outputs in tenths of a percent,
// the heat wheel and bypass in hundredths, pressures in Pa. Periods differ so the
// readings never move in step.
constexpr LiveQuantity Quantities[] = {
    {256, 85, 35, 3600.0, 0.00},    // outdoor air
    {257, 195, 8, 1500.0, 0.20},    // supply air
    {258, 215, 6, 2400.0, 0.45},    // extract air
    {259, 120, 25, 3000.0, 0.10},   // exhaust air
    {260, 185, 10, 1800.0, 0.70},   // NTC5
    {261, 165, 12, 2700.0, 0.35},   // NTC6
    {323, 142, 9, 2000.0, 0.55},    // NTC7
    {336, 200, 0, 1.0, 0.0},        // supply temperature asked by the heating line
    {276, 7550, 650, 900.0, 0.15},  // heat wheel speed
    {316, 780, 25, 1200.0, 0.60},   // heat exchange efficiency
    {296, 0, 0, 1.0, 0.0},          // bypass closed
    {297, 180, 120, 1300.0, 0.25},  // heating valve
    {298, 0, 0, 1.0, 0.0},          // cooling valve
    {361, 0, 0, 1.0, 0.0},          // preheat outdoor air
    {429, 0, 0, 1.0, 0.0},          // preheat extract air
    {362, 118, 6, 240.0, 0.30},     // exhaust nozzle
    {363, 131, 6, 300.0, 0.80},     // supply nozzle
    {364, 88, 4, 600.0, 0.50},      // exhaust filter
    {365, 104, 5, 700.0, 0.05},     // supply filter
    {277, 0, 0, 1.0, 0.0},          // analog inputs
    {278, 0, 0, 1.0, 0.0},
    {279, 0, 0, 1.0, 0.0},
    {337, 1, 0, 1.0, 0.0},          // digital input 1 closed: ventilation 1 asked
    {308, 1, 0, 1.0, 0.0},          // relay 2: supply dampers
    {309, 1, 0, 1.0, 0.0},          // relay 3: exhaust dampers
    {294, 1, 0, 1.0, 0.0},          // supply damper open
    {295, 1, 0, 1.0, 0.0},          // exhaust damper open
    {350, 1, 0, 1.0, 0.0},          // heating active
    {380, 6, 0, 1.0, 0.0},          // SD card ready
    {280, 304, 0, 1.0, 0.0},        // software 3.04
    {452, 112, 0, 1.0, 0.0},        // I/O board 1.12
};

// Process registers that are commands: the unit acts on `From` and moves on to `To`
// at its next step (reset requests fall back to "No", the SD card goes busy, then done).
struct CommandStep {
    int Reg;
    std::int32_t From;
    std::int32_t To;
};
constexpr CommandStep CommandSteps[] = {
    {451, 1, 0},  // reset actual failure
    {352, 1, 0},  // reset failure list
    {431, 1, 2}, {431, 2, 3},  // save parameters on SD card
    {432, 1, 2}, {432, 2, 3},  // restore parameters from SD card
};
constexpr int ResetFailureListRegister = 352;
constexpr int FirstFailureRegister = 83;  // the last six failures, registers 83..88
constexpr int FailureListLength = 6;

constexpr double FlowSettlingSeconds = 20.0;
constexpr double FlowRipple = 0.004;             // of the flow
constexpr double PowerOnHoursAtStart = 12480.0;
constexpr double MaxStepSeconds = 86400.0;

double Swing(const LiveQuantity& q, double t)
{
    if (q.Amplitude == 0 || !(q.PeriodSeconds > 0.0))
        return q.Base;
    const double turns = std::fmod(t / q.PeriodSeconds + q.Phase, 1.0);
    return q.Base + q.Amplitude * std::sin(2.0 * std::numbers::pi * turns);
}

std::int32_t Rounded(double v)
{
    if (!std::isfinite(v))
        return 0;
    return AsWord(static_cast<std::int64_t>(std::lround(std::clamp(v, -1e9, 1e9))));
}

// The flow the settings ask for at the present speed, never below 0.
std::int32_t RequestedFlow(const UnitRegisters& regs, int firstSetting)
{
    const std::int32_t speed = regs[VentilationSpeedRegister];
    if (speed < 1 || speed > 4)
        return 0;
    return std::max(0, regs[firstSetting + speed - 1]);
}

// Part of `maximum` that `value` is, in `scale` steps, held within 0..scale.
std::int32_t Share(double value, std::int32_t maximum, double scale)
{
    if (maximum <= 0)
        return 0;
    return Rounded(std::clamp(value * scale / maximum, 0.0, scale));
}

} // namespace

std::span<const LiveQuantity> LiveQuantities() { return Quantities; }

void LiveValues::Settle(UnitRegisters& regs)
{
    if (regs[VentilationSpeedRegister] == 0)
        regs[VentilationSpeedRegister] = 2;
    supplyFlow_ = RequestedFlow(regs, FirstSupplyFlowSetting);
    exhaustFlow_ = RequestedFlow(regs, FirstExhaustFlowSetting);
    Write(regs);
}

void LiveValues::Advance(UnitRegisters& regs, double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0.0)
        return;
    // A long pause (host suspended) counts as one day at most, which keeps the
    // running time finite however often it happens.
    seconds = std::min(seconds, MaxStepSeconds);
    elapsed_ += seconds;

    const double follow = 1.0 - std::exp(-seconds / FlowSettlingSeconds);
    supplyFlow_ += (RequestedFlow(regs, FirstSupplyFlowSetting) - supplyFlow_) * follow;
    exhaustFlow_ += (RequestedFlow(regs, FirstExhaustFlowSetting) - exhaustFlow_) * follow;

    // All steps see the registers as they were, so one command moves one step.
    const UnitRegisters before = regs;
    for (const CommandStep& s : CommandSteps)
        if (before[s.Reg] == s.From)
            regs[s.Reg] = s.To;
    if (before[ResetFailureListRegister] == 1)
        std::fill_n(regs.begin() + FirstFailureRegister, FailureListLength, 0);

    Write(regs);
}

void LiveValues::Write(UnitRegisters& regs) const
{
    for (const LiveQuantity& q : Quantities)
        regs[q.Reg] = Rounded(Swing(q, elapsed_));

    const double ripple = FlowRipple * std::sin(2.0 * std::numbers::pi * std::fmod(elapsed_ / 37.0, 1.0));
    const double supply = supplyFlow_ * (1.0 + ripple);
    const double exhaust = exhaustFlow_ * (1.0 - ripple);
    regs[SupplyRequestRegister] = RequestedFlow(regs, FirstSupplyFlowSetting);
    regs[ExhaustRequestRegister] = RequestedFlow(regs, FirstExhaustFlowSetting);
    regs[SupplyActualRegister] = Rounded(supply);
    regs[ExhaustActualRegister] = Rounded(exhaust);
    regs[VentilationPercentRegister] =
        Share(regs[SupplyRequestRegister], regs[MaxSupplyFlowSetting], 100.0);
    regs[SupplyFanRegister] = Share(supply, regs[MaxSupplyFlowSetting], 1000.0);
    regs[ExhaustFanRegister] = Share(exhaust, regs[MaxExhaustFlowSetting], 1000.0);
    regs[PowerOnHoursRegister] = Rounded(PowerOnHoursAtStart + std::floor(elapsed_ / 3600.0));
}
