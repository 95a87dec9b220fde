#pragma once
// The rows shown on the menu pages: one record per catalogue row that has a page, in
// catalogue order, ended by a record whose Reg is -1. The Qt layer keeps the row's
// label and value field in a parallel table under the same index.

#include <array>
#include <cstdint>
#include <string>

#include "app/Colour.h"

struct ValueImage;

constexpr int MenuRowCapacity = 1000;
constexpr std::int32_t FreeRowReg = -1;

// Row geometry inside a page's scroll box.
constexpr int MenuRowFirstTop = 10;
constexpr int MenuRowPitch = 20;
constexpr int MenuRowHeight = 20;
constexpr int MenuLabelLeft = 5;
constexpr int MenuLabelWidth = 200;
constexpr int MenuFieldLeft = 300;
constexpr int MenuFieldWidth = 200;
constexpr const char* MenuFieldInitialText = "--";

struct MenuRow {
    std::int32_t Reg = FreeRowReg;
    std::int32_t ParamIndex = 0;
    std::int32_t Page = -1;  // index into MenuPages
    std::int32_t Top = 0;    // inside the page's scroll box
};

using MenuRowTable = std::array<MenuRow, MenuRowCapacity>;

// Walks the catalogue: every item row of a menu with a page gets the next record.
MenuRowTable BuildMenuRows();

// The number of used records (the index of the first free one).
int UsedMenuRows(const MenuRowTable& rows);

// "M01.01   Temp NTC1 (ODA)": the key, three spaces and the name.
std::string MenuRowCaption(std::int32_t paramIndex);

// The font colour of a value field: black when the shown value is the unit's, red
// (control register) or fuchsia (process register) when changed here and not yet
// confirmed; grey and a muted red for the same while the data are stale.
constexpr Rgb MutedRed{192, 112, 112};
Rgb ValueColour(std::int32_t value, std::int32_t deviceValue, std::int32_t dataStale,
                std::int32_t reg);

// What a row's value field shows.
struct FieldView {
    std::string Text;
    Rgb Colour;
    friend bool operator==(const FieldView&, const FieldView&) = default;
};
FieldView RenderMenuRow(const MenuRow& row, const ValueImage& image);

// The text of register `reg` as its first menu row shows it, or "?".
std::string RegisterText(const MenuRowTable& rows, const ValueImage& image, std::int32_t reg);
