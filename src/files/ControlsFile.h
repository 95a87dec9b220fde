#pragma once
// The controls file: the 200 control registers (Values 0..199) of one unit, kept on
// disk to be put back into the same or another unit. 804 bytes, no header: each
// value as a little-endian signed 32-bit number in register order, then a check word,
// ControlsCheckSeed plus the sum of the values, modulo 2^32. The process registers
// are never part of it.

#include <cstddef>
#include <cstdint>
#include <string>

class Dialogs;
struct ValueImage;

constexpr std::int32_t ControlsFileValues = 200;
constexpr std::size_t ControlsFileSize = 4 * ControlsFileValues + 4;
constexpr std::uint32_t ControlsCheckSeed = 0x12E45687;

// The file's content for Values 0..199 of `image`.
std::string ControlsFileBytes(const ValueImage& image);

enum class LoadResult { Loaded, CannotRead, WrongFormat };

// Takes the content of a controls file: when its check word holds, Values 0..199
// become the file's values, all at once, as they are (no limits applied); otherwise
// the image is left exactly as it was. Bytes after the first 804 are ignored; a
// shorter content is WrongFormat.
LoadResult TakeControlsBytes(const std::string& content, ValueImage& image);

// The same for the file at `path`; CannotRead when it cannot be opened or read.
LoadResult LoadControlsFile(const std::string& path, ValueImage& image);

// The Save and Load buttons, given the path their file dialog returned ("Save
// controls:", "Get controls:"); an empty path is a cancelled dialog and does nothing.
// Failures are told as "Cannot write to file.", "Cannot read file." or "File not in
// correct format!" with the caption "ERROR". Closing the value editor first and
// refreshing the menu rows after a load are the caller's part.
void SaveControls(const ValueImage& image, const std::string& path, Dialogs& dialogs);
// True when the file was taken, so that the caller refreshes the menu rows.
bool LoadControls(ValueImage& image, const std::string& path, Dialogs& dialogs);
