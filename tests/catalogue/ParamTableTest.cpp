#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/RowLookup.h"
#include "catalogue/ChoiceLists.h"
#include "catalogue/FormatValue.h"
#include "catalogue/ParamTable.h"

namespace {

constexpr char DegC[] = "\xB0" "C";

std::int32_t TerminatorIndex()
{
    std::int32_t i = 0;
    while (ParamTable[i].Menu != TableEndMenu)
        ++i;
    return i;
}

bool ShownOnAPage(const ParamDef& row) { return row.Item != 0 && HasMenuPage(row.Menu); }

bool AllNumbersZero(const ParamDef& row)
{
    return row.Reg == 0 && row.Min == 0 && row.Max == 0 && row.Default == 0 && row.Step == 0 &&
           row.Format == 0;
}

// Entries of a choice list; a trailing '#' closes the last entry instead of opening one.
int EntryCount(const char* list)
{
    const std::size_t length = std::strlen(list);
    int separators = 0;
    for (std::size_t i = 0; i < length; ++i)
        separators += list[i] == '#';
    return separators + 1 - (length > 0 && list[length - 1] == '#' ? 1 : 0);
}

std::vector<std::string> KeysWhere(bool (*pick)(const ParamDef&))
{
    std::vector<std::string> keys;
    for (std::int32_t i = 0; ParamTable[i].Menu != TableEndMenu; ++i)
        if (pick(ParamTable[i]))
            keys.push_back(ParamKey(i));
    return keys;
}

TEST(Catalogue, TableFramesTheMenusWithBlankRowsHeadingsAndTerminator)
{
    ASSERT_EQ(TerminatorIndex(), ParamTableRows - 1);
    for (const std::int32_t blank : {0, ParamTableRows - 2}) {
        const ParamDef& row = ParamTable[blank];
        EXPECT_EQ(row.Menu, 0) << blank;
        EXPECT_EQ(row.Item, 0) << blank;
        EXPECT_STREQ(row.Name, "") << blank;
        EXPECT_STREQ(row.Unit, "") << blank;
        EXPECT_TRUE(AllNumbersZero(row)) << blank;
    }

    const std::vector<std::pair<std::int32_t, std::string>> headings = {
        {1, "Actual controls"},          {2, "Ventilation"},
        {3, "Heat recovery wheel settings"}, {4, "Ventilation settings"},
        {5, "Digital input settings"},   {6, "Relay settings"},
        {7, "Analog output settings"},   {8, "Communication settings"},
        {9, "Analog input settings"},    {10, "Temp control"},
        {11, "Bypass settings"},         {12, "Heat Exchanger settings"},
        {13, "PreHeat Frost Settings"},  {20, "Failures"},
        {30, "Overrule"},                {50, "Miscellaneous"},
        {60, "Realtime clock"},          {70, "Filters"},
        {80, "Modbus"},                  {90, "SD card"},
        {99, "Service"},
    };
    std::vector<std::pair<std::int32_t, std::string>> found;
    int itemRows = 0;
    for (std::int32_t i = 1; i < ParamTableRows - 2; ++i) {
        const ParamDef& row = ParamTable[i];
        if (row.Item != 0) {
            ++itemRows;
            continue;
        }
        found.emplace_back(row.Menu, row.Name);
        EXPECT_STREQ(row.Unit, "") << row.Name;
        EXPECT_TRUE(AllNumbersZero(row)) << row.Name;
        // A heading opens its menu: the row before belongs to an earlier menu.
        EXPECT_LT(ParamTable[i - 1].Menu, row.Menu) << row.Name;
    }
    EXPECT_EQ(found, headings);
    EXPECT_EQ(itemRows, 227);
}

TEST(Catalogue, RowsAscendByMenuAndItem)
{
    for (std::int32_t i = 2; i < ParamTableRows - 2; ++i) {
        const ParamDef& a = ParamTable[i - 1];
        const ParamDef& b = ParamTable[i];
        EXPECT_TRUE(a.Menu < b.Menu || (a.Menu == b.Menu && a.Item < b.Item))
            << "row " << i << " M" << b.Menu << "." << b.Item;
    }
}

TEST(Catalogue, PagesShow216RowsOf154Editable)
{
    int shown = 0;
    int editable = 0;
    int overrule = 0;
    for (std::int32_t i = 0; ParamTable[i].Menu != TableEndMenu; ++i) {
        const ParamDef& row = ParamTable[i];
        if (row.Menu == 30 && row.Item != 0) {
            ++overrule;
            EXPECT_TRUE(IsEditable(row)) << ParamKey(i);
        }
        if (!ShownOnAPage(row))
            continue;
        ++shown;
        editable += IsEditable(row);
    }
    EXPECT_EQ(shown, 216);
    EXPECT_EQ(editable, 154);
    EXPECT_EQ(overrule, 11);
}

TEST(Catalogue, MenuPagesAndKeys)
{
    std::vector<std::int32_t> pages;
    for (std::int32_t menu = -1; menu <= 100; ++menu)
        if (HasMenuPage(menu))
            pages.push_back(menu);
    EXPECT_EQ(pages, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 20, 50, 60,
                                                70, 80, 90, 99}));

    EXPECT_EQ(ParamKey(2), "M01.01");
    EXPECT_EQ(ParamKey(ParamTableRows - 3), "M99.04");
    std::int32_t comfort = 0;
    while (ParamTable[comfort].Reg != 43)
        ++comfort;
    EXPECT_EQ(ParamKey(comfort), "M10.99");
}

TEST(Catalogue, OnlyTheFilterPressuresShareARegister)
{
    std::map<std::int32_t, std::vector<std::string>> byRegister;
    for (std::int32_t i = 0; ParamTable[i].Menu != TableEndMenu; ++i) {
        const ParamDef& row = ParamTable[i];
        if (row.Item == 0)
            continue;
        const bool control = row.Reg >= 0 && row.Reg <= 199;
        const bool process = row.Reg >= 256 && row.Reg <= 455;
        EXPECT_TRUE(control || process) << ParamKey(i) << " register " << row.Reg;
        byRegister[row.Reg].push_back(ParamKey(i));
    }
    std::map<std::int32_t, std::vector<std::string>> shared;
    for (const auto& [reg, keys] : byRegister)
        if (keys.size() > 1)
            shared[reg] = keys;
    const std::map<std::int32_t, std::vector<std::string>> expected = {
        {364, {"M01.17", "M70.11"}},
        {365, {"M01.16", "M70.10"}},
    };
    EXPECT_EQ(shared, expected);
}

TEST(Catalogue, RegisterBlockExceptionsOnThePages)
{
    EXPECT_EQ(KeysWhere([](const ParamDef& r) { return ShownOnAPage(r) && IsEditable(r) && r.Reg >= 256; }),
              (std::vector<std::string>{"M20.98", "M20.99", "M60.01", "M60.02", "M90.02", "M90.03"}));
    EXPECT_EQ(KeysWhere([](const ParamDef& r) { return ShownOnAPage(r) && !IsEditable(r) && r.Reg < 256; }),
              (std::vector<std::string>{"M20.01", "M20.02", "M20.03", "M20.04", "M20.05", "M20.06"}));
}

TEST(Catalogue, TellingRowsMatchExactly)
{
    struct Telling {
        const char* key;
        std::int32_t reg;
        const char* name;
        const char* unit;
        std::int32_t format, min, max, def, step;
    };
    const Telling rows[] = {
        {"M01.01", 256, "Temp NTC1 (ODA)", DegC, 1, 0, 0, 0, 0},
        {"M01.19", 276, "Actual heatwheel speed", "%", 2, 0, 0, 0, 0},
        {"M02.01", 1, "Supply air 1", "m3/h", 0, 0, 20000, 5000, 10},
        {"M02.09", 89, "Summernight ventilation speed", "", 0, 1, 4, 2, 1},
        {"M02.10", 92, "Flow control mode", FlowControlModes, -1, 0, 4, 0, 1},
        {"M02.15", 97, "0..10V setpoint supply", "V", 1, 0, 100, 50, 1},
        {"M02.19", 109, "Fire supply air", "%", 0, 0, 100, 100, 100},
        {"M03.03", 11, "Maximum inactivety period", "hrs", 0, 1, 999, 48, 1},
        {"M04.01", 12, "Supply Air P-zone", "m3/h", 0, 1000, 100000, 6000, 1},
        {"M04.05", 16, "Supply Air k-value pressure nozzle", "", 0, 0, 800, 800, 1},
        {"M04.07", 18, "Maximum Supply air", "", 0, 100, 20000, 20000, 10},
        {"M05.01", 20, "Input 1", DigitalInputFunctions, -1, 0, 26, 1, 1},
        {"M05.11", 337, "Actual input 1", InputStates, -1, 0, 0, 0, 0},
        {"M10.02", 67, "TH(low) outdoortemp", DegC, 1, -200, 200, 180, 1},
        {"M10.03", 77, "TH(low) supplytemp.", DegC, 1, 100, 800, 200, 1},
        {"M10.26", 336, "Tsupply req.heatline", DegC, 1, 0, 0, 0, 0},
        {"M10.99", 43, "Comfort Temperature", DegC, 1, 50, 280, 200, 1},
        {"M12.02", 106, "Frost setpoint start", DegC, 1, -500, 999, 50, 1},
        {"M20.01", 83, "Last1 failure", FailureCodes, -1, 0, 0, 0, 0},
        {"M20.98", 451, "Reset Actual Failure", NoYes, -1, 0, 1, 0, 1},
        {"M50.04", 46, "Frost setpoint T1", DegC, 1, -20, 50, 20, 1},
        {"M60.01", 366, "Real time", "", -2, 0, 1439, 0, 1},
        {"M60.02", 367, "Real date", "", -3, 0, 18263, 0, 1},
        {"M60.03", 369, "Ventspeed selectclock", ClockSpeeds, -1, 0, 0, 0, 0},
        {"M70.01", 136, "Supply m3/h set1", "m3/h", 0, 0, 200000, 1000, 10},
        {"M80.01", 142, "Adress", "", 0, 1, 247, 1, 1},
        {"M90.02", 431, "Save parameters on SD card", SdCardActions, -1, 0, 1, 0, 1},
        {"M99.01", 280, "Version number software", "", 2, 0, 0, 0, 0},
    };
    for (const Telling& t : rows) {
        SCOPED_TRACE(t.key);
        const std::int32_t index = RowIndexOf(t.key);
        ASSERT_GE(index, 0);
        const ParamDef& row = ParamTable[index];
        EXPECT_EQ(row.Reg, t.reg);
        EXPECT_STREQ(row.Name, t.name);
        EXPECT_STREQ(row.Unit, t.unit);
        EXPECT_EQ(row.Format, t.format);
        EXPECT_EQ(row.Min, t.min);
        EXPECT_EQ(row.Max, t.max);
        EXPECT_EQ(row.Default, t.def);
        EXPECT_EQ(row.Step, t.step);
    }
}

TEST(Catalogue, ChoiceListsBelongToTheirRowsAndBoundTheirMax)
{
    struct ListUse {
        const char* list;
        int entries;
        std::vector<std::string> keys;
    };
    const ListUse uses[] = {
        {FlowControlModes, 5, {"M02.10"}},
        {DigitalInputFunctions, 27,
         {"M05.01", "M05.02", "M05.03", "M05.04", "M05.05", "M05.06", "M05.07", "M05.08", "M05.09"}},
        {InputStates, 2,
         {"M05.11", "M05.12", "M05.13", "M05.14", "M05.15", "M05.16", "M05.17", "M05.18", "M05.19"}},
        {RelayFunctions, 14, {"M06.01", "M06.02", "M06.03", "M06.04", "M06.05", "M06.06", "M06.07", "M06.08"}},
        {OffOn, 2, {"M06.11", "M06.12", "M06.13", "M06.14", "M06.15", "M06.16", "M06.17", "M06.18"}},
        {AnalogOutputFunctions, 10, {"M07.01", "M07.02", "M07.03", "M07.04", "M07.05"}},
        {ComportFunctions, 6, {"M08.01", "M08.02", "M08.03", "M08.04", "M08.05"}},
        {AnalogInputFunctions, 10, {"M09.01", "M09.02", "M09.03"}},
        {TempControlModes, 2, {"M10.01"}},
        {BypassPositions, 5, {"M11.01"}},
        {NoYes, 2, {"M12.01", "M12.04", "M13.01", "M13.05", "M20.98", "M20.99", "M60.04"}},
        {FailureCodes, 51, {"M20.01", "M20.02", "M20.03", "M20.04", "M20.05", "M20.06"}},
        {OverruleModes, 3,
         {"M30.01", "M30.02", "M30.03", "M30.04", "M30.05", "M30.06", "M30.07", "M30.08", "M30.09"}},
        {SensorFunctions, 5, {"M50.01", "M50.02"}},
        {NoYesNumbered, 2, {"M50.03"}},
        {ClockSpeeds, 6, {"M60.03", "M60.13", "M60.23", "M60.33", "M60.43", "M60.53", "M60.63"}},
        {DaySelections, 11, {"M60.12", "M60.22", "M60.32", "M60.42", "M60.52", "M60.62"}},
        {LineSettings, 4, {"M80.02"}},
        {SdCardStatus, 14, {"M90.01"}},
        {SdCardActions, 5, {"M90.02", "M90.03"}},
    };
    int choiceRows = 0;
    for (std::int32_t i = 0; ParamTable[i].Menu != TableEndMenu; ++i)
        choiceRows += ParamTable[i].Format == ChoiceFormat;

    int listed = 0;
    for (const ListUse& use : uses) {
        SCOPED_TRACE(use.keys.front());
        EXPECT_EQ(EntryCount(use.list), use.entries);
        for (const std::string& key : use.keys) {
            ++listed;
            const std::int32_t index = RowIndexOf(key);
            ASSERT_GE(index, 0) << key;
            const ParamDef& row = ParamTable[index];
            EXPECT_EQ(row.Unit, use.list) << key;
            EXPECT_EQ(row.Format, ChoiceFormat) << key;
            if (!IsEditable(row))
                continue;
            const bool sdCardCommand = key == "M90.02" || key == "M90.03";
            EXPECT_EQ(row.Max, sdCardCommand ? 1 : use.entries - 1) << key;
            // The highest value the editor can reach must still name an entry.
            EXPECT_NE(FormatRaw(ChoiceFormat, row.Unit, row.Max), "[" + std::to_string(row.Max) + "]") << key;
        }
    }
    EXPECT_EQ(listed, choiceRows);  // no choice row outside the lists above
}

TEST(Catalogue, LimitsFollowTheKindOfValue)
{
    const std::set<std::int32_t> formats = {0, 1, 2, ChoiceFormat, TimeOfDayFormat, DateFormat};
    for (std::int32_t i = 0; ParamTable[i].Menu != TableEndMenu; ++i) {
        const ParamDef& row = ParamTable[i];
        if (row.Item == 0)
            continue;
        SCOPED_TRACE(ParamKey(i));
        EXPECT_TRUE(formats.count(row.Format));
        if (!IsEditable(row)) {
            EXPECT_EQ(row.Min, 0);
            EXPECT_EQ(row.Max, 0);
            EXPECT_EQ(row.Default, 0);
            EXPECT_EQ(row.Step, 0);
            continue;
        }
        // The default is a value the editor can reach from Min.
        EXPECT_GT(row.Step, 0);
        EXPECT_LE(row.Min, row.Default);
        EXPECT_LE(row.Default, row.Max);
        EXPECT_EQ((row.Default - row.Min) % row.Step, 0);

        const std::string unit = row.Unit;
        if (unit == DegC || unit == "V") {
            EXPECT_EQ(row.Format, 1);
        } else if (row.Format > 0) {
            ADD_FAILURE() << "only temperatures and voltages have decimals when editable";
        }
        if (unit == "V") {
            EXPECT_EQ(row.Max, 100);
        }
        if (unit == "m3/h" && row.Min != 1000) {
            EXPECT_EQ(row.Step, 10);
        }
        if (row.Format == TimeOfDayFormat) {
            EXPECT_EQ(row.Min, 0);
            EXPECT_EQ(row.Max, 1439);
        }
    }
}

} // namespace
