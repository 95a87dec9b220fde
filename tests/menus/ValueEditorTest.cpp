#include <gtest/gtest.h>

#include "app/ValueImage.h"
#include "catalogue/ParamTable.h"
#include "menus/ValueEditor.h"
#include "support/RowLookup.h"

namespace {

// The MenuRows index of the row with `key`.
int MenuIndexOf(const MenuRowTable& rows, const char* key)
{
    const int param = RowIndexOf(key);
    for (int i = 0; i < UsedMenuRows(rows); ++i)
        if (rows[i].ParamIndex == param)
            return i;
    return -1;
}

TEST(ValueEditor, StepTable)
{
    struct Case {
        const char* key;
        std::int32_t from, factor, to;
    };
    const Case cases[] = {
        {"M03.01", 45, +10, 50},       {"M03.01", 5, -10, 0},
        {"M02.19", 0, +1, 100},        {"M02.19", 100, -100, 0},
        {"M02.01", 5000, +100, 6000},  {"M02.01", 5000, -1, 4990},
        {"M60.11", 1400, +100, 1439},  {"M60.11", 30, -100, 0},
        {"M60.11", 600, +100, 660},    {"M60.11", 600, +10, 610},
        {"M60.02", 18000, +100, 18263}, {"M60.02", 100, +10, 130},
        {"M60.02", 1000, -100, 635},   {"M60.02", 1000, +1, 1001},
        {"M80.01", 1, -1, 1},
        {"M10.02", 500, -1, 200},      // from the unit outside the limits: brought inside
        // Limits beyond 16 bits stop where the line does.
        {"M04.01", 32760, +100, 32767}, {"M70.01", 32000, +100, 32767},
        {"M04.01", 200000, -1, 32767},  {"M04.01", -50, +1, 1000},
        // Any stored value, also one from a file, gives a defined result.
        {"M02.01", 2147483647, +100, 20000}, {"M02.01", -2147483647 - 1, -100, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SteppedValue(ParamTable[RowIndexOf(c.key)], c.from, c.factor), c.to)
            << c.key << " " << c.from << " " << c.factor;
}

TEST(ValueEditor, OpensOnlyOnEditableRows)
{
    const MenuRowTable rows = BuildMenuRows();
    ValueEditor editor;
    EXPECT_FALSE(editor.Close());
    EXPECT_TRUE(editor.Enter(rows, MenuIndexOf(rows, "M02.01")));
    EXPECT_EQ(editor.EditRow, MenuIndexOf(rows, "M02.01"));
    EXPECT_FALSE(editor.Enter(rows, MenuIndexOf(rows, "M01.01")));  // read-only closes it
    EXPECT_EQ(editor.EditRow, -1);
    EXPECT_FALSE(editor.Enter(rows, 500));  // a free record
    EXPECT_FALSE(editor.Enter(rows, -1));
    EXPECT_TRUE(editor.Enter(rows, MenuIndexOf(rows, "M60.01")));
    EXPECT_TRUE(editor.Close());
    EXPECT_FALSE(editor.IsOpen());
}

TEST(ValueEditor, PressWritesValuesAndFlagsProcessEdits)
{
    const MenuRowTable rows = BuildMenuRows();
    ValueImage image;
    ValueEditor editor;
    EXPECT_FALSE(editor.Press(rows, image, +1));  // closed: nothing happens
    EXPECT_EQ(image.Values[366], 0);

    image.Values[366] = image.DeviceValues[366] = 600;
    ASSERT_TRUE(editor.Enter(rows, MenuIndexOf(rows, "M60.01")));
    EXPECT_TRUE(editor.Press(rows, image, +1));
    EXPECT_EQ(image.Values[366], 601);
    EXPECT_EQ(image.PendingEdit[366], 1);
    EXPECT_TRUE(editor.Press(rows, image, -1));
    EXPECT_EQ(image.Values[366], 600);
    EXPECT_EQ(image.PendingEdit[366], 0);  // back at the unit's value

    ASSERT_TRUE(editor.Enter(rows, MenuIndexOf(rows, "M02.01")));
    EXPECT_TRUE(editor.Press(rows, image, +10));
    EXPECT_EQ(image.Values[1], 100);
    EXPECT_EQ(image.PendingEdit[1], 0);  // control registers are never flagged
}

} // namespace
