#include "files/FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace {

bool Fails(const WriteFault& fault, WriteStep step) { return fault && fault(step); }

bool WriteAll(int fd, const std::string& bytes, const WriteFault& fault)
{
    std::size_t room = bytes.size();
    if (Fails(fault, WriteStep::Write))
        room /= 2;  // the disk fills up half way through
    const char* p = bytes.data();
    std::size_t left = room;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return room == bytes.size();
}

// A close that fails may mean the data never reached the disk, so it counts.
bool CloseChecked(int fd, const WriteFault& fault)
{
    const bool injected = Fails(fault, WriteStep::Close);
    return ::close(fd) == 0 && !injected;
}

// Devices and pipes take the bytes as they are; replacing them would destroy them.
// O_NONBLOCK keeps a pipe nobody reads from from hanging the tool.
bool WriteInto(const std::string& path, const std::string& bytes, const WriteFault& fault)
{
    if (Fails(fault, WriteStep::Create))
        return false;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes, fault);
    return CloseChecked(fd, fault) && written;
}

// The file a symbolic link names, so that saving through a link keeps the link.
std::string Resolved(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer) == nullptr)
        return path;  // a dangling link: the link itself is what gets replaced
    return buffer;
}

// A short name in the target's own directory, so the rename never crosses file
// systems and a long target name cannot push it over the name length limit.
int CreateTemporary(const std::filesystem::path& dir, std::string& name)
{
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (dir / (".~save-" + std::to_string(::getpid()) + "-" +
                       std::to_string(serial++) + ".tmp"))
                   .string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC,
                              0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The file rewritten where it stands: for a writable file in a folder where no new
// file may be made beside it. Not atomic, but the only way such a file can be saved.
bool WriteInPlace(const std::string& target, const std::string& bytes, const WriteFault& fault)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes, fault);
    ok = ok && !Fails(fault, WriteStep::Sync) && ::fsync(fd) == 0;
    return CloseChecked(fd, fault) && ok;
}

void SyncDirectory(const std::filesystem::path& dir)
{
    const std::string name = dir.empty() ? std::string(".") : dir.string();
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Best effort: the new content is already in place, and some file systems
    // refuse to sync a directory.
    static_cast<void>(::fsync(fd));
    ::close(fd);
}

} // namespace

bool WriteFileReplacing(const std::string& path, const std::string& bytes,
                        const WriteFault& fault)
{
    if (path.empty())
        return false;
    const std::string target = Resolved(path);

    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))
            return WriteInto(target, bytes, fault);
        return false;
    }

    // A file the engineer may not write is not replaced behind their back, even where
    // the folder would allow a new file in its place.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return false;

    const std::filesystem::path dir = std::filesystem::path(target).parent_path();
    if (Fails(fault, WriteStep::Create))
        return false;
    std::string temporary;
    const int fd = CreateTemporary(dir, temporary);
    if (fd < 0)
        return exists && WriteInPlace(target, bytes, fault);
    if (exists)  // should this fail, the new file keeps the default mode
        static_cast<void>(::fchmod(fd, st.st_mode & 07777));

    bool ok = WriteAll(fd, bytes, fault);
    ok = ok && !Fails(fault, WriteStep::Sync) && ::fsync(fd) == 0;
    ok = CloseChecked(fd, fault) && ok;
    ok = ok && !Fails(fault, WriteStep::Rename) &&
         ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncDirectory(dir);
    return true;
}
