#include "sim/LinkFile.h"

#include "sim/PosixErrors.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace {

std::string ReadLink(const std::string& path)
{
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0 || static_cast<std::size_t>(n) >= buffer.size())
        return {};
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

} // namespace

void PointLink(const std::string& link, const std::string& target)
{
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode))
        throw std::runtime_error(link + " exists and is not a symbolic link; not replacing it");

    // A new link beside the old one, renamed over it.
    static std::atomic<unsigned> serial{0};
    const std::string temporary =
        link + ".new" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    ::unlink(temporary.c_str());
    if (::symlink(target.c_str(), temporary.c_str()) != 0)
        throw SystemError("cannot make the link " + temporary, errno);
    if (::rename(temporary.c_str(), link.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw SystemError("cannot make the link " + link, error);
    }
}

void RemoveLinkTo(const std::string& link, const std::string& target)
{
    if (!link.empty() && !target.empty() && ReadLink(link) == target)
        ::unlink(link.c_str());
}
