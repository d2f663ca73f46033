#pragma once
// Rounding to the nearest whole number with a half going to the even neighbour, as every size and
// canvas position of the program is rounded. Exact in integers; for a double the tie is exact too.
#include <cmath>
#include <optional>

// num / den rounded, halves to even; den must not be 0.
constexpr long long divRoundHalfEven(long long num, long long den)
{
    if (den < 0) { num = -num; den = -den; }
    long long q = num / den;
    long long r = num % den;
    if (r < 0) { q -= 1; r += den; } // floor division: 0 <= r < den
    const long long twice = 2 * r;
    if (twice > den || (twice == den && (q % 2 != 0))) q += 1;
    return q;
}

// v rounded, halves to even; nullopt for NaN, infinity or a value beyond the range of long long.
inline std::optional<long long> roundHalfEven(double v)
{
    if (!std::isfinite(v) || v >= 9.2e18 || v <= -9.2e18) return std::nullopt;
    const double f = std::floor(v);
    const double diff = v - f;
    long long q = static_cast<long long>(f);
    if (diff > 0.5 || (diff == 0.5 && (q % 2 != 0))) q += 1;
    return q;
}
