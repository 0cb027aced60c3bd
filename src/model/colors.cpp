#include "colors.h"

const std::array<CuloarePaleta, 12> &culoriPaleta()
{
    static const std::array<CuloarePaleta, 12> paleta{{
        {"Black", Culori::Black, "8"},
        {"Blue", Culori::Blue, "B"},
        {"Green", Culori::Green, "G"},
        {"Cyan", Culori::Cyan, "3"},
        {"Red", Culori::Red, "R"},
        {"Magenta", Culori::Magenta, "5"},
        {"Yellow", Culori::Yellow, "6"},
        {"LightGray", Culori::LightGray, "W"},
        {"LightBlue", Culori::LightBlue, "B+"},
        {"LightGreen", Culori::LightGreen, "G+"},
        {"LightRed", Culori::LightRed, "R+"},
        {"White", Culori::White, "W+"},
    }};
    return paleta;
}

QString CodCuloare(Culoare culoare)
{
    for (const CuloarePaleta &c : culoriPaleta()) {
        if (c.valoare == culoare)
            return QString::fromLatin1(c.cod);
    }
    return QString();
}

std::optional<ColoriSchema> CuloriSchema(int schema)
{
    using namespace Culori;
    static const ColoriSchema scheme[10] = {
        {Blue, White, Yellow},    // 1
        {LightGray, Cyan, Black}, // 2
        {LightGray, Cyan, Cyan},  // 3
        {LightGray, Cyan, Black}, // 4
        {Magenta, White, White},  // 5
        {Cyan, LightGray, White}, // 6
        {Red, Yellow, Yellow},    // 7
        {Cyan, White, Yellow},    // 8
        {Cyan, LightGray, Blue},  // 9
        {Cyan, White, Yellow},    // 10
    };
    if (schema < 1 || schema > 10)
        return std::nullopt;
    return scheme[schema - 1];
}
