#pragma once
// A simulated unit for end-to-end tests: behind a link in the test's own directory,
// answering at once (no 9600-baud pacing), and back after vanishing only when the test
// calls Reopen().

#include <string>

#include "sim/SimOptions.h"

inline SimOptions TestUnitOptions(const std::string& linkPath)
{
    SimOptions options;
    options.LinkPath = linkPath;
    options.Pacing = false;
    options.ComebackSeconds = -1;
    return options;
}
