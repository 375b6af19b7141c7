#include "HalfEven.h"

#include <cmath>

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest > 0.5)
        return below + 1;
    if (rest < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

qint64 RoundHalfEvenRatio(qint64 numerator, qint64 denominator)
{
    Q_ASSERT(denominator > 0);
    qint64 quotient = numerator / denominator;
    qint64 rest = numerator % denominator;
    if (rest < 0) { // floor division for negative numerators
        quotient -= 1;
        rest += denominator;
    }
    const qint64 twice = 2 * rest;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}
