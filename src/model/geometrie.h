#pragma once

// The simulated screen and how it is drawn: 80 x 25 character cells, each
// 135 x 240 twips on the work table and in the preview, 15 twips a pixel at
// 96 dots per inch. Positions of the design are cells; drawing scales them.
namespace Geometrie {

constexpr int Coloane = 80;
constexpr int Randuri = 25;
constexpr int CelulaLatime = 135;   // twips
constexpr int CelulaInaltime = 240; // twips
constexpr int TwipsPerPixel = 15;

} // namespace Geometrie
