// The simulated unit fed arbitrary frames, directly and through the frame collector
// as bytes with gaps, between runs of its clock and live values. A frame the unit
// does not know gets silence and changes nothing; a reply, unless a fault that spoils
// frames is configured, is a whole frame of the right type holding the registers as
// they now stand; registers never hold more than a line word.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "ScriptReader.h"
#include "SimScript.h"
#include "link/Frames.h"
#include "sim/FrameCollector.h"
#include "sim/SimulatedUnit.h"

namespace {

constexpr int FaultKinds = 7;  // FaultKind::Drop .. FaultKind::Vanish

struct Configured {
    bool framesIntact = true;  // no corrupt, cut or noise fault
    bool takesAll = true;      // no refuse fault
};

std::int32_t WordAt(const Frame& frame, int k)
{
    return WordFromBytes(frame[2 + 2 * static_cast<std::size_t>(k)], frame[3 + 2 * static_cast<std::size_t>(k)]);
}

FUZZ_UNCOVERED std::vector<std::int32_t> Registers(const SimulatedUnit& unit)
{
    std::vector<std::int32_t> regs(RegisterCount);
    for (int r = 0; r < RegisterCount; ++r)
        regs[r] = unit.Register(r);
    return regs;
}

FUZZ_UNCOVERED void CheckRegisters(const SimulatedUnit& unit)
{
    for (int r = 0; r < RegisterCount; ++r)
        FUZZ_CHECK(unit.Register(r) >= -32768 && unit.Register(r) <= 32767);
}

// What the unit answers to `frame`, by the frame alone; 0: silence.
std::uint8_t ExpectedReplyType(const Frame& frame)
{
    if (frame.size() < 2 || !FrameSumOk(frame))
        return 0;
    if (frame.size() == RequestLength && frame[0] == ProcessRequestCommand)
        return ProcessReplyType;
    if (frame.size() == RequestLength && frame[0] == ControlsRequestCommand)
        return ControlsReplyType;
    if (frame.size() == BlockLength && frame[0] == ControlsBlockCommand)
        return WriteReplyType;
    if (frame.size() == BlockLength && frame[0] == ProcessBlockCommand)
        return ProcessBlockReplyType;
    return 0;
}

void Handle(SimulatedUnit& unit, const Frame& frame, const Configured& configured)
{
    const std::vector<std::int32_t> before = Registers(unit);
    const ReplyPlan plan = unit.HandleFrame(frame);
    const std::vector<std::int32_t> after = Registers(unit);
    CheckRegisters(unit);

    const std::uint8_t type = ExpectedReplyType(frame);
    if (type == 0) {
        FUZZ_CHECK(plan.Bytes.empty());
        FUZZ_CHECK(!plan.VanishAfter);
        FUZZ_CHECK(after == before);
        return;
    }

    // What the block asked for is held, whatever became of the reply.
    if (type == WriteReplyType && configured.takesAll)
        for (int k = 0; k < RegistersPerBlock; ++k)
            FUZZ_CHECK(after[FirstControlRegister + k] == WordAt(frame, k));
    if (type == ProcessBlockReplyType) {
        for (int k = 0; k < RegistersPerBlock; ++k) {
            const int reg = FirstProcessRegister + k;
            const std::int32_t word = WordAt(frame, k);
            if (word == WordFromBytes(static_cast<std::uint8_t>(NoChangeWord >> 8),
                                      static_cast<std::uint8_t>(NoChangeWord & 0xFF)))
                FUZZ_CHECK(after[reg] == before[reg]);
            else if (reg != TimeOfDayRegister && reg != DateRegister)
                FUZZ_CHECK(after[reg] == word);
        }
    }
    if (type == ProcessReplyType || type == ControlsReplyType)
        FUZZ_CHECK(after == before);

    if (!configured.framesIntact || plan.Bytes.empty())
        return;
    const Frame& reply = plan.Bytes;
    FUZZ_CHECK(FrameSumOk(reply));
    FUZZ_CHECK(reply.size() == BlockLength);
    FUZZ_CHECK(reply[0] == type && reply[1] == 0x00);
    const int first = type == ProcessReplyType || type == ProcessBlockReplyType ? FirstProcessRegister
                                                                              : FirstControlRegister;
    for (int k = 0; k < RegistersPerBlock; ++k)
        FUZZ_CHECK(WordAt(reply, k) == after[first + k]);
}

// The collector's frames as a plain model predicts them.
struct Line {
    using Clock = FrameCollector::Clock;
    FrameCollector collector;
    Frame heard;
    bool holding = false;
    Clock::time_point now = Clock::time_point{} + std::chrono::hours(1);
    Clock::time_point last{};

    void Wait(std::uint8_t gapMs, SimulatedUnit& unit, const Configured& configured)
    {
        now += std::chrono::milliseconds(gapMs);
        const std::optional<Frame> frame = collector.Take(now);
        const bool ends = holding && now - last >= FrameCollector::Silence;
        FUZZ_CHECK(frame.has_value() == (ends && heard.size() <= FrameCollector::Capacity));
        if (ends) {
            holding = false;
            if (frame) {
                FUZZ_CHECK(*frame == heard);
                Handle(unit, *frame, configured);
            }
            heard.clear();
        }
        FUZZ_CHECK(collector.FrameEnd().has_value() == holding);
    }

    void Hear(std::span<const std::uint8_t> bytes)
    {
        collector.Add(bytes, now);
        if (bytes.empty())
            return;
        heard.insert(heard.end(), bytes.begin(), bytes.end());
        holding = true;
        last = now;
        FUZZ_CHECK(collector.FrameEnd() == now + FrameCollector::Silence);
    }
};

Frame SealedFrame(ScriptReader& script)
{
    const std::uint8_t command = script.Byte();
    const std::uint8_t header = script.Byte();
    const std::uint8_t flags = script.Byte();
    Frame frame{command, header};
    if (flags & 1) {
        const auto body = script.Bytes(2 * RegistersPerBlock);
        frame.insert(frame.end(), body.begin(), body.end());
        frame.resize(2 + 2 * RegistersPerBlock, 0);
    }
    AppendCheckByte(frame);
    return frame;
}

std::tm LocalTime(ScriptReader& script)
{
    std::tm t{};
    t.tm_year = script.Int32();
    t.tm_mon = script.Int32();
    t.tm_mday = script.Int32();
    t.tm_hour = script.Int32();
    t.tm_min = script.Int32();
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ScriptReader script(data, size);
    std::vector<FaultSetting> faults;
    Configured configured;
    const std::uint8_t faultBits = script.Byte();
    if (faultBits & SimFaultsConfigured) {
        for (int k = 0; k < FaultKinds; ++k) {
            if (!(faultBits & (1u << k)))
                continue;
            const auto kind = static_cast<FaultKind>(k);
            faults.push_back({kind, script.Byte() / 255.0});
            if (kind == FaultKind::Corrupt || kind == FaultKind::Cut || kind == FaultKind::Noise)
                configured.framesIntact = false;
            if (kind == FaultKind::Refuse)
                configured.takesAll = false;
        }
    }
    const auto seed = static_cast<std::uint32_t>(script.Int32());

    SimulatedUnit unit(seed, faults);
    CheckRegisters(unit);
    Line line;
    while (!script.AtEnd()) {
        switch (static_cast<SimOp>(script.Byte() % static_cast<std::uint8_t>(SimOp::Count))) {
        case SimOp::Frame: {
            const auto bytes = script.Bytes(script.Uint16());
            Handle(unit, Frame(bytes.begin(), bytes.end()), configured);
            break;
        }
        case SimOp::SealedFrame:
            Handle(unit, SealedFrame(script), configured);
            break;
        case SimOp::Bytes: {
            line.Wait(script.Byte(), unit, configured);
            line.Hear(script.Bytes(script.Byte()));
            break;
        }
        case SimOp::Quiet:
            line.Wait(script.Byte(), unit, configured);
            break;
        case SimOp::Advance: {
            const double seconds = script.Double();
            unit.Advance(seconds, LocalTime(script));
            CheckRegisters(unit);
            FUZZ_CHECK(unit.Register(TimeOfDayRegister) >= 0 && unit.Register(TimeOfDayRegister) < 1440);
            FUZZ_CHECK(unit.Register(WeekdayRegister) >= 0 && unit.Register(WeekdayRegister) <= 6);
            break;
        }
        case SimOp::SetRegister: {
            const std::int32_t reg = script.Int32();
            const std::int32_t value = script.Int32();
            unit.SetRegister(reg, value);
            if (reg >= 0 && reg < RegisterCount)
                FUZZ_CHECK(unit.Register(reg) == WordFromBytes(static_cast<std::uint8_t>(value >> 8),
                                                               static_cast<std::uint8_t>(value)));
            else
                FUZZ_CHECK(unit.Register(reg) == 0);
            break;
        }
        case SimOp::Count:
            break;
        }
    }
    return 0;
}
