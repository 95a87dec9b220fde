#pragma once
// Small helpers for the host's POSIX calls.

#include <unistd.h>

#include <stdexcept>
#include <string>
#include <system_error>

// "what: the system's reason for `error`".
inline std::runtime_error SystemError(const std::string& what, int error)
{
    return std::runtime_error(what + ": " + std::system_category().message(error));
}

// Closes `fd` if open and marks it closed.
inline void CloseFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}
