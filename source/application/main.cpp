#include <iostream>

#include "Triangle.hpp"

namespace {

// Writes "Area is: " and the triangle's area. The query runs first, so its own
// status line reaches the stream ahead of the report.
void report_area(const Triangle& tri)
{
    const double area = tri.area();
    std::cout << "Area is: " << area << std::endl;
}

}  // namespace

int main()
{
    const Point pt_1(1.0, 0.0);
    const Point pt_2(0.0, 1.0);
    const Point pt_3(0.0, 0.0);
    Triangle tri(pt_1, pt_2, pt_3);

    report_area(tri);
    std::cout << std::endl;
    report_area(tri);
    std::cout << std::endl;

    tri.set_first_point(Point(2.0, 0.0));

    report_area(tri);
    std::cout << std::endl;
    report_area(tri);

    // A failed write sets the stream's sticky error state; checking once here
    // turns a transcript that did not reach its destination into a failure.
    if (!std::cout) {
        std::cerr << "triangle_demo: cannot write the transcript to standard output" << std::endl;
        return 1;
    }
    return 0;
}
