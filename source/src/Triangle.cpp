#include "Triangle.hpp"

// A non-finite coordinate gives a NaN area and a huge triangle an infinite one;
// -ffast-math and -ffinite-math-only let the compiler assume that neither occurs.
#if defined(__FAST_MATH__) || (defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__)
#error "Triangle.cpp needs NaN and infinity: build it without -ffast-math or -ffinite-math-only"
#endif

#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>

namespace {

// Sides in this range keep every intermediate of the plain computation a
// normal double: their squares, products and the area itself neither overflow
// nor underflow.
constexpr double kSafeSideMin = 0x1p-250;
constexpr double kSafeSideMax = 0x1p+250;

bool is_safe_side(double side)
{
    return side >= kSafeSideMin && side <= kSafeSideMax;
}

// Brings a cosine found by the law of cosines back into [-1, 1], which rounding
// can leave for collinear vertices and where acos is undefined. A NaN passes
// through unchanged.
double clamped_cosine(double cosine)
{
    return std::clamp(cosine, -1.0, 1.0);
}

// Returns the length of the side from `start` to `end`.
double side_length(const Point& start, const Point& end)
{
    const double dx = end.x - start.x;
    const double dy = end.y - start.y;
    return std::sqrt(dx * dx + dy * dy);
}

// A double with an exponent of its own, worth `significand` * 2^`exponent`,
// where `significand` is 0 or has a magnitude in [1, 2). Every operation below
// rounds its result once to 53 bits, exactly as double arithmetic would if its
// exponent range had no bounds, so a chain of them never overflows or
// underflows and gives the bits of the plain computation wherever that one
// does neither.
struct Scaled {
    double significand;
    int exponent;
};

constexpr int kMinNormalExponent = std::numeric_limits<double>::min_exponent - 1;
constexpr int kMaxNormalExponent = std::numeric_limits<double>::max_exponent - 1;

Scaled normalised(double significand, int exponent)
{
    if (significand == 0.0) {
        return {0.0, 0};
    }
    const int shift = std::ilogb(significand);
    return {std::ldexp(significand, -shift), exponent + shift};
}

Scaled operator*(const Scaled& left, const Scaled& right)
{
    return normalised(left.significand * right.significand, left.exponent + right.exponent);
}

Scaled operator/(const Scaled& left, const Scaled& right)
{
    return normalised(left.significand / right.significand, left.exponent - right.exponent);
}

// Aligns both operands on the larger exponent. A shift of more than about a
// thousand leaves the smaller one subnormal or zero, which only happens where
// it lies far below half an ulp of the larger and the sum rounds to the larger
// anyway. A zero, whose exponent means nothing, is no operand to align on.
Scaled operator+(const Scaled& left, const Scaled& right)
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

Scaled operator-(const Scaled& value)
{
    return {-value.significand, value.exponent};
}

Scaled sqrt(const Scaled& value)
{
    if (value.exponent % 2 == 0) {
        return normalised(std::sqrt(value.significand), value.exponent / 2);
    }
    return normalised(std::sqrt(2.0 * value.significand), (value.exponent - 1) / 2);
}

double to_double(const Scaled& value)
{
    return std::ldexp(value.significand, value.exponent);
}

// Returns `left` * `right` rounded once, as one double multiplication rounds,
// to infinity or into the subnormals included. Both factors handed to the
// hardware are exact: `left`'s power of two goes to `right` only beyond the
// normal exponents, where scaling `right` stays exact unless the product is
// far out of range anyway.
double multiply_to_double(const Scaled& left, double right)
{
    const int exponent = std::clamp(left.exponent, kMinNormalExponent, kMaxNormalExponent);
    return std::ldexp(left.significand, exponent) * std::ldexp(right, left.exponent - exponent);
}

// Returns `end` - `start` for finite coordinates. Their difference may exceed
// the largest double; the halves' difference cannot, and halving such large
// coordinates is exact.
Scaled difference(double start, double end)
{
    const double plain = end - start;
    if (std::isfinite(plain)) {
        return normalised(plain, 0);
    }
    const Scaled half = normalised(0.5 * end - 0.5 * start, 0);
    return {half.significand, half.exponent + 1};
}

Scaled scaled_side_length(const Point& start, const Point& end)
{
    const Scaled dx = difference(start.x, end.x);
    const Scaled dy = difference(start.y, end.y);
    return sqrt(dx * dx + dy * dy);
}

bool is_finite(const Point& point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// The area by the same formula, in the same order, as `law_of_cosines_area`
// below, for the triangles whose sides leave the safe range: every
// intermediate is Scaled, and only the cosine and the area become doubles.
double scaled_law_of_cosines_area(const Point& point_1, const Point& point_2, const Point& point_3)
{
    if (!is_finite(point_1) || !is_finite(point_2) || !is_finite(point_3)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const Scaled a = scaled_side_length(point_1, point_2);
    const Scaled b = scaled_side_length(point_2, point_3);
    const Scaled c = scaled_side_length(point_3, point_1);

    // Coincident vertices leave no angle at P2: the triangle is a segment or a point.
    if (a.significand == 0.0 || b.significand == 0.0) {
        return 0.0;
    }
    const Scaled two{1.0, 1};
    const Scaled half{1.0, -1};
    const double cos_C = clamped_cosine(to_double((a * a + b * b + -(c * c)) / (two * a * b)));
    return multiply_to_double(half * a * b, std::sin(std::acos(cos_C)));
}

// Returns the area of the triangle P1 P2 P3 as half the product of the sides
// that meet at P2 times the sine of the angle between them, that angle being
// found by the law of cosines. Sides far from 1 take the scaled computation,
// which gives the same bits wherever this one neither overflows nor underflows.
double law_of_cosines_area(const Point& point_1, const Point& point_2, const Point& point_3)
{
    const double a = side_length(point_1, point_2);
    const double b = side_length(point_2, point_3);
    const double c = side_length(point_3, point_1);
    if (!is_safe_side(a) || !is_safe_side(b) || !is_safe_side(c)) {
        return scaled_law_of_cosines_area(point_1, point_2, point_3);
    }
    const double cos_C = clamped_cosine((a * a + b * b - c * c) / (2.0 * a * b));
    return 0.5 * a * b * std::sin(std::acos(cos_C));
}

}  // namespace

Triangle::Triangle(const Point& point_1, const Point& point_2, const Point& point_3)
    : m_point_1{point_1}, m_point_2{point_2}, m_point_3{point_3}
{
}

void Triangle::set_first_point(const Point& point)
{
    m_point_1 = point;
    m_area.invalidate();
}

double Triangle::area() const
{
    if (m_area.valid()) {
        std::cout << "Cached area returned." << std::endl;
    } else {
        m_area.set_data(law_of_cosines_area(m_point_1, m_point_2, m_point_3));
        std::cout << "Area calculated." << std::endl;
    }
    return m_area;
}
