#include <gtest/gtest.h>

#include <map>

#include "app/ValueImage.h"
#include "catalogue/ParamTable.h"
#include "menus/MenuPages.h"
#include "menus/MenuRows.h"
#include "support/RowLookup.h"

namespace {

TEST(MenuRows, OneRecordPerShownRowThenFreeRecords)
{
    const MenuRowTable rows = BuildMenuRows();
    EXPECT_EQ(UsedMenuRows(rows), 216);
    for (int i = 216; i < MenuRowCapacity; ++i)
        ASSERT_EQ(rows[i].Reg, -1) << i;
    for (int i = 0; i < 216; ++i) {
        const ParamDef& def = ParamTable[rows[i].ParamIndex];
        ASSERT_NE(def.Item, 0);
        ASSERT_NE(def.Menu, 30);
        ASSERT_EQ(rows[i].Reg, def.Reg);
        ASSERT_EQ(MenuPages[rows[i].Page].Menu, def.Menu);
        if (i > 0) {
            ASSERT_GT(rows[i].ParamIndex, rows[i - 1].ParamIndex);  // catalogue order
        }
    }
}

TEST(MenuRows, RowsPerPageAndTheirTops)
{
    const MenuRowTable rows = BuildMenuRows();
    std::map<int, std::vector<int>> tops;  // menu -> tops in order
    for (int i = 0; i < UsedMenuRows(rows); ++i)
        tops[MenuPages[rows[i].Page].Menu].push_back(rows[i].Top);
    EXPECT_EQ(tops.size(), 20u);
    ASSERT_EQ(tops[1].size(), 23u);
    EXPECT_EQ(tops[1].front(), 10);
    EXPECT_EQ(tops[1].back(), 450);
    EXPECT_EQ(tops[10].size(), 24u);
    EXPECT_EQ(tops[99], (std::vector<int>{10, 30, 50}));
}

TEST(MenuRows, CaptionsAndPages)
{
    EXPECT_EQ(MenuRowCaption(RowIndexOf("M01.01")), "M01.01   Temp NTC1 (ODA)");
    EXPECT_EQ(MenuRowCaption(RowIndexOf("M10.99")), "M10.99   Comfort Temperature");
    EXPECT_EQ(PageOfMenu(1), 0);
    EXPECT_EQ(PageOfMenu(99), 19);
    EXPECT_EQ(PageOfMenu(30), -1);
    EXPECT_STREQ(MenuPages[PageOfMenu(7)].Caption, "M07 Analog Ouput");
    EXPECT_STREQ(MenuPages[PageOfMenu(20)].Caption, "M20 Failure's");
}

TEST(MenuRows, ColourRule)
{
    struct Case {
        std::int32_t value, device, stale, reg;
        Rgb colour;
    };
    const Case cases[] = {
        {5, 5, 1, 10, clGray},      {5, 5, 0, 10, clBlack},
        {5, 6, 1, 10, MutedRed},    {5, 6, 1, 300, MutedRed},
        {5, 6, 0, 10, clRed},       {5, 6, 0, 199, clRed},
        {5, 6, 0, 200, clFuchsia},  {5, 6, 0, 366, clFuchsia},
        {5, 5, 0, 366, clBlack},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueColour(c.value, c.device, c.stale, c.reg), c.colour)
            << c.value << "/" << c.device << " stale " << c.stale << " reg " << c.reg;
}

TEST(MenuRows, RenderAndRegisterText)
{
    const MenuRowTable rows = BuildMenuRows();
    ValueImage image;
    image.DataStale = 1;
    EXPECT_EQ(RenderMenuRow(rows[0], image), (FieldView{"0.0 \xB0" "C", clGray}));

    image.Values[365] = 123;
    image.DeviceValues[365] = 123;
    EXPECT_EQ(RegisterText(rows, image, 365), "123 Pa");  // formatted by M01.16
    EXPECT_EQ(RegisterText(rows, image, 418), "?");       // M30: on no page
    EXPECT_EQ(RegisterText(rows, image, 200), "?");
    image.Values[256] = -215;
    EXPECT_EQ(RegisterText(rows, image, 256), "-21.5 \xB0" "C");
}

} // namespace
