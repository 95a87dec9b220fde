// The communication cycle driven by arbitrary scripts of line chunks, ticks, button
// presses and port changes. Whatever the line and the engineer do, the cycle's
// counters stay in their ranges, what it sends is always one whole frame, and no
// handler lets an exception out (only the fake port throws, and only where the cycle
// is meant to catch it).

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <stdexcept>

#include "CycleScript.h"
#include "FuzzCheck.h"
#include "ScriptReader.h"
#include "app/ValueImage.h"
#include "catalogue/ParamTable.h"
#include "link/CommCycle.h"
#include "link/Frames.h"
#include "menus/MenuRows.h"
#include "menus/ValueEditor.h"
#include "support/CycleRig.h"

namespace {

const MenuRowTable& Rows()
{
    static const MenuRowTable rows = BuildMenuRows();
    return rows;
}

bool KnownCommand(std::uint8_t command, std::size_t length)
{
    if (length == RequestLength)
        return command == ProcessRequestCommand || command == ControlsRequestCommand;
    if (length == BlockLength)
        return command == ControlsBlockCommand || command == ProcessBlockCommand;
    return false;
}

FUZZ_UNCOVERED void CheckSent(const Frame& sent)
{
    if (sent.empty())
        return;
    // One step reaches at most one request slot, so it sends at most one frame.
    FUZZ_CHECK(KnownCommand(sent[0], sent.size()));
    FUZZ_CHECK(sent[1] == 0x00);
    FUZZ_CHECK(FrameSumOk(Frame(sent.begin(), sent.end())));
}

FUZZ_UNCOVERED void CheckImage(const ValueImage& image)
{
    FUZZ_CHECK(image.RxCount >= 0 && image.RxCount <= RxCountLimit);
    FUZZ_CHECK(image.LinkWatchdog >= 0 && image.LinkWatchdog <= FrameWatchdogTicks);
    FUZZ_CHECK(image.RequestCountdown >= 0 && image.RequestCountdown <= RequestPeriodTicks);
    FUZZ_CHECK(image.CommState >= ReadProcess && image.CommState <= WriteControls2);
    FUZZ_CHECK(image.DataStale == 0 || image.DataStale == 1);
    for (int r = 0; r < RegisterCount; ++r) {
        const std::int32_t p = image.PendingEdit[r];
        FUZZ_CHECK(p == 0 || p == 1);
        FUZZ_CHECK(p == 0 || r >= FirstProcessRegister);
    }
}

struct Rig : CycleRig {
    void Check()
    {
        CheckSent(port.sent);
        port.sent.clear();
        CheckImage(image);
        // Every byte the port said was waiting has been taken.
        FUZZ_CHECK(port.incoming.empty());
    }
};

Frame ScriptedFrame(ScriptReader& script)
{
    const std::uint8_t type = script.Byte();
    const std::uint8_t flags = script.Byte();
    Frame frame{type, 0x00};
    if (flags & 1) {
        const auto body = script.Bytes(2 * RegistersPerBlock);
        frame.insert(frame.end(), body.begin(), body.end());
        frame.resize(2 + 2 * RegistersPerBlock, 0);
    }
    AppendCheckByte(frame);
    if (flags & 2)
        frame.back() ^= 1;  // a spoiled check
    return frame;
}

void Press(Rig& rig, ScriptReader& script)
{
    const MenuRowTable& rows = Rows();
    static const int used = UsedMenuRows(rows);
    const int row = script.Uint16() % used;
    const std::int32_t factor = PressFactors[script.Byte() % std::size(PressFactors)];
    ValueEditor editor;
    if (editor.Enter(rows, row))
        editor.Press(rows, rig.image, factor);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Rig rig;
    rig.Check();
    ScriptReader script(data, size);
    while (!script.AtEnd()) {
        const auto op = static_cast<CycleOp>(script.Byte() % static_cast<std::uint8_t>(CycleOp::Count));
        switch (op) {
        case CycleOp::Deliver:
            rig.Deliver(script.Bytes(script.Byte()));
            break;
        case CycleOp::DeliverFrame:
            rig.Deliver(ScriptedFrame(script));
            break;
        case CycleOp::Tick: {
            const int ticks = 1 + script.Byte() % 64;
            for (int i = 0; i < ticks; ++i) {
                rig.cycle.Timer1Timer();
                rig.Check();
            }
            break;
        }
        case CycleOp::Get:
            rig.cycle.BitBtnHaalClick();
            break;
        case CycleOp::SendOk:
        case CycleOp::SendCancel:
            rig.dialogs.answers.push_back(op == CycleOp::SendOk);
            rig.cycle.BitBtnZendClick();
            break;
        case CycleOp::PortNumber: {
            const std::uint8_t b = script.Byte();
            rig.port.openFails = (b & 1) != 0;
            rig.cycle.EditComNrChange(1 + (b >> 1) % 16);
            break;
        }
        case CycleOp::Vanish:
            rig.port.Close();
            break;
        case CycleOp::Reappear:
            try {
                rig.port.Open();
            } catch (const std::runtime_error&) {
                // The fake's port that does not exist: it stays closed.
            }
            break;
        case CycleOp::Edit:
            Press(rig, script);
            break;
        case CycleOp::Count:
            break;
        }
        rig.Check();
    }
    return 0;
}
