// RefreshMenuRows on the real widgets: every process reply refreshes all 216 fields.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/LookAndFeel.h"
#include "app/MainWindow.h"
#include "app/ValueImage.h"
#include "log/LogRecorder.h"
#include "resources/Resources.h"
#include "support/FakeDialogs.h"
#include "support/FakePort.h"

namespace {

struct Window {
    ValueImage image;
    FakePort port;
    LogRecorder recorder;
    FakeDialogs dialogs;
    TForm1 form{image, port, recorder, dialogs};
    Window()
    {
        form.show();
        image.DataStale = 0;
        form.RefreshMenuRows();
    }
};

// A reply that changes nothing: the common case while polling a unit at rest.
void RefreshUnchanged(benchmark::State& state)
{
    Window w;
    for (auto _ : state)
        w.form.RefreshMenuRows();
}
BENCHMARK(RefreshUnchanged)->Unit(benchmark::kMicrosecond);

// Every process value moves between replies (worst case: all live texts rewritten).
void RefreshAllProcessValuesChanged(benchmark::State& state)
{
    Window w;
    std::int32_t tick = 0;
    for (auto _ : state) {
        ++tick;
        for (int r = 256; r < 456; ++r)
            w.image.Values[r] = w.image.DeviceValues[r] = (r * 7 + tick) % 400;
        w.form.RefreshMenuRows();
    }
}
BENCHMARK(RefreshAllProcessValuesChanged)->Unit(benchmark::kMicrosecond);

// Losing the link recolours every field without a change of text.
void RefreshStaleToggled(benchmark::State& state)
{
    Window w;
    for (auto _ : state) {
        w.image.DataStale ^= 1;
        w.form.RefreshMenuRows();
    }
}
BENCHMARK(RefreshStaleToggled)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitVentaroResources();
    InstallLookAndFeel();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
