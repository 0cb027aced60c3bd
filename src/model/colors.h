#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// Colours are RGB values laid out 0x00BBGGRR (red in the low byte).
using Culoare = qint32;

namespace Culori {
constexpr Culoare Black = 0x000000;
constexpr Culoare Blue = 0xC00000;
constexpr Culoare Green = 0x00C000;
constexpr Culoare Cyan = 0xC0C000;
constexpr Culoare Red = 0x0000C0;
constexpr Culoare Magenta = 0xC000C0;
constexpr Culoare Yellow = 0x00FFFF;
constexpr Culoare LightGray = 0xE0E0E0;
constexpr Culoare LightBlue = 0xFF8080;
constexpr Culoare LightGreen = 0x00FF00;
constexpr Culoare LightRed = 0x8080FF;
constexpr Culoare White = 0xFFFFFF;
} // namespace Culori

struct CuloarePaleta {
    const char *nume; // the swatch's name: Black, Blue, ...
    Culoare valoare;
    const char *cod; // FoxPro colour code
};

// The twelve palette colours in table order; the background picker offers
// the first eight, the ink picker all twelve.
const std::array<CuloarePaleta, 12> &culoriPaleta();
constexpr int NumarCuloriFundal = 8;

// FoxPro code of a palette colour, empty for any other value.
QString CodCuloare(Culoare culoare);

struct ColoriSchema {
    Culoare fundal;
    Culoare cerneala;
    Culoare chenar;
};

// Window colours of colour scheme 1..10; nothing for other numbers, in which
// case the caller keeps the colours it had.
std::optional<ColoriSchema> CuloriSchema(int schema);

// 0x00BBGGRR -> 0xRRGGBB as QColor::fromRgb expects (kept free of QtGui).
constexpr quint32 rgbFromCuloare(Culoare c)
{
    const quint32 v = quint32(c);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}
