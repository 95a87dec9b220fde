#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "app/ValueImage.h"
#include "files/ControlsFile.h"
#include "support/TempDir.h"
#include "support/FakeDialogs.h"

namespace {

std::unique_ptr<ValueImage> ImageWithControls(std::int32_t (*valueOf)(int))
{
    auto image = std::make_unique<ValueImage>();
    for (int r = 0; r < 200; ++r)
        image->Values[r] = valueOf(r);
    return image;
}

// An image whose every part differs from a fresh one, to see what a load touches.
std::unique_ptr<ValueImage> BusyImage()
{
    auto image = std::make_unique<ValueImage>();
    for (int r = 0; r < RegisterCount; ++r) {
        image->Values[r] = 7000 + r;
        image->DeviceValues[r] = 9000 + r;
        image->PendingEdit[r] = r % 2;
    }
    image->DataStale = 1;
    image->CommState = WriteControls;
    return image;
}

bool SameImage(const ValueImage& a, const ValueImage& b)
{
    return a.Values == b.Values && a.DeviceValues == b.DeviceValues &&
           a.PendingEdit == b.PendingEdit && a.DataStale == b.DataStale &&
           a.CommState == b.CommState;
}

TEST(ControlsFile, ZeroValuesGiveZeroBytesAndTheSeed)
{
    const ValueImage image{};
    const std::string bytes = ControlsFileBytes(image);
    ASSERT_EQ(bytes.size(), 804u);
    EXPECT_EQ(bytes.substr(0, 800), std::string(800, '\0'));
    EXPECT_EQ(bytes.substr(800), "\x87\x56\xE4\x12");
}

TEST(ControlsFile, ValuesAreLittleEndianAndTheCheckWordWraps)
{
    auto image = ImageWithControls([](int) { return std::int32_t{-1}; });
    const std::string bytes = ControlsFileBytes(*image);
    EXPECT_EQ(bytes.substr(0, 8), "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF");
    // 0x12E45687 - 200, modulo 2^32
    EXPECT_EQ(bytes.substr(800), "\xBF\x55\xE4\x12");

    image->Values[0] = 0x01020304;
    image->Values[199] = std::numeric_limits<std::int32_t>::min();
    const std::string changed = ControlsFileBytes(*image);
    EXPECT_EQ(changed.substr(0, 4), "\x04\x03\x02\x01");
    EXPECT_EQ(changed.substr(796, 4), std::string("\0\0\0\x80", 4));
}

TEST(ControlsFile, SavedFileLoadsBackBitForBitAndTouchesOnlyControls)
{
    TempDir dir;
    const std::string path = dir / "unit 12.ctl";
    const auto saved = ImageWithControls([](int r) -> std::int32_t {
        switch (r % 5) {
        case 0: return 200000 + r;
        case 1: return -r;
        case 2: return std::numeric_limits<std::int32_t>::max() - r;
        case 3: return std::numeric_limits<std::int32_t>::min() + r;
        default: return r;
        }
    });
    FakeDialogs dialogs;
    SaveControls(*saved, path, dialogs);
    ASSERT_EQ(FileBytes(path).size(), 804u);

    auto loaded = BusyImage();
    const auto before = BusyImage();
    EXPECT_TRUE(LoadControls(*loaded, path, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    for (int r = 0; r < RegisterCount; ++r)
        ASSERT_EQ(loaded->Values[r], r < 200 ? saved->Values[r] : before->Values[r]) << r;
    EXPECT_EQ(loaded->DeviceValues, before->DeviceValues);
    EXPECT_EQ(loaded->PendingEdit, before->PendingEdit);
    EXPECT_EQ(loaded->DataStale, 1);
    EXPECT_EQ(loaded->CommState, WriteControls);
}

TEST(ControlsFile, ExtraBytesAfterTheRecordAreIgnored)
{
    TempDir dir;
    const auto saved = ImageWithControls([](int r) { return std::int32_t{r * 3}; });
    PutFile(dir / "long", ControlsFileBytes(*saved) + "trailing bytes \x01\x02");
    ValueImage loaded{};
    EXPECT_EQ(LoadControlsFile(dir / "long", loaded), LoadResult::Loaded);
    EXPECT_EQ(loaded.Values, saved->Values);
}

TEST(ControlsFile, DamagedOrUnreadableFilesAreRefusedWithoutChange)
{
    TempDir dir;
    const auto saved = ImageWithControls([](int r) { return std::int32_t{1000 - r}; });
    const std::string good = ControlsFileBytes(*saved);
    std::filesystem::create_directory(dir.Path() / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);

    struct Case {
        std::string name;  // in the test's directory unless absolute
        std::optional<std::string> content;  // none: use what is there
        const char* text;
    };
    std::vector<Case> cases;
    for (const std::size_t offset : {0u, 1u, 3u, 400u, 799u, 800u, 803u}) {
        std::string flipped = good;
        flipped[offset] = static_cast<char>(flipped[offset] ^ 0x10);
        cases.push_back({"flipped" + std::to_string(offset), flipped,
                         "File not in correct format!"});
    }
    // Values that make the check word 0, so a reader that took missing bytes as
    // zeros would accept the cut files.
    auto zeroCheck = ImageWithControls([](int) { return std::int32_t{0}; });
    zeroCheck->Values[0] = -static_cast<std::int32_t>(ControlsCheckSeed);
    const std::string zeroTail = ControlsFileBytes(*zeroCheck);
    ASSERT_EQ(zeroTail.substr(800), std::string(4, '\0'));
    cases.push_back({"cut803", zeroTail.substr(0, 803), "File not in correct format!"});
    cases.push_back({"cut800", zeroTail.substr(0, 800), "File not in correct format!"});
    cases.push_back({"empty", "", "File not in correct format!"});
    cases.push_back({"missing", std::nullopt, "Cannot read file."});
    cases.push_back({"folder", std::nullopt, "Cannot read file."});
    // A pipe nobody writes to and an endless device end the read instead of hanging.
    cases.push_back({"pipe", std::nullopt, "File not in correct format!"});
    cases.push_back({"/dev/zero", std::nullopt, "File not in correct format!"});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.name.front() == '/' ? c.name : dir / c.name;
        if (c.content)
            PutFile(path, *c.content);
        auto image = BusyImage();
        const auto before = BusyImage();
        FakeDialogs dialogs;
        EXPECT_FALSE(LoadControls(*image, path, dialogs));
        EXPECT_TRUE(SameImage(*image, *before));
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, c.text);
        EXPECT_EQ(dialogs.shown[0].caption, "ERROR");
        EXPECT_TRUE(dialogs.shown[0].error);
    }
}

TEST(ControlsFile, SaveThatCannotWriteIsTold)
{
    TempDir dir;
    const ValueImage image{};
    for (const std::string& path : {std::string("/dev/full"), dir / "missing/unit.ctl"}) {
        SCOPED_TRACE(path);
        FakeDialogs dialogs;
        SaveControls(image, path, dialogs);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "Cannot write to file.");
        EXPECT_EQ(dialogs.shown[0].caption, "ERROR");
        EXPECT_TRUE(dialogs.shown[0].error);
    }
}

TEST(ControlsFile, CancelledDialogsDoNothing)
{
    // Run where a stray relative write would land, to see that none happens.
    TempDir dir;
    const auto home = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    auto image = BusyImage();
    const auto before = BusyImage();
    FakeDialogs dialogs;
    SaveControls(*image, "", dialogs);
    EXPECT_FALSE(LoadControls(*image, "", dialogs));
    std::filesystem::current_path(home);
    EXPECT_TRUE(SameImage(*image, *before));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(dir.Entries(), 0);
}

} // namespace
