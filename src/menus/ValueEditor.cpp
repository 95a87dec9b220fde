#include "menus/ValueEditor.h"

#include <algorithm>
#include <limits>

#include "app/ValueImage.h"
#include "catalogue/ParamTable.h"

namespace {

constexpr std::int32_t LineMin = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t LineMax = std::numeric_limits<std::int16_t>::max();

} // namespace

std::int32_t RowFactor(std::int32_t format, std::int32_t factor)
{
    if (format == TimeOfDayFormat && (factor == 100 || factor == -100))
        return factor / 100 * 60;
    if (format == DateFormat) {
        if (factor == 10 || factor == -10)
            return factor / 10 * 30;
        if (factor == 100 || factor == -100)
            return factor / 100 * 365;
    }
    return factor;
}

std::int32_t EditorMin(const ParamDef& row)
{
    return std::clamp(row.Min, LineMin, LineMax);
}

std::int32_t EditorMax(const ParamDef& row)
{
    return std::clamp(row.Max, LineMin, LineMax);
}

std::int32_t SteppedValue(const ParamDef& row, std::int32_t value, std::int32_t factor)
{
    // In 64 bits: a value from a file may lie anywhere in int32.
    std::int64_t v = std::int64_t{value} + std::int64_t{RowFactor(row.Format, factor)} * row.Step;
    if (v > EditorMax(row))
        v = EditorMax(row);
    if (v < EditorMin(row))
        v = EditorMin(row);
    return static_cast<std::int32_t>(v);
}

bool ValueEditor::Close()
{
    if (EditRow == -1)
        return false;
    EditRow = -1;
    return true;
}

bool ValueEditor::Enter(const MenuRowTable& rows, int rowIndex)
{
    Close();
    if (rowIndex < 0 || rowIndex >= MenuRowCapacity || rows[rowIndex].Reg == FreeRowReg)
        return false;
    if (!IsEditable(ParamTable[rows[rowIndex].ParamIndex]))
        return false;
    EditRow = rowIndex;
    return true;
}

bool ValueEditor::Press(const MenuRowTable& rows, ValueImage& image, std::int32_t factor) const
{
    if (EditRow == -1)
        return false;
    const MenuRow& row = rows[EditRow];
    const std::int32_t reg = row.Reg;
    image.Values[reg] = SteppedValue(ParamTable[row.ParamIndex], image.Values[reg], factor);
    if (reg >= FirstProcessRegister)
        image.PendingEdit[reg] = image.Values[reg] != image.DeviceValues[reg] ? 1 : 0;
    return true;
}
