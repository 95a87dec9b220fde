#pragma once
// A broken invariant must stop the run as a crash, so that libFuzzer keeps the input
// that caused it; the message says which one broke, since the stack alone often
// does not.

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void FuzzCheckFailed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : FuzzCheckFailed(#condition, __FILE__, __LINE__))

// For the harness's own sweeping checks: left without coverage counters and comparison
// hooks, which would cost more than the code under test and guide the fuzzer nowhere.
#if defined(__clang__)
#define FUZZ_UNCOVERED __attribute__((no_sanitize("coverage")))
#else
#define FUZZ_UNCOVERED
#endif
