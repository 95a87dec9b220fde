#include "files/CsvExport.h"

#include <cstdio>

#include "app/ValueImage.h"
#include "catalogue/ParamTable.h"
#include "files/SaveFile.h"

namespace {

std::string CsvKey(const ParamDef& def)
{
    char key[32];
    std::snprintf(key, sizeof key, "M%02d-%02d", static_cast<int>(def.Menu),
                  static_cast<int>(def.Item));
    return key;
}

void PutField(std::string& out, const std::string& text)
{
    out += '"';
    out += text;
    out += '"';
}

} // namespace

std::string CsvExportBytes(const MenuRowTable& rows, const ValueImage& image)
{
    std::string out;
    // Free records (Reg -1) are passed over wherever they are; register 0 is never
    // exported either.
    for (const MenuRow& row : rows) {
        if (row.Reg <= 0)
            continue;
        const ParamDef& def = ParamTable[row.ParamIndex];
        PutField(out, CsvKey(def));
        out += ',';
        PutField(out, def.Name);
        out += ',';
        PutField(out, RenderMenuRow(row, image).Text);
        out += "\r\n";
    }
    return out;
}

void ExportCsv(const MenuRowTable& rows, const ValueImage& image, const std::string& path,
               Dialogs& dialogs)
{
    if (path.empty())
        return;
    SaveFileOrTell(path, CsvExportBytes(rows, image), dialogs);
}
