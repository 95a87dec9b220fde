#pragma once
// The command line of ventaro-sim.
//
//   --link PATH          a symbolic link PATH points at the pseudo-terminal
//   --device DEV         use the serial device DEV (9600 8N1) instead of a pseudo-terminal
//   --no-pacing          send each reply in one piece instead of at 9600 baud
//   --fault KIND[=RATE]  misbehave: drop, corrupt, cut, noise, slow, refuse, vanish;
//                        RATE is the chance per reply, 0..1, default 1 (repeatable)
//   --seed N             seed of the chance decisions (default 1)
//   --help

#include <string>
#include <vector>

#include "sim/SimOptions.h"

constexpr int SimUsageExitCode = 2;

struct SimCommandLine {
    SimOptions Options;
    bool Help = false;
    std::string Error;  // non-empty: the line was not understood; says why
};

SimCommandLine ParseSimCommandLine(const std::vector<std::string>& arguments);

// The text printed for --help.
std::string SimUsageText(const std::string& programName);
