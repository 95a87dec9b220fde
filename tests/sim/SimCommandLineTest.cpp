#include <gtest/gtest.h>

#include "sim/SimCommandLine.h"

namespace {

TEST(SimCommandLine, NoOptionsGiveAPacedHealthyUnitOnAPseudoTerminal)
{
    const SimCommandLine line = ParseSimCommandLine({});
    EXPECT_EQ(line.Error, "");
    EXPECT_FALSE(line.Help);
    EXPECT_EQ(line.Options.LinkPath, "");
    EXPECT_EQ(line.Options.Device, "");
    EXPECT_TRUE(line.Options.Pacing);
    EXPECT_TRUE(line.Options.Faults.empty());
    EXPECT_EQ(line.Options.Seed, 1u);
}

TEST(SimCommandLine, OptionsInBothSpellings)
{
    const SimCommandLine line = ParseSimCommandLine(
        {"--link", "/tmp/v sim", "--device=/dev/ttyUSB0", "--no-pacing", "--fault", "drop=0.25",
         "--fault=vanish", "--seed", "4294967295", "--help"});
    EXPECT_EQ(line.Error, "");
    EXPECT_EQ(line.Options.LinkPath, "/tmp/v sim");
    EXPECT_EQ(line.Options.Device, "/dev/ttyUSB0");
    EXPECT_FALSE(line.Options.Pacing);
    EXPECT_EQ(line.Options.Faults,
              (std::vector<FaultSetting>{{FaultKind::Drop, 0.25}, {FaultKind::Vanish, 1.0}}));
    EXPECT_EQ(line.Options.Seed, 4294967295u);
    EXPECT_TRUE(line.Help);
}

TEST(SimCommandLine, MalformedLinesAreRefusedWithAReason)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--link"},          {"--link="},          {"--device"},        {"--fault"},
        {"--fault", "boom"}, {"--fault", "cut=2"}, {"--fault=drop=x"},  {"--seed"},
        {"--seed", "-1"},    {"--seed", "4294967296"}, {"--seed", "7x"}, {"--seed="},
        {"--pacing"},        {"link"},             {"-x"},
    };
    for (const auto& args : bad) {
        const SimCommandLine line = ParseSimCommandLine(args);
        EXPECT_NE(line.Error, "") << args.front() << " " << (args.size() > 1 ? args[1] : "");
    }
    EXPECT_NE(SimUsageText("ventaro-sim").find("--fault KIND[=RATE]"), std::string::npos);
}

} // namespace
