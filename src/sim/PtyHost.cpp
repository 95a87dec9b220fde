#include "sim/PtyHost.h"

#include "sim/PosixErrors.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <stdexcept>
#include <system_error>

#include "sim/LinkFile.h"

namespace {

constexpr std::size_t ReadChunk = 512;
constexpr int ReadsPerPass = 8;  // then poll again, so a flood cannot starve the rest
constexpr auto RetryAfterFailure = std::chrono::seconds(1);
constexpr auto VanishDrainLimit = std::chrono::seconds(2);
constexpr auto VanishCheckInterval = std::chrono::milliseconds(5);
constexpr auto VanishSettle = std::chrono::milliseconds(50);
constexpr double LongestComebackSeconds = 3600.0;

void MakeNonBlocking(int fd)
{
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

std::tm LocalNow()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&t, &local);
    return local;
}

} // namespace

PtyHost::PtyHost(SimOptions options)
    : options_(std::move(options)), unit_(options_.Seed, options_.Faults), pacer_(options_.Pacing)
{
    int fds[2];
    if (::pipe(fds) != 0)
        throw SystemError("cannot create the host's wake-up pipe", errno);
    wakeRead_ = fds[0];
    wakeWrite_ = fds[1];
    MakeNonBlocking(wakeRead_);
    MakeNonBlocking(wakeWrite_);
}

PtyHost::~PtyHost()
{
    Stop();
    Close();
    CloseFd(wakeRead_);
    CloseFd(wakeWrite_);
}

std::string PtyHost::Open()
{
    if (!lineOpen_)
        OpenLine();
    return SlavePath();
}

void PtyHost::OpenLine()
{
    LineEnd line = options_.Device.empty() ? OpenPseudoTerminal() : OpenSerialDevice(options_.Device);
    if (!options_.LinkPath.empty()) {
        try {
            PointLink(options_.LinkPath, line.Path);
        } catch (...) {
            CloseLineEnd(line);
            throw;
        }
        linkTarget_ = line.Path;
    }

    line_ = std::move(line);
    writeBlocked_ = false;
    collector_.Clear();
    pacer_.Clear();
    comeback_.reset();
    vanishBy_.reset();
    opened_ = true;
    {
        std::lock_guard lock(pathMutex_);
        slavePath_ = line_.Path;
        lastError_.clear();
    }
    lineOpen_ = true;
}

void PtyHost::CloseLine()
{
    lineOpen_ = false;
    RemoveLinkTo(options_.LinkPath, linkTarget_);
    linkTarget_.clear();
    CloseLineEnd(line_);
    collector_.Clear();
    pacer_.Clear();
    writeBlocked_ = false;
    vanishBy_.reset();
    std::lock_guard lock(pathMutex_);
    slavePath_.clear();
}

void PtyHost::LoseLine(Clock::time_point now)
{
    CloseLine();
    if (options_.ComebackSeconds >= 0.0)
        comeback_ = now + std::chrono::duration_cast<Clock::duration>(
                              std::chrono::duration<double>(std::min(options_.ComebackSeconds, LongestComebackSeconds)));
}

void PtyHost::Close()
{
    CloseLine();
    comeback_.reset();
    opened_ = false;
}

void PtyHost::Run()
{
    if (!opened_)
        OpenLine();
    running_ = true;
    try {
        Serve();
    } catch (...) {
        running_ = false;
        throw;
    }
    running_ = false;
}

void PtyHost::Start()
{
    Stop();
    stop_ = false;
    if (!opened_)
        OpenLine();
    running_ = true;
    thread_ = std::thread([this] {
        try {
            Run();
        } catch (const std::exception& e) {
            std::lock_guard lock(pathMutex_);
            lastError_ = e.what();
        }
    });
}

void PtyHost::Stop()
{
    stop_ = true;
    Wake();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
}

void PtyHost::Vanish()
{
    if (running_) {
        vanishRequest_ = true;
        Wake();
    } else {
        LoseLine(Clock::now());
    }
}

void PtyHost::Reopen()
{
    if (running_) {
        reopenRequest_ = true;
        Wake();
    } else {
        if (lineOpen_)
            CloseLine();
        OpenLine();
    }
}

bool PtyHost::LineOpen() const { return lineOpen_; }

std::string PtyHost::SlavePath() const
{
    std::lock_guard lock(pathMutex_);
    return slavePath_;
}

std::string PtyHost::LastError() const
{
    std::lock_guard lock(pathMutex_);
    return lastError_;
}

std::int32_t PtyHost::ReadRegister(int reg)
{
    return WithUnit([reg](SimulatedUnit& u) { return u.Register(reg); });
}

void PtyHost::WriteRegister(int reg, std::int32_t value)
{
    WithUnit([reg, value](SimulatedUnit& u) { u.SetRegister(reg, value); });
}

void PtyHost::Wake()
{
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost when this write fails.
    [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
}

void PtyHost::AdvanceUnit(Clock::time_point now)
{
    const double seconds = std::chrono::duration<double>(now - lastAdvance_).count();
    lastAdvance_ = now;
    const std::tm local = LocalNow();
    std::lock_guard lock(unitMutex_);
    unit_.Advance(seconds, local);
}

void PtyHost::TryComeback(Clock::time_point now)
{
    try {
        if (lineOpen_)
            CloseLine();
        OpenLine();
    } catch (const std::exception& e) {
        {
            std::lock_guard lock(pathMutex_);
            lastError_ = e.what();
        }
        comeback_ = now + RetryAfterFailure;
    }
}

void PtyHost::Serve()
{
    lastAdvance_ = Clock::now();
    AdvanceUnit(lastAdvance_);
    while (!stop_) {
        Clock::time_point now = Clock::now();

        if (vanishRequest_.exchange(false) && lineOpen_)
            LoseLine(now);
        if (reopenRequest_.exchange(false) || (comeback_ && now >= *comeback_))
            TryComeback(now);
        if (now - lastAdvance_ >= AdvanceInterval)
            AdvanceUnit(now);

        if (auto frame = collector_.Take(now)) {
            ReplyPlan plan;
            {
                std::lock_guard lock(unitMutex_);
                plan = unit_.HandleFrame(*frame);
            }
            pacer_.Queue(std::move(plan), now);
        }
        if (lineOpen_)
            WriteLine(now);
        if (lineOpen_)
            FinishVanishing(now);

        pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {line_.Fd, POLLIN, 0}};
        if (writeBlocked_)
            fds[1].events |= POLLOUT;
        const nfds_t count = lineOpen_ ? 2 : 1;
        if (::poll(fds, count, PollTimeoutMs(now)) < 0 && errno != EINTR)
            throw SystemError("waiting for the line failed", errno);

        if (fds[0].revents & POLLIN) {
            char drain[64];
            while (::read(wakeRead_, drain, sizeof drain) > 0) {
            }
        }
        if (count == 2) {
            if (fds[1].revents & POLLOUT)
                writeBlocked_ = false;
            if (fds[1].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL))
                ReadLine(Clock::now());
        }
    }
}

void PtyHost::ReadLine(Clock::time_point now)
{
    std::uint8_t buffer[ReadChunk];
    for (int i = 0; i < ReadsPerPass; ++i) {
        const ssize_t n = ::read(line_.Fd, buffer, sizeof buffer);
        if (n > 0) {
            collector_.Add(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n)), now);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return;
        // End of file or a hard error: the device is gone (an adapter pulled). Treat it
        // as vanishing, so the loop waits instead of spinning on a dead descriptor.
        LoseLine(now);
        return;
    }
}

void PtyHost::WriteLine(Clock::time_point now)
{
    if (writeBlocked_)
        return;
    const std::span<const std::uint8_t> due = pacer_.Due(now);
    std::size_t written = 0;
    if (!due.empty()) {
        const ssize_t n = ::write(line_.Fd, due.data(), due.size());
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            LoseLine(now);
            return;
        }
        written = n > 0 ? static_cast<std::size_t>(n) : 0;
        writeBlocked_ = written < due.size();
    }
    pacer_.Written(written, now);
    if (pacer_.TakeVanish() && !vanishBy_) {
        vanishBy_ = now + VanishDrainLimit;
        vanishFrom_ = now + VanishSettle;
        vanishDrained_ = false;
    }
}

void PtyHost::FinishVanishing(Clock::time_point now)
{
    if (!vanishBy_ || now < vanishFrom_)
        return;
    // Two empty looks in a row: the kernel hands written bytes on a little later, and
    // a single look could fall in between.
    const bool drained = BytesOnTheirWay(line_) == 0;
    if (now >= *vanishBy_ || (drained && vanishDrained_))
        LoseLine(now);
    else
        vanishDrained_ = drained;
}

int PtyHost::PollTimeoutMs(Clock::time_point now) const
{
    Clock::time_point next = lastAdvance_ + AdvanceInterval;
    const auto consider = [&next](std::optional<Clock::time_point> t) {
        if (t && *t < next)
            next = *t;
    };
    consider(collector_.FrameEnd());
    if (lineOpen_ && !writeBlocked_)
        consider(pacer_.NextDue());
    consider(comeback_);
    if (vanishBy_)
        consider(now + VanishCheckInterval);
    if (next <= now)
        return 0;
    // Rounded up, so the loop never wakes just before a deadline and spins.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - now).count();
    return static_cast<int>(std::min<decltype(wait)>(wait, 1000));
}
