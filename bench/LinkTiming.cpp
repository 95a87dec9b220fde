// Measures the polling cycle against the simulated unit over a pseudo-terminal, with
// the unit's replies paced at 9600 baud: the poll period, the time from a reply's last
// byte to its status text, and the CPU the tool uses while polling.
//
//   build/bench_link_timing [polls]      (default 30)
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ValueImage.h"
#include "link/CommCycle.h"
#include "link/QtSerialPort.h"
#include "sim/PtyHost.h"
#include "support/FakeDialogs.h"
#include "support/RecordingHost.h"

namespace {

// Records when each status text appears.
struct TimedHost : RecordingHost {
    QElapsedTimer clock;
    std::vector<double> requestTimes;   // "Reading process..." shown (request sent)
    std::vector<double> latencies;      // last byte -> "Process received"
    double lastByte = 0;

    void ShowStatus(const std::string& text, Rgb c) override
    {
        RecordingHost::ShowStatus(text, c);
        const double now = clock.nsecsElapsed() / 1e6;
        if (text == ReadingProcessText)
            requestTimes.push_back(now);
        else if (text == ProcessReceivedText)
            latencies.push_back(now - lastByte);
    }
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int polls = argc > 1 ? std::max(3, std::atoi(argv[1])) : 30;

    const std::string link = (std::filesystem::temp_directory_path() /
                              ("ventaro-timing-" + std::to_string(::getpid()))).string();
    SimOptions options;
    options.LinkPath = link;
    options.Pacing = true;
    PtyHost unit(options);
    unit.Open();
    unit.Start();

    PortTable ports;
    ports.Map(1, link);
    QtSerialPort port(ports);
    ValueImage image;
    TimedHost host;
    FakeDialogs dialogs;
    CommCycle cycle(image, port, host, dialogs);
    host.clock.start();
    QObject::connect(&port, &QtSerialPort::DataAvailable, [&](int count) {
        cycle.ApdComPort1TriggerAvail(count);
        host.lastByte = host.clock.nsecsElapsed() / 1e6;
    });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        cycle.Timer1Timer();
        if (static_cast<int>(host.latencies.size()) >= polls + 1)
            app.quit();
    });
    cycle.EditComNrChange(1);
    tick.start(100);

    // The CPU figure covers the tool's thread only in spirit: the unit runs in this
    // process too, so the number is an upper bound for the tool alone.
    const double cpuStart = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    app.exec();
    const double cpu = CpuSeconds() - cpuStart;
    const double seconds = wall.nsecsElapsed() / 1e9;

    std::vector<double> periods;
    for (std::size_t i = 1; i < host.requestTimes.size(); ++i)
        periods.push_back(host.requestTimes[i] - host.requestTimes[i - 1]);
    std::printf("polls                      %zu\n", host.latencies.size());
    std::printf("poll period, median        %.0f ms (min %.0f, max %.0f)\n", Median(periods),
                periods.empty() ? 0 : *std::min_element(periods.begin(), periods.end()),
                periods.empty() ? 0 : *std::max_element(periods.begin(), periods.end()));
    std::printf("last byte -> status, median %.0f ms\n", Median(host.latencies));
    std::printf("CPU while polling          %.1f %% of one core (tool and unit together)\n",
                100.0 * cpu / seconds);
    unit.Stop();
    return 0;
}
