#pragma once
// The one way the tool writes a file. A save either puts the complete new content
// in place or leaves whatever was there untouched: the bytes go to a temporary file
// beside the target, are flushed to the disk, and only then take the target's name.
// A full disk, a failing close or a vanished directory is a failure the caller
// reports; it never leaves a half-written file under the chosen name.
//
// A target that exists and is a character device or a FIFO (/dev/full, a pipe) is
// not replaced by a regular file: the bytes go straight into it, and any error on
// the way is still a failure. Other non-regular targets (directories, sockets,
// block devices) are refused.

#include <functional>
#include <string>

// The steps of a replacing write, named so that tests can make one of them fail.
enum class WriteStep { Create, Write, Sync, Close, Rename };

// Asked before each step; answering true makes that step fail as a full disk would.
using WriteFault = std::function<bool(WriteStep)>;

// True when `bytes` are the complete content of `path`. A new file gets the usual
// mode of a user's file (0666 less the umask); a replaced file keeps its mode. A
// symbolic link as target is followed, so the file it names is replaced, not the link.
bool WriteFileReplacing(const std::string& path, const std::string& bytes,
                        const WriteFault& fault = {});
