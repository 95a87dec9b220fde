// ventaro-sim: a simulated unit on a pseudo-terminal (or a serial device) until
// SIGINT or SIGTERM. The first line on stdout is the line's path, for scripts to read.

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "sim/PtyHost.h"
#include "sim/SimCommandLine.h"

int main(int argc, char** argv)
{
    const std::string program = argc > 0 && argv[0] ? argv[0] : "ventaro-sim";
    const SimCommandLine line = ParseSimCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (!line.Error.empty()) {
        std::cerr << program << ": " << line.Error << "\nTry '" << program << " --help'.\n";
        return SimUsageExitCode;
    }
    if (line.Help) {
        std::cout << SimUsageText(program);
        return 0;
    }

    // The signals are taken by a waiting thread, not a handler, so stopping is an
    // ordinary call. Blocked before any thread exists, so every thread inherits it.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        PtyHost host(line.Options);
        std::cout << host.Open() << std::endl;  // flushed: a script waits for this line

        std::thread waiter([&host, &stopSignals] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            host.Stop();
        });
        int status = 0;
        try {
            host.Run();
        } catch (const std::exception& e) {
            std::cerr << program << ": " << e.what() << "\n";
            status = 1;
            kill(getpid(), SIGTERM);  // releases the waiting thread
        }
        waiter.join();
        host.Close();
        return status;
    } catch (const std::exception& e) {
        std::cerr << program << ": " << e.what() << "\n";
        return 1;
    }
}
