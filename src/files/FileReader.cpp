#include "files/FileReader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;

    // Grows by what actually arrives, never by the limit alone.
    constexpr std::size_t Chunk = 64 * 1024;
    std::string bytes;
    bool failed = false;
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(Chunk, maxBytes - bytes.size());
        const std::size_t had = bytes.size();
        bytes.resize(had + want);
        const ssize_t n = ::read(fd, bytes.data() + had, want);
        if (n < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        if (n <= 0) {
            bytes.resize(had);
            failed = n < 0;  // EISDIR for a directory, EAGAIN for a silent pipe
            break;
        }
        bytes.resize(had + static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    return bytes;
}
