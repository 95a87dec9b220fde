#include "app/Cp1252.h"

#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1 control of
// the same number, as the platform's own conversion does, so every byte survives a
// round trip. All other bytes are their Latin-1 code point.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Decode(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) ? High[byte - 0x80] : char16_t(byte);
}

char Encode(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < High.size(); ++i)
        if (High[i] == unit)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString FromCp1252(const std::string& text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text)
        out.append(QChar(Decode(static_cast<unsigned char>(c))));
    return out;
}

std::string ToCp1252(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        out.push_back(Encode(c.unicode()));
    return out;
}
