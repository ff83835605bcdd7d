#ifndef TRIANGLE_TRIANGLE_HPP
#define TRIANGLE_TRIANGLE_HPP

#include "Validated.hpp"

// A point in the plane.
struct Point {
    Point(double new_x, double new_y) : x{new_x}, y{new_y} {}

    double x;
    double y;
};

// A triangle that computes its area on the first query and keeps it until its
// first vertex moves.
//
// Every area query writes one status line to standard output, "Area
// calculated." or "Cached area returned.", so the cache can be watched at work.
// A `Triangle` is not safe for concurrent use, even through `area()` alone.
class Triangle {
public:
    // Copies the three vertices; computes and writes nothing.
    Triangle(const Point& point_1, const Point& point_2, const Point& point_3);

    // Moves the first vertex to `point` and discards the cached area, even when
    // the coordinates are unchanged. Writes nothing.
    void set_first_point(const Point& point);

    // Returns the area, computing it only when no cached area is at hand, and
    // writes the status line that says which happened before returning.
    //
    // The area is never negative, whatever the orientation of the vertices.
    // Degenerate triangles (coincident or collinear vertices) have area 0, up to
    // rounding; a NaN or infinite coordinate gives NaN, which is cached too.
    [[nodiscard]] double area() const;

private:
    Point m_point_1;
    Point m_point_2;
    Point m_point_3;
    // Filled by the const query `area()`, which is why it is mutable.
    mutable Validated<double> m_area;
};

#endif
