#include "Triangle.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kCalculated = "Area calculated.\n";
constexpr const char* kCached = "Cached area returned.\n";
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Areas that go through the math library's acos and sin carry its last bits,
// which differ between platforms, and the law of cosines loses accuracy on thin
// shapes: such areas are expected to within a relative tolerance that says
// which. Every other area, and every area compared with another, is expected
// bit for bit, so that a NaN, a zero of the wrong sign or a subnormal that
// flush-to-zero turned into 0 (which == takes for equal under
// denormals-are-zero) fails.
constexpr double kMathLibrary = 1e-14;  // acos and sin differ by up to 15 ulps
constexpr double kOrdering = 1e-12;     // another vertex at P2 rounds otherwise
constexpr double kThinShape = 1e-10;    // the formula's own error, see docs/numerics.md

std::uint64_t bits_of(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string hex(double value)
{
    std::ostringstream text;
    text << std::hexfloat << value;
    return text.str();
}

// Passes when `actual` has the bits of `expected`; prints both in hex otherwise.
::testing::AssertionResult same_bits(const char* actual_text, const char* expected_text,
                                     double actual, double expected)
{
    if (bits_of(actual) == bits_of(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual_text << " is " << hex(actual) << ", not "
                                         << expected_text << " = " << hex(expected);
}

// Passes when `area` is `expected`: bit for bit where `tolerance` is 0, and
// otherwise to within that relative tolerance.
::testing::AssertionResult area_is(const char* area_text, const char* expected_text,
                                   const char* /*tolerance_text*/, double area, double expected,
                                   double tolerance)
{
    if (tolerance == 0.0) {
        return same_bits(area_text, expected_text, area, expected);
    }
    if (std::abs(area - expected) <= std::abs(expected) * tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << area_text << " is " << hex(area) << ", not within " << tolerance << " of "
           << expected_text << " = " << hex(expected);
}

// Redirects std::cout into a string for the lifetime of the object.
class CoutCapture {
public:
    CoutCapture() : m_saved{std::cout.rdbuf(m_captured.rdbuf())} {}
    ~CoutCapture() { std::cout.rdbuf(m_saved); }
    CoutCapture(const CoutCapture&) = delete;
    CoutCapture& operator=(const CoutCapture&) = delete;
    CoutCapture(CoutCapture&&) = delete;
    CoutCapture& operator=(CoutCapture&&) = delete;

    // Returns what was written since the last call.
    std::string take()
    {
        std::string text = m_captured.str();
        m_captured.str({});
        return text;
    }

private:
    std::ostringstream m_captured;
    std::streambuf* m_saved;
};

// Runs one area query and returns its result with the status line it wrote.
std::pair<double, std::string> query(const Triangle& tri, CoutCapture& out)
{
    const double area = tri.area();
    return {area, out.take()};
}

class TriangleTest : public ::testing::Test {
protected:
    CoutCapture m_out;
    Triangle m_right{Point(1.0, 0.0), Point(0.0, 1.0), Point(0.0, 0.0)};
};

TEST_F(TriangleTest, CachedAreaIsReturnedUntilTheFirstVertexMoves)
{
    EXPECT_EQ(m_out.take(), "") << "construction writes nothing";

    const auto [first, first_line] = query(m_right, m_out);
    EXPECT_PRED_FORMAT3(area_is, first, 0.5, kMathLibrary);
    EXPECT_EQ(first_line, kCalculated);

    const auto [second, second_line] = query(m_right, m_out);
    EXPECT_PRED_FORMAT2(same_bits, second, first) << "the cached value comes back unchanged";
    EXPECT_EQ(second_line, kCached);

    m_right.set_first_point(Point(2.0, 0.0));
    EXPECT_EQ(m_out.take(), "") << "moving a vertex writes nothing";

    const auto [third, third_line] = query(m_right, m_out);
    EXPECT_PRED_FORMAT3(area_is, third, 1.0, kMathLibrary);
    EXPECT_EQ(third_line, kCalculated);

    const auto [fourth, fourth_line] = query(m_right, m_out);
    EXPECT_PRED_FORMAT2(same_bits, fourth, third);
    EXPECT_EQ(fourth_line, kCached);
}

TEST_F(TriangleTest, SetFirstPointRecomputesEvenWhenTheVertexIsUnchanged)
{
    static_cast<void>(query(m_right, m_out));
    m_right.set_first_point(Point(1.0, 0.0));
    EXPECT_EQ(query(m_right, m_out).second, kCalculated);
}

TEST_F(TriangleTest, VerticesAreCopiesOfTheGivenPoints)
{
    Point point_1(1.0, 0.0);
    Point point_2(0.0, 1.0);
    Point point_3(0.0, 0.0);
    const Triangle tri(point_1, point_2, point_3);
    point_1.x = 10.0;
    point_2.y = 10.0;
    point_3.x = -10.0;
    EXPECT_PRED_FORMAT3(area_is, query(tri, m_out).first, 0.5, kMathLibrary);

    Point moved(3.0, 0.0);
    m_right.set_first_point(moved);
    moved.x = 100.0;
    EXPECT_PRED_FORMAT3(area_is, query(m_right, m_out).first, 1.5, kMathLibrary);
}

TEST_F(TriangleTest, CopyCarriesTheCacheAndThenGoesItsOwnWay)
{
    static_cast<void>(query(m_right, m_out));
    Triangle copy = m_right;
    EXPECT_EQ(query(copy, m_out).second, kCached);

    copy.set_first_point(Point(2.0, 0.0));
    EXPECT_EQ(query(m_right, m_out).second, kCached);
    EXPECT_PRED_FORMAT3(area_is, query(copy, m_out).first, 1.0, kMathLibrary);
}

TEST_F(TriangleTest, AssignmentCarriesTheCacheWithItsValidity)
{
    const Triangle unqueried(Point(0.0, 0.0), Point(2.0, 0.0), Point(0.0, 2.0));
    Triangle tri = unqueried;
    const double right_area = query(m_right, m_out).first;
    tri = m_right;
    const auto [cached, cached_line] = query(tri, m_out);
    EXPECT_PRED_FORMAT2(same_bits, cached, right_area);
    EXPECT_EQ(cached_line, kCached);

    tri = unqueried;
    const auto [area, line] = query(tri, m_out);
    EXPECT_PRED_FORMAT3(area_is, area, 2.0, kMathLibrary);
    EXPECT_EQ(line, kCalculated);
}

struct AreaCase {
    const char* name;
    Point p1;
    Point p2;
    Point p3;
    double expected;
    double tolerance = 0.0;  // bit for bit unless a reason above is given
};

TEST_F(TriangleTest, AreaOfEveryOrderingIsTheSameAndNeverNegative)
{
    // A right angle at P2 has a sine of exactly 1, whatever the math library.
    const std::vector<AreaCase> cases = {
        {"right angle at P2", Point(4.0, 0.0), Point(0.0, 0.0), Point(0.0, 3.0), 6.0},
        {"right angle at P1", Point(0.0, 0.0), Point(4.0, 0.0), Point(0.0, 3.0), 6.0, kOrdering},
        {"obtuse", Point(0.0, 0.0), Point(10.0, 0.0), Point(-3.0, 2.0), 10.0, kOrdering},
        {"off the origin", Point(-7.5, 2.0), Point(12.25, -3.5), Point(1.0, 9.0), 92.5, kOrdering},
        {"tiny", Point(0.0, 0.0), Point(1e-6, 0.0), Point(0.0, 1e-6), 5e-13, kOrdering},
    };
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.name);
        const double forward = Triangle(c.p1, c.p2, c.p3).area();
        EXPECT_PRED_FORMAT3(area_is, forward, c.expected, c.tolerance);
        EXPECT_PRED_FORMAT2(same_bits, Triangle(c.p3, c.p2, c.p1).area(), forward)
            << "reversal keeps the angle at P2";
        for (const Triangle& tri : {Triangle(c.p2, c.p3, c.p1), Triangle(c.p3, c.p1, c.p2),
                                    Triangle(c.p2, c.p1, c.p3), Triangle(c.p1, c.p3, c.p2)}) {
            EXPECT_PRED_FORMAT3(area_is, tri.area(), c.expected, kOrdering);
        }
    }
}

TEST_F(TriangleTest, DegenerateTrianglesHaveAreaZeroNotNan)
{
    const std::vector<AreaCase> cases = {
        {"P1 on P2", Point(1.0, 1.0), Point(1.0, 1.0), Point(3.0, 0.0), 0.0},
        {"P2 on P3", Point(3.0, 0.0), Point(1.0, 1.0), Point(1.0, 1.0), 0.0},
        {"P1 on P3", Point(1.0, 1.0), Point(3.0, 0.0), Point(1.0, 1.0), 0.0},
        {"all three on one point", Point(2.0, 2.0), Point(2.0, 2.0), Point(2.0, 2.0), 0.0},
        {"P2 at an end of the segment", Point(0.0, 0.0), Point(2.0, 0.0), Point(1.0, 0.0), 0.0},
        {"cosine rounds past +1", Point(1.5, 0.0), Point(0.0, 0.0), Point(1.2, 0.0), 0.0},
        {"cosine past +1 at any precision", Point(0.1, 0.1), Point(0.0, 0.0), Point(1.0, 1.0), 0.0},
    };
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_PRED_FORMAT2(same_bits, Triangle(c.p1, c.p2, c.p3).area(), c.expected);
    }

    // The angle at P2 is pi here, whose computed sine is not exactly zero.
    const double middle = Triangle(Point(0.0, 0.0), Point(1.0, 0.0), Point(2.0, 0.0)).area();
    EXPECT_GE(middle, 0.0);
    EXPECT_LT(middle, 1e-16);
}

TEST_F(TriangleTest, AreasHoldOverTheWholeRangeOfDouble)
{
    // All but the first three have a right angle at P2, whose sine is exactly 1:
    // their areas are half the product of two sides, rounded once.
    const std::vector<AreaCase> cases = {
        {"squared sides overflow", Point(1.3e154, 0.0), Point(0.0, 0.0),
         Point(3.6154e153, 3.4538e153), 2.24497e307, kMathLibrary},
        {"the squared third side overflows", Point(1e154, 0.0), Point(0.0, 0.0),
         Point(-5e153, 5e153), 2.5e307, kMathLibrary},
        {"a subnormal area through acos and sin", Point(0.0, 0.0), Point(0x1p-511, 0.0),
         Point(0x1p-512, 0x1.8p-511), 0x0.cp-1022, kMathLibrary},
        {"one long side", Point(1e160, 0.0), Point(0.0, 0.0), Point(0.0, 1.0), 5e159},
        {"a coordinate difference overflows", Point(1.5e308, 0.0), Point(-1.5e308, 0.0),
         Point(-1.5e308, 1e-300), 1.5e8},
        {"one squared side underflows", Point(0.0, 1.0), Point(0.0, 0.0), Point(1e-170, 0.0),
         5e-171},
        {"the area is subnormal", Point(0x1.8p-519, 0.0), Point(0.0, 0.0), Point(0.0, 0x1.4p-518),
         0x0.0001ep-1022},
        {"one side is subnormal", Point(0.0, 0x1p-1040), Point(0.0, 0.0), Point(0x1p+1000, 0.0),
         0x1p-41},
        {"the area exceeds the largest double", Point(1e300, 0.0), Point(0.0, 0.0),
         Point(0.0, 1e300), kInf},
    };
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_PRED_FORMAT3(area_is, Triangle(c.p1, c.p2, c.p3).area(), c.expected, c.tolerance);
    }
}

TEST_F(TriangleTest, ScalingByAPowerOfTwoScalesTheAreaExactly)
{
    const std::vector<AreaCase> cases = {
        {"scalene", Point(0.0, 0.0), Point(-0.9, 0.1), Point(-0.8, -0.5), 0.265, kThinShape},
        {"needle", Point(0.0, 0.0), Point(1.0, 1e-3), Point(2.0, 0.0), 1e-3, kThinShape},
    };
    for (const AreaCase& c : cases) {
        const double area = Triangle(c.p1, c.p2, c.p3).area();
        EXPECT_PRED_FORMAT3(area_is, area, c.expected, c.tolerance);
        // At 2^-521 the area is subnormal, with 31 bits or fewer: rounded once
        // from the exact product, it is the unscaled area scaled unless that
        // product lies within 2^-53 of a tie between its neighbours, 2^-31 apart.
        for (const int power : {-521, -505, -300, -130, 130, 300, 511}) {
            SCOPED_TRACE(std::string(c.name) + " scaled by 2^" + std::to_string(power));
            const auto scaled = [power](const Point& point) {
                return Point(std::ldexp(point.x, power), std::ldexp(point.y, power));
            };
            EXPECT_PRED_FORMAT2(same_bits,
                                Triangle(scaled(c.p1), scaled(c.p2), scaled(c.p3)).area(),
                                std::ldexp(area, 2 * power));
        }
    }
}

// The figures that docs/numerics.md quotes. Each goes through the math library's acos and sin,
// whose last bits are the platform's (64-bit MinGW-w64's sin, the x87 fsin, is 3e-5 off near pi),
// so each is stated to the digits on which every acos and sin that CI runs agree: glibc's of Debian
// 12, 13 and testing, and MinGW-w64's under Wine. What the project's own arithmetic decides is
// checked bit for bit: the area must be half_ab * sin(acos(cosine)) by this platform's acos and
// sin, half_ab and cosine being the ½·a·b and the cos C that rounding every step gives.
struct FigureCase {
    const char* name;
    Point p1;
    Point p2;
    Point p3;
    double half_ab;
    double cosine;
    double figure;
    int digits;
};

// Returns `value` rounded to `digits` significant decimal digits. (std::stod would refuse a
// subnormal.)
double rounded(double value, int digits)
{
    std::ostringstream text;
    text << std::scientific << std::setprecision(digits - 1) << value;
    return std::strtod(text.str().c_str(), nullptr);
}

// Returns `half_ab` * sin(acos(`cosine`)) by the math library, at run time: the compiler would
// fold constants exactly, not as the library rounds.
double library_area(double half_ab, double cosine)
{
    const volatile double at_run_time = cosine;
    return half_ab * std::sin(std::acos(at_run_time));
}

TEST_F(TriangleTest, DocumentedFiguresHoldOnEveryPlatform)
{
    const std::vector<FigureCase> cases = {
        {"transcript, first area", Point(1.0, 0.0), Point(0.0, 1.0), Point(0.0, 0.0),
         0x1.6a09e667f3bcdp-1, 0x1.6a09e667f3bcep-1, 0.49999999999999989, 17},
        {"P2 between the others", Point(0.0, 0.0), Point(1.0, 0.0), Point(2.0, 0.0), 0x1p-1, -1.0,
         6.123e-17, 4},
        {"cosine clamped to -1", Point(0.0, 0.0), Point(1.0, 1.0), Point(4.0, 4.0), 0x1.8p+1, -1.0,
         3.674e-16, 4},
        {"needle, h = 1e-1", Point(0.0, 0.0), Point(1.0, 1e-1), Point(2.0, 0.0),
         0x1.028f5c28f5c28p-1, -0x1.f5dc83cd4e934p-1, 0.099999999999998992, 17},
        {"needle, h = 1e-3", Point(0.0, 0.0), Point(1.0, 1e-3), Point(2.0, 0.0),
         0x1.000010c6f7a0cp-1, -0x1.ffffbce425e2ep-1, 0.0010000000000805478, 17},
        {"needle, h = 1e-5", Point(0.0, 0.0), Point(1.0, 1e-5), Point(2.0, 0.0),
         0x1.000000006df38p-1, -0x1.fffffffe4832p-1, 1.00000004141292e-05, 15},
        {"needle, h = 1e-6", Point(0.0, 0.0), Point(1.0, 1e-6), Point(2.0, 0.0),
         0x1.0000000001198p-1, -0x1.fffffffffb9ap-1, 1.0000444493124e-06, 14},
        {"needle, h = 1e-7", Point(0.0, 0.0), Point(1.0, 1e-7), Point(2.0, 0.0),
         0x1.000000000002cp-1, -0x1.fffffffffff5p-1, 9.8843121305e-08, 11},
        {"needle, h = 1e-8", Point(0.0, 0.0), Point(1.0, 1e-8), Point(2.0, 0.0), 0x1p-1, -1.0,
         6.123e-17, 4},
        {"area rounded once into the subnormals", Point(0x1.ba83f1037736p-511, 0.0),
         Point(0.0, 0.0), Point(0x1.eda23245568ep-509, 0x1.1df2001decd1ep-511),
         0x1.af178fd36e3d9p-1020, 0x1.fab6d6142b31cp-1, 2.1480573636900982e-308, 17},
    };
    for (const FigureCase& c : cases) {
        SCOPED_TRACE(c.name);
        const double area = Triangle(c.p1, c.p2, c.p3).area();
        EXPECT_PRED_FORMAT2(same_bits, area, library_area(c.half_ab, c.cosine));
        EXPECT_PRED_FORMAT2(same_bits, rounded(area, c.digits), c.figure)
            << "to " << c.digits << " digits";
    }
}

TEST_F(TriangleTest, NonFiniteCoordinatesGiveACachedNan)
{
    const std::vector<AreaCase> cases = {
        {"NaN in P1", Point(kNan, 0.0), Point(0.0, 1.0), Point(0.0, 0.0), kNan},
        {"NaN in P2", Point(1.0, 0.0), Point(0.0, kNan), Point(0.0, 0.0), kNan},
        {"infinity in P3", Point(1.0, 0.0), Point(0.0, 1.0), Point(kInf, 0.0), kNan},
        {"infinity in P1 and P2", Point(kInf, 0.0), Point(kInf, 0.0), Point(0.0, 0.0), kNan},
        {"P1 on P2, NaN in P3", Point(1.0, 1.0), Point(1.0, 1.0), Point(kNan, 0.0), kNan},
        {"P2 on P3, infinity in P1", Point(0.0, -kInf), Point(1.0, 1.0), Point(1.0, 1.0), kNan},
    };
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Triangle tri(c.p1, c.p2, c.p3);
        const auto [computed, computed_line] = query(tri, m_out);
        EXPECT_TRUE(std::isnan(computed));
        EXPECT_EQ(computed_line, kCalculated);
        const auto [cached, cached_line] = query(tri, m_out);
        EXPECT_TRUE(std::isnan(cached));
        EXPECT_EQ(cached_line, kCached);
    }
}

}  // namespace
