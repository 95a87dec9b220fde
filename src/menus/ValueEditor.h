#pragma once
// The step editor behind the +/- panel: which menu row is open, and what one press of
// a step button does to the value image. Settings are never typed in.

#include <cstdint>

#include "menus/MenuRows.h"

struct ParamDef;
struct ValueImage;

// Press factors of the six step buttons: "+++" "++" "+" and "- - -" "- -" "-".
constexpr std::int32_t PressFactors[] = {+100, +10, +1, -100, -10, -1};

// The factor a press really applies on a row: "+++" moves a time of day by an hour,
// "++" and "+++" move a date by a month and a year of days.
std::int32_t RowFactor(std::int32_t format, std::int32_t factor);

// The editor's limits: the row's own, clipped to what a register carries on the line,
// so no value set here is altered on its way to the unit.
std::int32_t EditorMin(const ParamDef& row);
std::int32_t EditorMax(const ParamDef& row);

// `value` moved by one press of `factor` on `row`, brought inside the editor's limits.
std::int32_t SteppedValue(const ParamDef& row, std::int32_t value, std::int32_t factor);

class ValueEditor {
public:
    std::int32_t EditRow = -1;  // the MenuRows index open in the panel; -1: closed

    bool IsOpen() const { return EditRow != -1; }
    // Closes the panel; true when it was open (the caller then hides it).
    bool Close();
    // A value field was entered: closes any open row, then opens `rowIndex` if its
    // row is editable. True when the panel is to be shown on that row.
    bool Enter(const MenuRowTable& rows, int rowIndex);
    // One press of a step button; true when a value was written (the caller then
    // refreshes the open row).
    bool Press(const MenuRowTable& rows, ValueImage& image, std::int32_t factor) const;
};
