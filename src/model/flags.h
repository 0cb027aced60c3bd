#pragma once

#include <QtGlobal>

// Flags of the records and of the options file are 16-bit integers holding
// -1 for True and 0 for False; only -1 counts as set, so a stored 1 is False.
using Flag = qint16;

constexpr Flag FlagTrue = -1;
constexpr Flag FlagFalse = 0;

constexpr bool isSet(Flag f)
{
    return f == FlagTrue;
}
constexpr Flag toFlag(bool b)
{
    return b ? FlagTrue : FlagFalse;
}
