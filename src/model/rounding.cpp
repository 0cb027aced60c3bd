#include "rounding.h"

#include <cfenv>
#include <climits>
#include <cmath>

int roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // nearbyint honours the current rounding mode; make sure it is the
    // default one even if some library changed it.
    const int oldMode = std::fegetround();
    if (oldMode != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    if (oldMode != FE_TONEAREST)
        std::fesetround(oldMode);
    if (r >= double(INT_MAX))
        return INT_MAX;
    if (r <= double(INT_MIN))
        return INT_MIN;
    return int(r);
}
