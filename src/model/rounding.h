#pragma once

// Rounds to the nearest whole number, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4). qRound and std::round take halves away from zero,
// which would move objects and windows off by one; use this everywhere a value is rounded.
int roundHalfEven(double value);
