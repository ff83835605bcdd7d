#ifndef TRIANGLE_SCALED_HPP
#define TRIANGLE_SCALED_HPP

// Double arithmetic with an exponent of its own, for the area of triangles whose
// squares and products leave the range of double.
//
// A `Scaled` is worth `significand` * 2^`exponent`, where `significand` is 0 or
// has a magnitude in [1, 2); it is made from finite doubles only. Each
// operation below (a coordinate difference, and the product, quotient, sum,
// difference, negation and square root) rounds its exact result once to 53
// bits, as the same double operation would if the exponent had no bounds. A
// chain of them therefore never overflows or underflows, and gives the bits of
// the plain double computation wherever that one does neither. The exponents
// that such chains reach from doubles stay within a few thousand, far inside
// an int. Back in double, `to_double` rounds a value into the range of double,
// and `multiply_to_double` rounds a product once, as one double multiplication
// does: to infinity above the largest double, into the subnormals below the
// smallest normal one.

#include <algorithm>
#include <cmath>
#include <limits>

namespace triangle_internal {

struct Scaled {
    double significand;
    int exponent;
};

// Returns `significand` * 2^`exponent` as a Scaled; exact for a finite `significand`.
inline Scaled normalised(double significand, int exponent)
{
    if (significand == 0.0) {
        return {0.0, 0};
    }
    const int shift = std::ilogb(significand);
    return {std::ldexp(significand, -shift), exponent + shift};
}

// Returns `end` - `start` for finite coordinates. Their difference may exceed
// the largest double; the halves' difference cannot, and halving such large
// coordinates is exact.
inline Scaled difference(double start, double end)
{
    const double plain = end - start;
    if (std::isfinite(plain)) {
        return normalised(plain, 0);
    }
    const Scaled half = normalised((0.5 * end) - (0.5 * start), 0);
    return {half.significand, half.exponent + 1};
}

inline Scaled operator*(const Scaled& left, const Scaled& right)
{
    return normalised(left.significand * right.significand, left.exponent + right.exponent);
}

inline Scaled operator/(const Scaled& left, const Scaled& right)
{
    return normalised(left.significand / right.significand, left.exponent - right.exponent);
}

// Aligns both operands on the larger exponent. A shift of more than about a
// thousand leaves the smaller one subnormal or zero, which only happens where
// it lies far below half an ulp of the larger and the sum rounds to the larger
// anyway. A zero, whose exponent means nothing, is no operand to align on.
inline Scaled operator+(const Scaled& left, const Scaled& right)
{
    if (left.significand == 0.0) {
        return right;
    }
    if (right.significand == 0.0) {
        return left;
    }
    const int exponent = std::max(left.exponent, right.exponent);
    return normalised(std::ldexp(left.significand, left.exponent - exponent) +
                          std::ldexp(right.significand, right.exponent - exponent),
                      exponent);
}

inline Scaled operator-(const Scaled& value)
{
    return {-value.significand, value.exponent};
}

inline Scaled operator-(const Scaled& left, const Scaled& right)
{
    return left + -right;
}

// An odd exponent lends a factor 2 to the significand, which keeps it exact.
inline Scaled sqrt(const Scaled& value)
{
    if (value.exponent % 2 == 0) {
        return normalised(std::sqrt(value.significand), value.exponent / 2);
    }
    return normalised(std::sqrt(2.0 * value.significand), (value.exponent - 1) / 2);
}

inline double to_double(const Scaled& value)
{
    return std::ldexp(value.significand, value.exponent);
}

// Both factors handed to the hardware are exact: `left`'s power of two goes to
// `right` only beyond the normal exponents, where scaling `right` stays exact
// unless the product is far out of range anyway.
inline double multiply_to_double(const Scaled& left, double right)
{
    constexpr int min_normal_exponent = std::numeric_limits<double>::min_exponent - 1;
    constexpr int max_normal_exponent = std::numeric_limits<double>::max_exponent - 1;
    const int exponent = std::clamp(left.exponent, min_normal_exponent, max_normal_exponent);
    return std::ldexp(left.significand, exponent) * std::ldexp(right, left.exponent - exponent);
}

}  // namespace triangle_internal

#endif
