#pragma once

#include <cmath>

// Percentages and bar widths on screen are rounded to the nearest integer,
// halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int RoundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return static_cast<int>(floor) + 1;
    if (fraction < 0.5)
        return static_cast<int>(floor);
    const int lower = static_cast<int>(floor);
    return lower % 2 == 0 ? lower : lower + 1;
}
