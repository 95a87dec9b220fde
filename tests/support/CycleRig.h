#pragma once
// The communication cycle wired to a scripted port, as the main window has it after
// start-up: port 1 opened, the data not yet confirmed.

#include <cstdint>
#include <iterator>

#include "link/CommCycle.h"
#include "support/FakeDialogs.h"
#include "support/FakePort.h"
#include "support/RecordingHost.h"

struct CycleRig {
    ValueImage image;
    FakePort port;
    RecordingHost host;
    FakeDialogs dialogs;
    CommCycle cycle{image, port, host, dialogs};

    CycleRig()
    {
        cycle.EditComNrChange(1);
        image.DataStale = 1;
    }
    // The port announces `bytes` as one chunk.
    template <class Bytes>
    void Deliver(const Bytes& bytes)
    {
        port.incoming.insert(port.incoming.end(), std::begin(bytes), std::end(bytes));
        cycle.ApdComPort1TriggerAvail(static_cast<int>(std::size(bytes)));
    }
};
