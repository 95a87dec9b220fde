#pragma once
// The one way the tool reads a file it is asked to load. Whatever the engineer
// names, the read ends: at most `maxBytes` are taken (so memory never follows a
// count found in the file), a pipe or device that has nothing to give ends the read
// instead of blocking, and an endless device such as /dev/zero stops at the limit.

#include <cstddef>
#include <optional>
#include <string>

// The first bytes of `path`, up to `maxBytes`; fewer when the file ends earlier.
// Empty when the path cannot be opened or read (no such file, a directory, no
// permission, a read error).
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes);
