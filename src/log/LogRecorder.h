#pragma once
// The log recorder's state that the rest of the program reads.

#include <cstdint>

struct LogRecorder {
    std::int32_t LoggingActive = 0;  // 1 while a recording runs
};
