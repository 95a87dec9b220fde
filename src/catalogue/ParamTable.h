#pragma once
// The catalogue of every parameter the tool knows: where it is shown, which register
// holds it, how its raw value becomes text and how far and in which steps the
// engineer may change it. Constant data, never loaded or changed at run time.
//
// Rows are addressed by their position (a ParamIndex). Code that walks the table
// starts at 0 and stops at the first row whose Menu is TableEndMenu.

#include <cstdint>
#include <string>

struct ParamDef {
    std::int32_t Menu;    // menu page number; 0 on blank rows, TableEndMenu on the last row
    std::int32_t Item;    // 0: the menu's heading row, whose Name is the page title
    const char* Name;
    const char* Unit;     // unit text after the number, or the choice list (Format -1)
    std::int32_t Reg;     // register in the value image
    std::int32_t Min;     // editor limits in raw units; editable only when Min < Max
    std::int32_t Max;
    std::int32_t Default; // the unit's factory value; the simulated unit starts from it
    std::int32_t Step;    // raw units per +/- press of the value editor
    std::int32_t Format;  // display rule, see FormatValue.h
};

// Display format codes that are not plain numbers.
constexpr std::int32_t ChoiceFormat = -1;
constexpr std::int32_t TimeOfDayFormat = -2;
constexpr std::int32_t DateFormat = -3;

constexpr std::int32_t TableEndMenu = -1;

// Rows including the two blank rows and the terminator.
constexpr std::int32_t ParamTableRows = 251;

extern const ParamDef ParamTable[ParamTableRows];

// The menus that have a page; rows of any other menu (0, 30, ...) are never shown.
constexpr std::int32_t MenuPageNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,
                                            20, 50, 60, 70, 80, 90, 99};

bool HasMenuPage(std::int32_t menu);

// True for the rows the value editor may change.
inline bool IsEditable(const ParamDef& row) { return row.Min < row.Max; }

// The key a row is shown by: "M", menu and item with two digits each ("M05.12").
// Contract: 0 <= paramIndex < ParamTableRows.
std::string ParamKey(std::int32_t paramIndex);
