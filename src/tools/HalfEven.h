#pragma once

#include <QtGlobal>

// Rounding to the nearest integer with halves going to the even neighbour (2.5 gives 2, 3.5
// gives 4), as the image-map coordinates and the picture sizes are rounded.

// The nearest integral value of a finite number; not finite values come back unchanged.
double RoundHalfEven(double value);
// The nearest integer of numerator / denominator computed exactly (denominator > 0).
qint64 RoundHalfEvenRatio(qint64 numerator, qint64 denominator);
