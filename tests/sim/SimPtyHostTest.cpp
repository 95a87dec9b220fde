#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "sim/PtyHost.h"
#include "sim/SimTestSupport.h"

using simtest::CheckOk;
using simtest::Words;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Patience = std::chrono::seconds(5);

// Waits until `condition` holds or the patience runs out; true if it held.
bool Eventually(const std::function<bool()>& condition)
{
    const auto deadline = Clock::now() + Patience;
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        ::poll(nullptr, 0, 5);
    }
    return true;
}

// The tool's side of the line, with plain POSIX calls.
class Client {
public:
    explicit Client(const std::string& path)
    {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0)
            return;
        termios t{};
        ::tcgetattr(fd_, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(fd_, TCSANOW, &t);
    }
    ~Client()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool Ok() const { return fd_ >= 0; }

    void Send(const Frame& f) { ASSERT_EQ(::write(fd_, f.data(), f.size()), static_cast<ssize_t>(f.size())); }

    // Reads until `n` bytes came or the patience ran out.
    Frame Receive(std::size_t n)
    {
        Frame got;
        const auto deadline = Clock::now() + Patience;
        while (got.size() < n && Clock::now() < deadline) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            std::uint8_t buffer[512];
            const ssize_t r = ::read(fd_, buffer, sizeof buffer);
            if (r > 0)
                got.insert(got.end(), buffer, buffer + r);
            else if (r == 0 || (errno != EAGAIN && errno != EINTR))
                break;
        }
        return got;
    }

    // True once the other side has gone: a hang-up or a read error.
    bool HungUp()
    {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 0) <= 0)
            return false;
        if (p.revents & (POLLHUP | POLLERR))
            return true;
        std::uint8_t b;
        const ssize_t r = ::read(fd_, &b, 1);
        return r == 0 || (r < 0 && errno != EAGAIN);
    }

private:
    int fd_ = -1;
};

class TempDir {
public:
    TempDir()
    {
        char name[] = "/tmp/ventaro-sim-test-XXXXXX";
        path_ = ::mkdtemp(name) ? name : "";
    }
    ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    std::string operator/(const std::string& leaf) const { return path_ + "/" + leaf; }

private:
    std::string path_;
};

bool IsLink(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

SimOptions Unpaced()
{
    SimOptions o;
    o.Pacing = false;
    return o;
}

TEST(SimPtyHost, AnswersAClientOnThePseudoTerminal)
{
    PtyHost host(Unpaced());
    const std::string path = host.Open();
    ASSERT_NE(path, "");
    EXPECT_EQ(host.SlavePath(), path);
    host.Start();

    {
        Client client(path);
        ASSERT_TRUE(client.Ok());
        client.Send(ProcessRequest());
        const Frame reply = client.Receive(403);
        ASSERT_EQ(reply.size(), 403u);
        EXPECT_EQ(reply[0], ProcessReplyType);
        EXPECT_TRUE(CheckOk(reply));
        EXPECT_EQ(Words(reply)[280 - 256], 304);  // software version
    }

    // The client closed; a new one finds the line as before, and sees a register the
    // test changed while the host runs.
    host.WriteRegister(300, 777);
    Client again(path);
    ASSERT_TRUE(again.Ok());
    again.Send(ProcessRequest());
    const Frame reply = again.Receive(403);
    ASSERT_EQ(reply.size(), 403u);
    EXPECT_EQ(Words(reply)[300 - 256], 777);

    host.Stop();
    EXPECT_TRUE(host.LineOpen());
}

TEST(SimPtyHost, PacedWriteIsTakenAndConfirmed)
{
    PtyHost host(SimOptions{});  // paced, as for the tool
    const std::string path = host.Open();
    host.Start();
    Client client(path);
    ASSERT_TRUE(client.Ok());

    ValueImage image;
    for (int r = 0; r < RegistersPerBlock; ++r)
        image.Values[r] = host.ReadRegister(r);
    image.Values[1] = 5550;
    const Frame block = ControlsBlock(image);
    client.Send(block);
    const Frame reply = client.Receive(403);
    ASSERT_EQ(reply.size(), 403u);
    EXPECT_EQ(reply[0], WriteReplyType);
    EXPECT_TRUE(std::equal(block.begin() + 2, block.end() - 1, reply.begin() + 2));
    EXPECT_EQ(host.ReadRegister(1), 5550);
    host.Stop();
}

TEST(SimPtyHost, VanishesAndComesBackOnTheSameLink)
{
    TempDir dir;
    SimOptions o = Unpaced();
    o.LinkPath = dir / "unit";
    o.ComebackSeconds = -1;  // away until Reopen()
    PtyHost host(o);
    const std::string first = host.Open();
    ASSERT_TRUE(IsLink(o.LinkPath));
    host.Start();

    Client client(o.LinkPath);
    ASSERT_TRUE(client.Ok());
    host.Vanish();
    ASSERT_TRUE(Eventually([&] { return !host.LineOpen(); }));
    EXPECT_FALSE(IsLink(o.LinkPath));
    EXPECT_EQ(host.SlavePath(), "");
    EXPECT_TRUE(Eventually([&] { return client.HungUp(); }));

    host.Reopen();
    ASSERT_TRUE(Eventually([&] { return host.LineOpen() && IsLink(o.LinkPath); }));
    Client back(o.LinkPath);
    ASSERT_TRUE(back.Ok());
    back.Send(ControlsRequest());
    const Frame reply = back.Receive(403);
    ASSERT_EQ(reply.size(), 403u);
    EXPECT_EQ(reply[0], ControlsReplyType);

    host.Stop();
    host.Close();
    EXPECT_FALSE(IsLink(o.LinkPath));
}

TEST(SimPtyHost, VanishFaultDropsTheLineAfterTheReplyAndItReturns)
{
    TempDir dir;
    SimOptions o = Unpaced();
    o.LinkPath = dir / "unit";
    o.Faults = {{FaultKind::Vanish, 1.0}};
    o.ComebackSeconds = 0.2;
    PtyHost host(o);
    host.Open();
    host.Start();

    Client client(o.LinkPath);
    ASSERT_TRUE(client.Ok());
    client.Send(ProcessRequest());
    EXPECT_EQ(client.Receive(403).size(), 403u);  // the reply comes first
    EXPECT_TRUE(Eventually([&] { return client.HungUp(); }));
    ASSERT_TRUE(Eventually([&] { return host.LineOpen() && IsLink(o.LinkPath); }));

    Client back(o.LinkPath);
    ASSERT_TRUE(back.Ok());
    back.Send(ProcessRequest());
    EXPECT_EQ(back.Receive(403).size(), 403u);
    host.Stop();
}

TEST(SimPtyHost, RefusesToReplaceAFileThatIsNoLink)
{
    TempDir dir;
    SimOptions o;
    o.LinkPath = dir / "precious";
    std::ofstream(o.LinkPath) << "keep me";
    PtyHost host(o);
    try {
        host.Open();
        FAIL() << "opened over a plain file";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("not a symbolic link"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(host.LineOpen());
    std::string content;
    std::getline(std::ifstream(o.LinkPath), content);
    EXPECT_EQ(content, "keep me");
}

TEST(SimPtyHost, ReplacesAnOldLinkAndRemovesOnlyItsOwn)
{
    TempDir dir;
    SimOptions o;
    o.LinkPath = dir / "unit";
    ASSERT_EQ(::symlink("/nonexistent", o.LinkPath.c_str()), 0);
    {
        PtyHost host(o);
        const std::string path = host.Open();
        char target[256] = {};
        ASSERT_GT(::readlink(o.LinkPath.c_str(), target, sizeof target - 1), 0);
        EXPECT_EQ(std::string(target), path);
    }
    EXPECT_FALSE(IsLink(o.LinkPath));  // removed with its host

    PtyHost host(o);
    host.Open();
    ::unlink(o.LinkPath.c_str());
    ASSERT_EQ(::symlink("/elsewhere", o.LinkPath.c_str()), 0);  // someone else's now
    host.Close();
    EXPECT_TRUE(IsLink(o.LinkPath));
}

TEST(SimPtyHost, ADeviceThatIsNoTerminalIsRefused)
{
    SimOptions o;
    o.Device = "/dev/null";
    PtyHost host(o);
    EXPECT_THROW(host.Open(), std::runtime_error);
    o.Device = "/nonexistent/tty";
    PtyHost missing(o);
    EXPECT_THROW(missing.Open(), std::runtime_error);
}

} // namespace
