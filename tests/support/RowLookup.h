#pragma once
// Finds a catalogue row by the key the engineer sees, so tests name rows as the
// unit's documentation does instead of by position.

#include <cstdint>
#include <string>

#include "catalogue/ParamTable.h"

// The ParamIndex of the first row shown as `key` ("M05.12"), or -1.
inline std::int32_t RowIndexOf(const std::string& key)
{
    for (std::int32_t i = 0; ParamTable[i].Menu != TableEndMenu; ++i)
        if (ParamTable[i].Item != 0 && ParamKey(i) == key)
            return i;
    return -1;
}
