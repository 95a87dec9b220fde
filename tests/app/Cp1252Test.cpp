#include <gtest/gtest.h>

#include "app/Cp1252.h"

namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
}

TEST(Cp1252, KnownCharacters)
{
    EXPECT_EQ(FromCp1252("21.5 \xB0" "C"), QString::fromUtf8("21.5 °C"));
    EXPECT_EQ(FromCp1252("\x80"), QString::fromUtf8("€"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("€ – °")), "\x80 \x96 \xB0");
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Ω日")), "??");
}

} // namespace
