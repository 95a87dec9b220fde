// The controls-file loader fed arbitrary content, as bytes and as a file on disk. A
// file is taken exactly when its check word holds; a taken file changes Values
// 0..199 and nothing else, and saving them again gives the file's first 804 bytes
// back; a refused file leaves the image as it was.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzCheck.h"
#include "app/ValueImage.h"
#include "files/ControlsFile.h"

namespace {

std::uint32_t LittleEndianWord(const std::string& bytes, std::size_t offset)
{
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i)
        word |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return word;
}

FUZZ_UNCOVERED bool CheckWordHolds(const std::string& content)
{
    if (content.size() < ControlsFileSize)
        return false;
    std::uint32_t sum = ControlsCheckSeed;
    for (std::size_t r = 0; r < ControlsFileValues; ++r)
        sum += LittleEndianWord(content, 4 * r);
    return LittleEndianWord(content, 4 * ControlsFileValues) == sum;
}

// An image with something in every field, so that a stray write shows.
FUZZ_UNCOVERED ValueImage Busy()
{
    ValueImage image;
    for (int r = 0; r < RegisterCount; ++r) {
        image.Values[r] = (r * 7919) ^ 0x5A5A5A5A;
        image.DeviceValues[r] = r - 256;
        image.PendingEdit[r] = r >= FirstProcessRegister && r % 3 == 0;
    }
    image.DataStale = 1;
    for (int i = 0; i < RxBufferSlots; ++i)
        image.RxBuffer[i] = i & 0xFF;
    image.RxCount = 403;
    image.RequestCountdown = 7;
    image.RxIdleCountdown = 1;
    image.LinkWatchdog = 33;
    image.CommState = WriteControls;
    return image;
}

FUZZ_UNCOVERED bool Same(const ValueImage& a, const ValueImage& b)
{
    return a.Values == b.Values && a.DeviceValues == b.DeviceValues && a.PendingEdit == b.PendingEdit &&
           a.DataStale == b.DataStale && a.RxBuffer == b.RxBuffer && a.RxCount == b.RxCount &&
           a.RequestCountdown == b.RequestCountdown && a.RxIdleCountdown == b.RxIdleCountdown &&
           a.LinkWatchdog == b.LinkWatchdog && a.CommState == b.CommState;
}

// One scratch file per fuzzing process, so parallel jobs never share it. Kept in a
// static buffer: the exit handler runs after static strings are gone.
char scratchPath[4096];

const char* ScratchPath()
{
    if (scratchPath[0] == '\0') {
        const std::string p = (std::filesystem::temp_directory_path() /
                               ("ventaro-fuzz-controls-" + std::to_string(::getpid()) + ".bin"))
                                  .string();
        FUZZ_CHECK(p.size() < sizeof scratchPath);
        p.copy(scratchPath, p.size());
        std::atexit([] { std::remove(scratchPath); });
    }
    return scratchPath;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string content(reinterpret_cast<const char*>(data), size);
    const ValueImage before = Busy();

    ValueImage image = before;
    const LoadResult result = TakeControlsBytes(content, image);
    FUZZ_CHECK(result != LoadResult::CannotRead);
    FUZZ_CHECK((result == LoadResult::Loaded) == CheckWordHolds(content));
    if (result == LoadResult::Loaded) {
        FUZZ_CHECK(ControlsFileBytes(image) == content.substr(0, ControlsFileSize));
        ValueImage expected = before;
        std::copy_n(image.Values.begin(), ControlsFileValues, expected.Values.begin());
        FUZZ_CHECK(Same(image, expected));
    } else {
        FUZZ_CHECK(Same(image, before));
    }

    // The same content through the file system: the reader must stop at the file's
    // end or at 804 bytes, and give the loader exactly what it read.
    {
        std::ofstream out(ScratchPath(), std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out.flush())
            return 0;  // no room in /tmp: nothing to learn from this round
    }
    ValueImage fromFile = before;
    FUZZ_CHECK(LoadControlsFile(ScratchPath(), fromFile) == result);
    FUZZ_CHECK(Same(fromFile, image));
    return 0;
}
