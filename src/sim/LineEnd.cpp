#include "sim/LineEnd.h"

#include "sim/PosixErrors.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <system_error>

namespace {

// Raw 9600 baud, 8 data bits, no parity, one stop bit, no flow control. False when
// `fd` is no terminal.
bool MakeRaw(int fd)
{
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return false;
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B9600);
    ::cfsetospeed(&t, B9600);
    t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS | CSIZE);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

} // namespace

LineEnd OpenPseudoTerminal()
{
    LineEnd line;
    line.Fd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (line.Fd < 0)
        throw SystemError("cannot create a pseudo-terminal", errno);
    ::fcntl(line.Fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(line.Fd, F_SETFL, ::fcntl(line.Fd, F_GETFL) | O_NONBLOCK);

    char name[256] = {};
    if (::grantpt(line.Fd) != 0 || ::unlockpt(line.Fd) != 0 ||
        ::ptsname_r(line.Fd, name, sizeof name) != 0) {
        const int error = errno;
        CloseLineEnd(line);
        throw SystemError("cannot set up the pseudo-terminal", error);
    }
    line.Path = name;
    line.KeptSlaveFd = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (line.KeptSlaveFd < 0 || !MakeRaw(line.KeptSlaveFd)) {
        const int error = errno;
        CloseLineEnd(line);
        throw SystemError("cannot open " + std::string(name), error);
    }
    return line;
}

LineEnd OpenSerialDevice(const std::string& path)
{
    LineEnd line;
    line.Path = path;
    line.Fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (line.Fd < 0)
        throw SystemError("cannot open " + path, errno);
    if (!MakeRaw(line.Fd)) {
        CloseLineEnd(line);
        throw std::runtime_error(path + " is not a serial device");
    }
    ::tcflush(line.Fd, TCIOFLUSH);
    return line;
}

void CloseLineEnd(LineEnd& line)
{
    CloseFd(line.Fd);
    CloseFd(line.KeptSlaveFd);
    line.Path.clear();
}

std::size_t BytesOnTheirWay(const LineEnd& line)
{
    int pending = 0;
    const bool device = line.KeptSlaveFd < 0;
    if (::ioctl(device ? line.Fd : line.KeptSlaveFd, device ? TIOCOUTQ : TIOCINQ, &pending) != 0)
        return 0;
    return pending > 0 ? static_cast<std::size_t>(pending) : 0;
}
