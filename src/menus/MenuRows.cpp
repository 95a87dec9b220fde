#include "menus/MenuRows.h"

#include "app/ValueImage.h"
#include "catalogue/FormatValue.h"
#include "catalogue/ParamTable.h"
#include "menus/MenuPages.h"

int PageOfMenu(std::int32_t menu)
{
    for (int p = 0; p < MenuPageCount; ++p)
        if (MenuPages[p].Menu == menu)
            return p;
    return -1;
}

MenuRowTable BuildMenuRows()
{
    MenuRowTable rows{};
    std::array<int, MenuPageCount> nextTop{};
    nextTop.fill(MenuRowFirstTop);
    int n = 0;
    for (std::int32_t i = 0; ParamTable[i].Menu != TableEndMenu && n < MenuRowCapacity; ++i) {
        const ParamDef& def = ParamTable[i];
        const int page = PageOfMenu(def.Menu);
        if (page < 0 || def.Item == 0)
            continue;
        rows[n++] = MenuRow{def.Reg, i, page, nextTop[page]};
        nextTop[page] += MenuRowPitch;
    }
    return rows;
}

int UsedMenuRows(const MenuRowTable& rows)
{
    int n = 0;
    while (n < MenuRowCapacity && rows[n].Reg != FreeRowReg)
        ++n;
    return n;
}

std::string MenuRowCaption(std::int32_t paramIndex)
{
    return ParamKey(paramIndex) + "   " + ParamTable[paramIndex].Name;
}

Rgb ValueColour(std::int32_t value, std::int32_t deviceValue, std::int32_t dataStale,
                std::int32_t reg)
{
    if (value == deviceValue)
        return dataStale ? clGray : clBlack;
    if (dataStale)
        return MutedRed;
    return reg < 200 ? clRed : clFuchsia;
}

FieldView RenderMenuRow(const MenuRow& row, const ValueImage& image)
{
    const std::int32_t v = image.Values[row.Reg];
    const std::int32_t d = image.DeviceValues[row.Reg];
    return {FormatValue(row.ParamIndex, v), ValueColour(v, d, image.DataStale, row.Reg)};
}

std::string RegisterText(const MenuRowTable& rows, const ValueImage& image, std::int32_t reg)
{
    for (const MenuRow& row : rows) {
        if (row.Reg == FreeRowReg)
            break;
        if (row.Reg == reg)
            return FormatValue(row.ParamIndex, image.Values[reg]);
    }
    return "?";
}
