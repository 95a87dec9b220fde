#include "sim/SimulatedUnit.h"

#include <algorithm>

#include "catalogue/ParamTable.h"

namespace {

constexpr int ControlRegisterEnd = 200;
constexpr std::uint32_t MaxNoiseBytes = 64;

// A short failure history, so the failure page has something to show and to reset.
constexpr std::pair<int, std::int32_t> FailureHistory[] = {{83, 12}, {84, 3}};

bool Fired(const std::vector<FaultKind>& fired, FaultKind kind)
{
    return std::find(fired.begin(), fired.end(), kind) != fired.end();
}

std::int32_t WordAt(const Frame& frame, int k)
{
    return WordFromBytes(frame[2 + 2 * k], frame[3 + 2 * k]);
}

} // namespace

SimulatedUnit::SimulatedUnit(std::uint32_t seed, std::vector<FaultSetting> faults)
    : dice_(seed), faults_(std::move(faults))
{
    for (const ParamDef* row = ParamTable; row->Menu != TableEndMenu; ++row)
        if (row->Reg >= 0 && row->Reg < ControlRegisterEnd && IsEditable(*row))
            regs_[row->Reg] = AsWord(row->Default);
    for (const auto& [reg, code] : FailureHistory)
        regs_[reg] = code;
    live_.Settle(regs_);
}

std::int32_t SimulatedUnit::Register(int reg) const
{
    return reg >= 0 && reg < RegisterCount ? regs_[reg] : 0;
}

void SimulatedUnit::SetRegister(int reg, std::int32_t value)
{
    if (reg >= 0 && reg < RegisterCount)
        regs_[reg] = AsWord(value);
}

void SimulatedUnit::Advance(double seconds, const std::tm& localTime)
{
    live_.Advance(regs_, seconds);
    const ClockReading now = clock_.Read(localTime);
    regs_[TimeOfDayRegister] = now.MinuteOfDay;
    regs_[DateRegister] = AsWord(now.Day);
    regs_[WeekdayRegister] = now.Weekday;
}

ReplyPlan SimulatedUnit::HandleFrame(const Frame& frame)
{
    if (frame.size() < 2 || !FrameSumOk(frame))
        return {Frame{}, 0.0, false};

    const std::uint8_t command = frame[0];
    Frame reply;
    if (frame.size() == RequestLength && command == ProcessRequestCommand) {
        reply = BuildFrame(ProcessReplyType, Block(FirstProcessRegister));
        return Disturb(std::move(reply), RollFaults(false));
    }
    if (frame.size() == RequestLength && command == ControlsRequestCommand) {
        reply = BuildFrame(ControlsReplyType, Block(FirstControlRegister));
        return Disturb(std::move(reply), RollFaults(false));
    }
    if (frame.size() == BlockLength && command == ControlsBlockCommand) {
        const std::vector<FaultKind> fired = RollFaults(true);
        reply = StoreControls(frame, Fired(fired, FaultKind::Refuse));
        return Disturb(std::move(reply), fired);
    }
    if (frame.size() == BlockLength && command == ProcessBlockCommand) {
        reply = StoreProcess(frame);
        return Disturb(std::move(reply), RollFaults(false));
    }
    return {Frame{}, 0.0, false};
}

std::vector<std::int32_t> SimulatedUnit::Block(int first) const
{
    return std::vector<std::int32_t>(regs_.begin() + first, regs_.begin() + first + RegistersPerBlock);
}

Frame SimulatedUnit::StoreControls(const Frame& block, bool refuse)
{
    for (int k = 0; k < RegistersPerBlock; ++k) {
        const std::int32_t word = WordAt(block, k);
        if (refuse && word != regs_[FirstControlRegister + k]) {
            refuse = false;  // one changed value is kept at its old value
            continue;
        }
        regs_[FirstControlRegister + k] = word;
    }
    return BuildFrame(WriteReplyType, Block(FirstControlRegister));
}

Frame SimulatedUnit::StoreProcess(const Frame& block)
{
    for (int k = 0; k < RegistersPerBlock; ++k) {
        const int reg = FirstProcessRegister + k;
        const std::int32_t word = WordAt(block, k);
        if (word == AsWord(NoChangeWord))
            continue;
        // The clock takes only a real time of day or date; it runs on from the new value.
        if (reg == TimeOfDayRegister) {
            if (word < 0 || word >= 1440)
                continue;
            clock_.SetTimeOfDay(word);
        } else if (reg == DateRegister) {
            if (word < 0)
                continue;
            clock_.SetDate(word);
        }
        regs_[reg] = word;
    }
    return BuildFrame(ProcessBlockReplyType, Block(FirstProcessRegister));
}

std::vector<FaultKind> SimulatedUnit::RollFaults(bool isControlsWrite)
{
    std::vector<FaultKind> fired;
    for (const FaultSetting& f : faults_) {
        if (f.Kind == FaultKind::Refuse && !isControlsWrite)
            continue;
        if (dice_.Roll(f.Rate))
            fired.push_back(f.Kind);
    }
    return fired;
}

ReplyPlan SimulatedUnit::Disturb(Frame reply, const std::vector<FaultKind>& fired)
{
    ReplyPlan plan;
    if (Fired(fired, FaultKind::Drop))
        reply.clear();
    if (Fired(fired, FaultKind::Cut) && reply.size() > 1)
        reply.resize(dice_.Between(1, static_cast<std::uint32_t>(reply.size() - 1)));
    if (Fired(fired, FaultKind::Corrupt) && !reply.empty())
        reply.back() = static_cast<std::uint8_t>(reply.back() ^ dice_.Between(1, 255));
    if (Fired(fired, FaultKind::Noise)) {
        Frame noise(dice_.Between(1, MaxNoiseBytes));
        for (std::uint8_t& b : noise)
            b = static_cast<std::uint8_t>(dice_.Between(0, 255));
        noise.insert(noise.end(), reply.begin(), reply.end());
        // Noise that happened to make a valid frame would be no noise at all.
        if (FrameSumOk(noise))
            noise[0] = static_cast<std::uint8_t>(noise[0] + 1);
        reply = std::move(noise);
    }
    if (Fired(fired, FaultKind::Slow))
        plan.DelaySeconds = SlowAnswerDelaySeconds;
    plan.VanishAfter = Fired(fired, FaultKind::Vanish);
    plan.Bytes = std::move(reply);
    return plan;
}
