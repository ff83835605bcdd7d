#include "Triangle.hpp"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>

namespace {

// Returns the length of the side from `start` to `end`.
double side_length(const Point& start, const Point& end)
{
    const double dx = end.x - start.x;
    const double dy = end.y - start.y;
    return std::sqrt(dx * dx + dy * dy);
}

// Returns the area of the triangle P1 P2 P3 as half the product of the sides
// that meet at P2 times the sine of the angle between them, that angle being
// found by the law of cosines.
double law_of_cosines_area(const Point& point_1, const Point& point_2, const Point& point_3)
{
    const double a = side_length(point_1, point_2);
    const double b = side_length(point_2, point_3);
    const double c = side_length(point_3, point_1);

    // A zero side leaves no angle at P2: the triangle is a segment or a point.
    // A non-finite third side means a non-finite coordinate, which stays NaN.
    if (a == 0.0 || b == 0.0) {
        return std::isfinite(c) ? 0.0 : std::numeric_limits<double>::quiet_NaN();
    }

    // For collinear vertices rounding can carry the cosine just past +-1, where
    // acos is undefined. std::clamp passes a NaN through unchanged, so a
    // non-finite coordinate still gives a NaN area.
    const double cos_C = std::clamp((a * a + b * b - c * c) / (2.0 * a * b), -1.0, 1.0);
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
