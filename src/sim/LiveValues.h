#pragma once
// The readings of a running unit. Most of them swing slowly around a typical value
// (a table of register, base, amplitude and period); the air flows follow the flows
// that the settings ask for at the present ventilation speed, and the fan controls
// follow the flows. A few process registers are commands that the unit carries out
// and then resets.

#include <cstdint>
#include <span>

#include "sim/UnitRegisters.h"

struct LiveQuantity {
    std::int32_t Reg;
    std::int32_t Base;       // in the register's own units
    std::int32_t Amplitude;  // 0: the value stays at Base
    double PeriodSeconds;
    double Phase;            // fraction of a period at time 0
};

std::span<const LiveQuantity> LiveQuantities();

// Process registers with a fixed meaning to the simulated unit.
constexpr int SupplyRequestRegister = 271;
constexpr int ExhaustRequestRegister = 272;
constexpr int SupplyActualRegister = 273;
constexpr int ExhaustActualRegister = 274;
constexpr int VentilationPercentRegister = 275;
constexpr int SupplyFanRegister = 300;
constexpr int ExhaustFanRegister = 301;
constexpr int SoftwareVersionRegister = 280;
constexpr int PowerOnHoursRegister = 381;
constexpr int VentilationSpeedRegister = 369;  // 0 off, 1..4 the four flow settings

// Control registers the live values depend on.
constexpr int FirstSupplyFlowSetting = 1;   // supply air 1..4 in registers 1..4
constexpr int FirstExhaustFlowSetting = 5;  // exhaust air 1..4 in registers 5..8
constexpr int MaxSupplyFlowSetting = 18;
constexpr int MaxExhaustFlowSetting = 19;

class LiveValues {
public:
    // Puts every live register at its value for a unit that has been running steadily.
    void Settle(UnitRegisters& regs);

    // Lets `seconds` of running pass. Negative or non-finite spans count as 0.
    void Advance(UnitRegisters& regs, double seconds);

private:
    void Write(UnitRegisters& regs) const;

    double elapsed_ = 0.0;
    double supplyFlow_ = 0.0;  // the flows as they settle, before ripple
    double exhaustFlow_ = 0.0;
};
