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

#include "Scaled.hpp"

namespace {

using triangle_internal::Scaled;

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

// Returns the length of the side from `start` to `end`, for finite coordinates.
Scaled scaled_side_length(const Point& start, const Point& end)
{
    const Scaled dx = triangle_internal::difference(start.x, end.x);
    const Scaled dy = triangle_internal::difference(start.y, end.y);
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
    const double cos_C =
        clamped_cosine(triangle_internal::to_double((a * a + b * b + -(c * c)) / (two * a * b)));
    return triangle_internal::multiply_to_double(half * a * b, std::sin(std::acos(cos_C)));
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
