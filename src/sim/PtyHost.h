#pragma once
// Puts a simulated unit on a line: a pseudo-terminal whose other side a client opens
// like a serial port, or a real serial device. The host reads what arrives, cuts it
// into frames by silence, lets its unit answer, sends the answers paced at 9600 baud,
// and keeps the unit's live values moving. It runs in the foreground (Run) or on a
// thread of its own (Start), and stops promptly on Stop() from any thread.
//
// The host keeps its own descriptor of the pseudo-terminal's slave side open, so a
// client may close and reopen the line without the host seeing a hang-up.
//
// Vanishing: Vanish(), or a reply planned with the vanish fault (once the client has
// read that reply), closes the line and removes the link; a client that holds the line
// open then sees errors. The line comes back, a new pseudo-terminal behind the same
// link path, after ComebackSeconds or at Reopen().
//
// The host owns its unit and touches nothing else. While it runs, the unit is reached
// only through ReadRegister, WriteRegister and WithUnit, which hold the unit's lock.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "sim/FrameCollector.h"
#include "sim/LineEnd.h"
#include "sim/ReplyPacer.h"
#include "sim/SimOptions.h"
#include "sim/SimulatedUnit.h"

class PtyHost {
public:
    using Clock = std::chrono::steady_clock;

    // How often the unit's live values move.
    static constexpr Clock::duration AdvanceInterval = std::chrono::milliseconds(500);

    explicit PtyHost(SimOptions options);
    ~PtyHost();  // stops, closes the line and removes the link
    PtyHost(const PtyHost&) = delete;
    PtyHost& operator=(const PtyHost&) = delete;

    // Opens the line and makes the link. Returns the line's path (the pseudo-terminal's
    // slave side, or the device). Throws std::runtime_error saying what failed.
    std::string Open();

    // Serves the line until Stop(); opens it first if Open() has not. Returns at once if
    // Stop() came earlier. Throws as Open() does.
    void Run();
    // Clears an earlier Stop() and runs Run() on a thread of the host's own.
    void Start();
    // Ends Run() at its next pass, and waits for the thread that Start() began (unless
    // called on it). Any thread.
    void Stop();
    // Closes the line for good and removes the link (if it still points at this line).
    // Only while stopped.
    void Close();

    // The line goes away now / comes back now. Any thread.
    void Vanish();
    void Reopen();

    bool LineOpen() const;
    std::string SlavePath() const;  // "" while the line is away
    std::string LastError() const;  // the last failure to bring the line back, or ""

    // The unit, with its lock held. Any thread.
    std::int32_t ReadRegister(int reg);
    void WriteRegister(int reg, std::int32_t value);
    template <typename F>
    auto WithUnit(F&& f)
    {
        std::lock_guard lock(unitMutex_);
        return f(unit_);
    }
    // The unit without its lock: only while stopped.
    SimulatedUnit& Unit() { return unit_; }

private:
    void Serve();
    void OpenLine();
    void CloseLine();
    void LoseLine(Clock::time_point now);
    void FinishVanishing(Clock::time_point now);
    void TryComeback(Clock::time_point now);
    void ReadLine(Clock::time_point now);
    void WriteLine(Clock::time_point now);
    void AdvanceUnit(Clock::time_point now);
    int PollTimeoutMs(Clock::time_point now) const;
    void Wake();

    SimOptions options_;
    std::mutex unitMutex_;
    SimulatedUnit unit_;

    // Line state, changed only by the serving thread (or by the caller while stopped).
    bool opened_ = false;     // Open() has succeeded since construction or Close()
    LineEnd line_;
    std::string linkTarget_;  // what the link was made to point at
    bool writeBlocked_ = false;
    FrameCollector collector_;
    ReplyPacer pacer_;
    std::optional<Clock::time_point> comeback_;
    // Vanishing after a reply: the line closes once the client has read the reply (or
    // this deadline passes), since closing a pseudo-terminal discards unread bytes.
    std::optional<Clock::time_point> vanishBy_;
    Clock::time_point vanishFrom_{};  // not before: written bytes take a moment to arrive
    bool vanishDrained_ = false;      // the last check found nothing unread
    Clock::time_point lastAdvance_{};

    mutable std::mutex pathMutex_;  // guards the two texts below, read from any thread
    std::string slavePath_;
    std::string lastError_;         // also a failure that ended a background Run()

    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::atomic<bool> vanishRequest_{false};
    std::atomic<bool> reopenRequest_{false};
    std::atomic<bool> lineOpen_{false};
    std::thread thread_;
};
