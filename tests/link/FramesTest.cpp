#include <gtest/gtest.h>

#include "link/Frames.h"

namespace {

// Loads raw bytes into the receive side of an image as the data-available handler would.
void Receive(ValueImage& image, const Frame& bytes)
{
    image.RxCount = 0;
    for (const std::uint8_t b : bytes)
        image.RxBuffer[image.RxCount++] = b;
}

TEST(Frames, RequestsAreExactBytes)
{
    EXPECT_EQ(ProcessRequest(), (Frame{0x0C, 0x00, 0x47}));
    EXPECT_EQ(ControlsRequest(), (Frame{0x16, 0x00, 0x3D}));
}

TEST(Frames, ControlsBlockOfZeroValues)
{
    const ValueImage image;
    const Frame f = ControlsBlock(image);
    ASSERT_EQ(f.size(), 403u);
    EXPECT_EQ(f[0], 0x20);
    EXPECT_EQ(f[1], 0x00);
    for (int i = 2; i < 402; ++i)
        ASSERT_EQ(f[i], 0x00) << "at " << i;
    EXPECT_EQ(f[402], 0x33);
}

TEST(Frames, ControlsBlockSendsLow16BitsHighByteFirst)
{
    ValueImage image;
    image.Values[0] = -1;
    image.Values[1] = -32768;
    image.Values[2] = 40000;   // beyond 16 bits: only the low 16 bits travel
    image.Values[199] = 0x1234;
    image.Values[200] = 7;     // not a control register: never sent
    const Frame f = ControlsBlock(image);
    ASSERT_EQ(f.size(), 403u);
    EXPECT_EQ((Frame{f[2], f[3]}), (Frame{0xFF, 0xFF}));
    EXPECT_EQ((Frame{f[4], f[5]}), (Frame{0x80, 0x00}));
    EXPECT_EQ((Frame{f[6], f[7]}), (Frame{0x9C, 0x40}));
    EXPECT_EQ((Frame{f[400], f[401]}), (Frame{0x12, 0x34}));
    EXPECT_TRUE(FrameSumOk(f));
}

TEST(Frames, ProcessBlockWithNothingPending)
{
    ValueImage image;
    image.Values[300] = 55;  // changed but not flagged: not sent
    const Frame f = ProcessBlock(image);
    ASSERT_EQ(f.size(), 403u);
    EXPECT_EQ(f[0], 0x22);
    EXPECT_EQ(f[1], 0x00);
    for (int k = 0; k < 200; ++k) {
        ASSERT_EQ(f[2 + 2 * k], 0x9F);
        ASSERT_EQ(f[3 + 2 * k], 0x45);
    }
    EXPECT_EQ(f[402], 0x11);
}

TEST(Frames, ProcessBlockCarriesPendingEditsAndClearsTheirFlags)
{
    ValueImage image;
    image.Values[256] = 42;
    image.PendingEdit[256] = 1;
    image.Values[455] = -2;
    image.PendingEdit[455] = 1;
    const Frame f = ProcessBlock(image);
    EXPECT_EQ((Frame{f[2], f[3]}), (Frame{0x00, 42}));
    EXPECT_EQ((Frame{f[4], f[5]}), (Frame{0x9F, 0x45}));
    EXPECT_EQ((Frame{f[400], f[401]}), (Frame{0xFF, 0xFE}));
    EXPECT_TRUE(FrameSumOk(f));
    EXPECT_EQ(image.PendingEdit[256], 0);
    EXPECT_EQ(image.PendingEdit[455], 0);
}

TEST(Frames, WordsRoundTripThroughTheLine)
{
    struct Case {
        std::int32_t stored;
        std::uint8_t hi, lo;
        std::int32_t readBack;
    };
    const Case cases[] = {
        {0, 0x00, 0x00, 0},          {1, 0x00, 0x01, 1},
        {-1, 0xFF, 0xFF, -1},        {-32768, 0x80, 0x00, -32768},
        {32767, 0x7F, 0xFF, 32767},  {40000, 0x9C, 0x40, -25536},
        {-24763, 0x9F, 0x45, -24763}, {200000, 0x0D, 0x40, 3392},
    };
    for (const Case& c : cases) {
        const Frame f = BuildFrame(ProcessReplyType, {c.stored});
        ASSERT_EQ(f.size(), 5u);
        EXPECT_EQ(f[2], c.hi) << c.stored;
        EXPECT_EQ(f[3], c.lo) << c.stored;
        ValueImage image;
        Receive(image, f);
        EXPECT_EQ(DecodeWord(image, 2), c.readBack) << c.stored;
    }
}

TEST(Frames, FrameSumCoversExactlyTheBytesHeld)
{
    ValueImage image;
    std::vector<std::int32_t> words(200);
    for (int k = 0; k < 200; ++k)
        words[k] = k * 97 - 5000;
    Frame f = BuildFrame(ProcessReplyType, words);
    Receive(image, f);
    EXPECT_TRUE(FrameSumOk(image));

    f[402] ^= 0x01;  // wrong check byte
    Receive(image, f);
    EXPECT_FALSE(FrameSumOk(image));

    // A byte beyond RxCount is not covered.
    Receive(image, BuildFrame(0x40, {}));
    image.RxBuffer[image.RxCount] = 0x55;
    EXPECT_TRUE(FrameSumOk(image));
}

} // namespace
