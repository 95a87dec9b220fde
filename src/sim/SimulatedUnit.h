#pragma once
// A model of the unit's controller as the serial line sees it: 512 registers, the
// frames it answers and how, live readings that move while it runs, and faults on
// request. Deterministic for a given seed; it knows nothing of ports or time sources,
// so it runs the same in tests, in ventaro-sim and inside the tool's demo mode.
//
// Answers (all with the frame layout of link/Frames.h):
//   process request  0x0C 0x00 0x47 -> type 13, registers 256..455
//   controls request 0x16 0x00 0x3D -> type 23, registers 0..199
//   controls block   0x20, 403 bytes -> stores all 200 words, then type 33 with
//                                       registers 0..199 as now held
//   process block    0x22, 403 bytes -> stores each word except 0x9F45 into 256+k, then
//                                       type 35 with registers 256..455 as now held
// A frame that fails its check, or that is none of the above, gets no answer, as the
// real unit stays silent. The second header byte of a request is not looked at.

#include <cstdint>
#include <ctime>
#include <vector>

#include "link/Frames.h"
#include "sim/Faults.h"
#include "sim/LiveValues.h"
#include "sim/UnitClock.h"
#include "sim/UnitRegisters.h"

constexpr std::uint8_t ProcessBlockReplyType = 35;

constexpr double AnswerDelaySeconds = 0.03;      // the controller's usual reaction time
constexpr double SlowAnswerDelaySeconds = 2.0;   // the "slow" fault

// What to put on the line in answer to one frame.
struct ReplyPlan {
    Frame Bytes;                            // empty: stay silent
    double DelaySeconds = AnswerDelaySeconds;  // from the end of the frame to the first byte
    bool VanishAfter = false;               // drop the line once Bytes are out
};

class SimulatedUnit {
public:
    explicit SimulatedUnit(std::uint32_t seed = 1, std::vector<FaultSetting> faults = {});

    // The answer to one complete frame (as delimited by silence on the line).
    ReplyPlan HandleFrame(const Frame& frame);

    // Lets `seconds` of running pass and sets the clock registers from the host's
    // local time.
    void Advance(double seconds, const std::tm& localTime);

    // 0 outside 0..511.
    std::int32_t Register(int reg) const;
    // Keeps the low 16 bits, as the line would; ignored outside 0..511.
    void SetRegister(int reg, std::int32_t value);

    void SetFaults(std::vector<FaultSetting> faults) { faults_ = std::move(faults); }
    const std::vector<FaultSetting>& Faults() const { return faults_; }

private:
    Frame StoreControls(const Frame& block, bool refuse);
    Frame StoreProcess(const Frame& block);
    std::vector<std::int32_t> Block(int first) const;
    ReplyPlan Disturb(Frame reply, const std::vector<FaultKind>& fired);
    std::vector<FaultKind> RollFaults(bool isControlsWrite);

    UnitRegisters regs_{};
    LiveValues live_;
    UnitClock clock_;
    FaultDice dice_;
    std::vector<FaultSetting> faults_;
};
