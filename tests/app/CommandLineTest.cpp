#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

TEST(CommandLine, NoOptionsMeansPortOneOnTheFirstSerialDevice)
{
    const CommandLine line = ParseCommandLine({});
    EXPECT_EQ(line.Error, "");
    EXPECT_FALSE(line.Demo);
    EXPECT_EQ(line.Ports.DeviceFor(1), "/dev/ttyS0");
    EXPECT_EQ(line.Ports.DeviceFor(16), "/dev/ttyS15");
    EXPECT_EQ(line.Ports.DeviceFor(0), "");
    EXPECT_EQ(line.Ports.DeviceFor(17), "");
}

TEST(CommandLine, PortMappingsAndFlags)
{
    const CommandLine line = ParseCommandLine(
        {"--port", "3=/dev/ttyUSB0", "--port=1=/tmp/ventaro pty", "--demo", "--version"});
    EXPECT_EQ(line.Error, "");
    EXPECT_EQ(line.Ports.DeviceFor(3), "/dev/ttyUSB0");
    EXPECT_EQ(line.Ports.DeviceFor(1), "/tmp/ventaro pty");
    EXPECT_EQ(line.Ports.DeviceFor(2), "/dev/ttyS1");
    EXPECT_TRUE(line.Demo);
    EXPECT_TRUE(line.Version);
}

TEST(CommandLine, MalformedLinesAreRefusedWithAReason)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--port"}, {"--port", "0=/dev/x"}, {"--port", "17=/dev/x"}, {"--port", "1="},
        {"--port", "=/dev/x"}, {"--port", "x=/dev/x"}, {"--port", "1x=/dev/x"},
        {"--port", "99999999999999999999=/dev/x"}, {"--frobnicate"}, {"demo"},
    };
    for (const auto& args : bad)
        EXPECT_NE(ParseCommandLine(args).Error, "") << args.back();
}

} // namespace
