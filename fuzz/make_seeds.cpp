// Writes the starting corpora of the fuzz targets: inputs that already reach deep into
// the code (valid replies, a valid controls file, a whole Get/Send exchange), which
// random bytes would take the fuzzer long to find. Produced from the core itself, so
// they stay valid when frames or the catalogue change.
//
// Usage: make_seeds DIR  (writes DIR/<target>/<seed>)

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CycleScript.h"
#include "SimScript.h"
#include "app/ValueImage.h"
#include "catalogue/ParamTable.h"
#include "files/ControlsFile.h"
#include "link/Frames.h"
#include "menus/MenuRows.h"
#include "menus/ValueEditor.h"
#include "sim/SimulatedUnit.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Script {
    Bytes bytes;

    Script& Byte(std::uint8_t b)
    {
        bytes.push_back(b);
        return *this;
    }
    Script& Op(CycleOp op) { return Byte(static_cast<std::uint8_t>(op)); }
    Script& Op(SimOp op) { return Byte(static_cast<std::uint8_t>(op)); }
    Script& Uint16(std::uint16_t v) { return Byte(v & 0xFF).Byte(static_cast<std::uint8_t>(v >> 8)); }
    Script& Int32(std::int32_t v)
    {
        const auto bits = static_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            Byte(static_cast<std::uint8_t>(bits >> shift));
        return *this;
    }
    Script& Double(double d)
    {
        std::uint64_t bits;
        static_assert(sizeof bits == sizeof d);
        std::memcpy(&bits, &d, sizeof d);
        for (int shift = 0; shift < 64; shift += 8)
            Byte(static_cast<std::uint8_t>(bits >> shift));
        return *this;
    }
    Script& Append(const Bytes& more)
    {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    Script& Text(const std::string& text)
    {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
};

// The 400 word bytes of a block frame, between its header and its check byte.
Bytes Body(const Frame& frame) { return Bytes(frame.begin() + 2, frame.end() - 1); }

void Write(const std::filesystem::path& dir, const std::string& name, const Bytes& bytes)
{
    std::filesystem::create_directories(dir);
    std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "make_seeds: cannot write %s\n", (dir / name).c_str());
        std::exit(1);
    }
}

// The first menu row of a register range that the value editor may change.
std::uint16_t EditableRow(int firstReg, int endReg)
{
    const MenuRowTable rows = BuildMenuRows();
    for (int i = 0; i < UsedMenuRows(rows); ++i)
        if (rows[i].Reg >= firstReg && rows[i].Reg < endReg && IsEditable(ParamTable[rows[i].ParamIndex]))
            return static_cast<std::uint16_t>(i);
    return 0;
}

void CycleSeeds(const std::filesystem::path& dir)
{
    SimulatedUnit unit;
    const Frame processReply = unit.HandleFrame(ProcessRequest()).Bytes;
    const Frame controlsReply = unit.HandleFrame(ControlsRequest()).Bytes;
    ValueImage edited;
    for (int r = 0; r < RegistersPerBlock; ++r)
        edited.Values[r] = unit.Register(r);
    // The write reply confirms what the session's one "+" press on that row sends.
    const std::uint16_t controlRow = EditableRow(FirstControlRegister, RegistersPerBlock);
    const ParamDef& controlDef = ParamTable[BuildMenuRows()[controlRow].ParamIndex];
    edited.Values[controlDef.Reg] = SteppedValue(controlDef, edited.Values[controlDef.Reg], PressFactors[2]);
    const Frame writeReply = unit.HandleFrame(ControlsBlock(edited)).Bytes;

    // Poll, Get, edit a setting and a process value, Send: every reply as the unit gives it.
    Script session;
    session.Op(CycleOp::Tick).Byte(0)
        .Op(CycleOp::DeliverFrame).Byte(ProcessReplyType).Byte(1).Append(Body(processReply))
        .Op(CycleOp::Tick).Byte(1)
        .Op(CycleOp::Get)
        .Op(CycleOp::Tick).Byte(0)
        .Op(CycleOp::DeliverFrame).Byte(ControlsReplyType).Byte(1).Append(Body(controlsReply))
        .Op(CycleOp::Tick).Byte(1)
        .Op(CycleOp::Edit).Uint16(controlRow).Byte(2)
        .Op(CycleOp::Edit).Uint16(EditableRow(FirstProcessRegister, RegisterCount)).Byte(2)
        .Op(CycleOp::SendOk)
        .Op(CycleOp::Tick).Byte(0)
        .Op(CycleOp::DeliverFrame).Byte(WriteReplyType).Byte(1).Append(Body(writeReply))
        .Op(CycleOp::Tick).Byte(1)
        .Op(CycleOp::Tick).Byte(0)
        .Op(CycleOp::Tick).Byte(1);
    Write(dir, "session", session.bytes);

    // A reply arriving in two chunks, as the port hands it over.
    Script chunks;
    chunks.Op(CycleOp::Tick).Byte(0)
        .Op(CycleOp::Deliver).Byte(255).Append(Bytes(processReply.begin(), processReply.begin() + 255))
        .Op(CycleOp::Deliver).Byte(static_cast<std::uint8_t>(processReply.size() - 255))
        .Append(Bytes(processReply.begin() + 255, processReply.end()))
        .Op(CycleOp::Tick).Byte(1);
    Write(dir, "chunks", chunks.bytes);

    // The link lost and found, a port that fails to open, a Send cancelled.
    Script trouble;
    trouble.Op(CycleOp::Vanish)
        .Op(CycleOp::Tick).Byte(63)
        .Op(CycleOp::Reappear)
        .Op(CycleOp::PortNumber).Byte(3)
        .Op(CycleOp::Tick).Byte(15)
        .Op(CycleOp::PortNumber).Byte(2)
        .Op(CycleOp::SendCancel)
        .Op(CycleOp::Tick).Byte(0)
        .Op(CycleOp::DeliverFrame).Byte(ProcessReplyType).Byte(3).Append(Body(processReply))
        .Op(CycleOp::Tick).Byte(1);
    Write(dir, "trouble", trouble.bytes);
}

void ControlsFileSeeds(const std::filesystem::path& dir)
{
    SimulatedUnit unit;
    ValueImage image;
    for (int r = 0; r < ControlsFileValues; ++r)
        image.Values[r] = unit.Register(r);
    const std::string file = ControlsFileBytes(image);
    Write(dir, "defaults", Bytes(file.begin(), file.end()));
    Bytes longer(file.begin(), file.end());
    longer.insert(longer.end(), 16, 0xA5);
    Write(dir, "trailing", longer);
}

void FormatSeeds(const std::filesystem::path& dir)
{
    struct Seed {
        const char* name;
        std::int32_t row, value, format, factor;
        const char* unit;
    };
    const Seed seeds[] = {
        {"flow", 27, 5000, 0, 10, "m3/h"},
        {"tenths", 3, -215, 11, -100, "\xB0" "C"},
        {"choice", 250, 1, ChoiceFormat, 1, "No#Yes#"},
        {"time", -1, 1439, TimeOfDayFormat, 100, ""},
        {"date", 300, 32141, DateFormat, -10, ""},
    };
    for (const Seed& s : seeds) {
        Script script;
        script.Int32(s.row).Int32(s.value).Int32(s.format).Int32(s.factor).Text(s.unit);
        Write(dir, s.name, script.bytes);
    }
}

void SimSeeds(const std::filesystem::path& dir)
{
    SimulatedUnit unit;
    ValueImage image;
    for (int r = 0; r < RegistersPerBlock; ++r)
        image.Values[r] = unit.Register(r);
    image.Values[1] += 10;
    const Frame controls = ControlsBlock(image);
    image.Values[TimeOfDayRegister] = 720;
    image.PendingEdit[TimeOfDayRegister] = 1;
    image.Values[369] = 3;
    image.PendingEdit[369] = 1;
    const Frame process = ProcessBlock(image);
    const Frame request = ProcessRequest();

    const auto exchange = [&](Script& s) {
        s.Op(SimOp::SealedFrame).Byte(ProcessRequestCommand).Byte(0).Byte(0)
            .Op(SimOp::SealedFrame).Byte(ControlsRequestCommand).Byte(0).Byte(0)
            .Op(SimOp::Frame).Uint16(static_cast<std::uint16_t>(controls.size())).Append(controls)
            .Op(SimOp::SealedFrame).Byte(ProcessBlockCommand).Byte(0).Byte(1).Append(Body(process))
            .Op(SimOp::Bytes).Byte(0).Byte(2).Append(Bytes(request.begin(), request.begin() + 2))
            .Op(SimOp::Bytes).Byte(5).Byte(1).Byte(request[2])
            .Op(SimOp::Quiet).Byte(25)
            .Op(SimOp::Advance).Double(1.5).Int32(124).Int32(4).Int32(1).Int32(12).Int32(0)
            .Op(SimOp::SetRegister).Int32(369).Int32(4)
            .Op(SimOp::Advance).Double(60.0).Int32(124).Int32(4).Int32(1).Int32(12).Int32(1)
            .Op(SimOp::SealedFrame).Byte(ProcessRequestCommand).Byte(0).Byte(0);
    };
    Script calm;
    calm.Byte(0).Int32(1);
    exchange(calm);
    Write(dir, "calm", calm.bytes);

    Script faulty;
    faulty.Byte(SimFaultsConfigured | 0x7F);
    for (int k = 0; k < 7; ++k)
        faulty.Byte(128);
    faulty.Int32(7);
    exchange(faulty);
    Write(dir, "faulty", faulty.bytes);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    CycleSeeds(dir / "fuzz_cycle");
    ControlsFileSeeds(dir / "fuzz_controls_file");
    FormatSeeds(dir / "fuzz_format");
    SimSeeds(dir / "fuzz_sim_unit");
    return 0;
}
