// Value formatting, the value editor's step and the menu rows fed arbitrary register
// values, format codes and step factors, under UBSan: a register may hold anything a
// file or the line brings, and every value must still give text and a legal step.
//
// Input: row index, value, format code, factor (4 bytes each, little-endian), then
// the unit text up to its first NUL.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <set>
#include <string>

#include "FuzzCheck.h"
#include "ScriptReader.h"
#include "app/ValueImage.h"
#include "catalogue/FormatValue.h"
#include "catalogue/ParamTable.h"
#include "menus/MenuRows.h"
#include "menus/ValueEditor.h"

namespace {

constexpr std::int32_t LineMin = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t LineMax = std::numeric_limits<std::int16_t>::max();

// snprintf fills 48-byte buffers: a text of 47 characters may have been cut short.
constexpr std::size_t PrintedLimit = 47;

void CheckText(std::int32_t format, const char* unit, std::int32_t value, const std::string& text)
{
    const std::string u = unit == nullptr ? "" : unit;
    switch (format) {
    case ChoiceFormat:
        // An entry of the list, or the raw value in brackets when the list has none.
        if (text != "[" + std::to_string(value) + "]")
            FUZZ_CHECK(text.find('#') == std::string::npos && u.find(text) != std::string::npos);
        break;
    case TimeOfDayFormat:
    case DateFormat:
        FUZZ_CHECK(!text.empty() && text.size() < PrintedLimit);
        break;
    default:
        FUZZ_CHECK(text.size() > u.size() + 1);
        FUZZ_CHECK(text.compare(text.size() - u.size() - 1, std::string::npos, " " + u) == 0);
        FUZZ_CHECK(text.size() - u.size() - 1 < PrintedLimit);
        break;
    }
}

void CheckStep(const ParamDef& row, std::int32_t value, std::int32_t factor)
{
    const std::int32_t lo = EditorMin(row);
    const std::int32_t hi = EditorMax(row);
    FUZZ_CHECK(lo >= LineMin && hi <= LineMax);
    if (lo > hi)
        return;  // no row of the catalogue; nothing the editor could honour
    const std::int32_t stepped = SteppedValue(row, value, factor);
    FUZZ_CHECK(stepped >= lo && stepped <= hi);
    // Inside the limits a press never moves against its sign.
    if (value >= lo && value <= hi && row.Step >= 0) {
        if (factor > 0)
            FUZZ_CHECK(stepped >= value);
        if (factor < 0)
            FUZZ_CHECK(stepped <= value);
        if (factor == 0 || row.Step == 0)
            FUZZ_CHECK(stepped == value);
    }
}

const MenuRowTable& Rows()
{
    static const MenuRowTable rows = BuildMenuRows();
    return rows;
}

const std::set<std::int32_t>& ShownRegisters()
{
    static const std::set<std::int32_t> regs = [] {
        std::set<std::int32_t> s;
        for (const MenuRow& row : Rows())
            if (row.Reg != FreeRowReg)
                s.insert(row.Reg);
        return s;
    }();
    return regs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ScriptReader input(data, size);
    const std::int32_t paramIndex = input.Int32();
    const std::int32_t value = input.Int32();
    const std::int32_t format = input.Int32();
    const std::int32_t factor = input.Int32();
    const auto rest = input.Rest();
    const std::string unit(rest.begin(), rest.end());  // c_str() stops at the first NUL

    // Any index: one outside the table gives no text.
    const std::string byIndex = FormatValue(paramIndex, value);
    if (paramIndex < 0 || paramIndex >= ParamTableRows)
        FUZZ_CHECK(byIndex.empty());

    for (std::int32_t i = 0; i < ParamTableRows; ++i) {
        const ParamDef& row = ParamTable[i];
        CheckText(row.Format, row.Unit, value, FormatValue(i, value));
        CheckStep(row, value, factor);
        for (const std::int32_t press : PressFactors)
            CheckStep(row, value, press);
    }

    CheckText(format, unit.c_str(), value, FormatRaw(format, unit.c_str(), value));
    CheckText(format, nullptr, value, FormatRaw(format, nullptr, value));

    // The rows the way the menus show them, and any register asked for by number.
    ValueImage image;
    image.Values.fill(value);
    image.DeviceValues.fill(factor);
    image.DataStale = format & 1;
    static const int usedRows = UsedMenuRows(Rows());
    const MenuRow& row = Rows()[static_cast<std::uint32_t>(factor) % usedRows];
    const ParamDef& def = ParamTable[row.ParamIndex];
    CheckText(def.Format, def.Unit, value, RenderMenuRow(row, image).Text);
    const std::string text = RegisterText(Rows(), image, paramIndex);
    FUZZ_CHECK((text == "?") == (ShownRegisters().count(paramIndex) == 0));
    return 0;
}
