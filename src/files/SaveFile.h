#pragma once
// The save step the tool's writers share: the controls file, the CSV export and the
// log file. Any failure on the way, not only a failing open, is shown as
// "Cannot write to file." and leaves an existing file as it was.

#include <string>

#include "files/FileWriter.h"

class Dialogs;

// True when `bytes` are in place at `path`; otherwise the engineer has been told.
bool SaveFileOrTell(const std::string& path, const std::string& bytes, Dialogs& dialogs,
                    const WriteFault& fault = {});
