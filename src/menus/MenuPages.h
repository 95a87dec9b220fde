#pragma once
// The twenty menu pages in tab order: which menu each shows, its names and the place of
// its scroll box. Menus not listed here (0, 30, ...) have no page.

#include <cstdint>

struct MenuPage {
    std::int32_t Menu;
    const char* TabSheet;   // page object name
    const char* Caption;    // tab text
    const char* ScrollBox;  // scroll box object name
    std::int32_t Top;       // scroll box place inside the page
    std::int32_t Height;
    bool HorizontalTracking;
};

constexpr std::int32_t ScrollBoxLeft = 8;
constexpr std::int32_t ScrollBoxWidth = 641;

inline constexpr MenuPage MenuPages[] = {
    {1, "TabSheet1", "M01 Actual Controls", "ScrollBox1", 8, 329, true},
    {2, "TabSheet2", "M02 Ventilation", "ScrollBox2", 8, 329, true},
    {3, "TabSheet3", "M03 Heat Wheel", "ScrollBox3", 8, 329, true},
    {4, "TabSheet4", "M04 Ventilation setting", "ScrollBox4", 8, 329, false},
    {5, "TabSheet5", "M05 Digital Input", "ScrollBox5", 8, 329, false},
    {6, "TabSheet6", "M06 Relay", "ScrollBox6", 8, 329, false},
    {7, "TabSheet7", "M07 Analog Ouput", "ScrollBox7", 16, 321, false},
    {8, "TabSheet8", "M08 Communication", "ScrollBox8", 16, 321, false},
    {9, "TabSheet9", "M09 Analog Input", "ScrollBox9", 8, 329, false},
    {10, "TabSheet10", "M10 Temp Control", "ScrollBox10", 8, 329, false},
    {11, "TabSheet14", "M11 Bypass Settings", "ScrollBox11", 8, 329, false},
    {12, "TabSheet15", "M12 Heat Exchanger Settings", "ScrollBox12", 8, 329, false},
    {13, "TabSheet16", "M13 Preheat frost", "ScrollBox13", 8, 329, false},
    {20, "TabSheet11", "M20 Failure's", "ScrollBox20", 8, 329, false},
    {50, "TabSheet12", "M50 Miscellaneous", "ScrollBox50", 8, 329, false},
    {60, "TabSheet17", "M60 Time clock", "ScrollBox60", 8, 329, false},
    {70, "TabSheet18", "M70 Filters", "ScrollBox70", 8, 329, false},
    {80, "TabSheet19", "M80 Modbus", "ScrollBox80", 8, 329, false},
    {90, "TabSheet20", "M90 SD card", "ScrollBox90", 8, 329, false},
    {99, "TabSheet13", "M99 Service", "ScrollBox99", 8, 329, false},
};
constexpr int MenuPageCount = static_cast<int>(sizeof(MenuPages) / sizeof(MenuPages[0]));

// The position of `menu` in MenuPages, or -1 when it has no page.
int PageOfMenu(std::int32_t menu);
