#include "files/ControlsFile.h"

#include <array>

#include "app/Dialogs.h"
#include "app/ValueImage.h"
#include "files/FileDialogTexts.h"
#include "files/FileReader.h"
#include "files/SaveFile.h"

namespace {

// Unsigned arithmetic: the sum wraps modulo 2^32 by definition, whatever the values.
void PutWord(std::string& out, std::uint32_t word)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((word >> shift) & 0xFFu));
}

std::uint32_t GetWord(const std::string& in, std::size_t offset)
{
    std::uint32_t word = 0;
    for (int i = 3; i >= 0; --i)
        word = (word << 8) | static_cast<unsigned char>(in[offset + static_cast<std::size_t>(i)]);
    return word;
}

} // namespace

std::string ControlsFileBytes(const ValueImage& image)
{
    std::string out;
    out.reserve(ControlsFileSize);
    std::uint32_t check = ControlsCheckSeed;
    for (std::int32_t r = 0; r < ControlsFileValues; ++r) {
        const auto word = static_cast<std::uint32_t>(image.Values[r]);
        PutWord(out, word);
        check += word;
    }
    PutWord(out, check);
    return out;
}

LoadResult TakeControlsBytes(const std::string& content, ValueImage& image)
{
    if (content.size() < ControlsFileSize)
        return LoadResult::WrongFormat;
    std::array<std::uint32_t, ControlsFileValues> scratch{};
    std::uint32_t check = GetWord(content, 4 * ControlsFileValues);
    for (std::int32_t r = 0; r < ControlsFileValues; ++r) {
        scratch[r] = GetWord(content, 4 * static_cast<std::size_t>(r));
        check -= scratch[r];
    }
    if (check != ControlsCheckSeed)
        return LoadResult::WrongFormat;
    for (std::int32_t r = 0; r < ControlsFileValues; ++r)
        image.Values[r] = static_cast<std::int32_t>(scratch[r]);
    return LoadResult::Loaded;
}

LoadResult LoadControlsFile(const std::string& path, ValueImage& image)
{
    const auto content = ReadFileHead(path, ControlsFileSize);
    if (!content)
        return LoadResult::CannotRead;
    return TakeControlsBytes(*content, image);
}

void SaveControls(const ValueImage& image, const std::string& path, Dialogs& dialogs)
{
    if (path.empty())
        return;
    SaveFileOrTell(path, ControlsFileBytes(image), dialogs);
}

bool LoadControls(ValueImage& image, const std::string& path, Dialogs& dialogs)
{
    if (path.empty())
        return false;
    switch (LoadControlsFile(path, image)) {
    case LoadResult::Loaded:
        return true;
    case LoadResult::CannotRead:
        dialogs.Tell(CannotReadText, ErrorCaption, true);
        return false;
    case LoadResult::WrongFormat:
        dialogs.Tell(WrongFormatText, ErrorCaption, true);
        return false;
    }
    return false;
}
