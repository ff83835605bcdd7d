// A non-finite coordinate gives a NaN area and a huge triangle an infinite one;
// -ffast-math, -ffinite-math-only and /fp:fast let the compiler assume that neither occurs.
#if defined(__FAST_MATH__) || (defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__) || \
    defined(_M_FP_FAST)
#error "Triangle.cpp needs NaN and infinity: no -ffast-math, -ffinite-math-only or /fp:fast"
#endif
// An evaluation method other than 0 carries intermediates wider than double: the x87
// registers of 32-bit x86 (2), or a mix of them and SSE (-1). MSVC says so by
// _M_IX86_FP, below 2 where doubles are computed in the x87 unit.
#if defined(__FLT_EVAL_METHOD__) && __FLT_EVAL_METHOD__ != 0
#error "Triangle.cpp rounds every step to double: on 32-bit x86 build it with -msse2 -mfpmath=sse"
#endif
#if defined(_M_IX86) && defined(_M_IX86_FP) && _M_IX86_FP < 2
#error "Triangle.cpp rounds every step to double: on 32-bit x86 build it with /arch:SSE2 or above"
#endif

// Every step of the area, here and in the scaled arithmetic included below,
// rounds to double whatever the build's flags. By default GCC and Clang fuse
// a*b+c into one multiply-add, rounded once, wherever the target has one (ARM64
// always, x86-64 from x86-64-v3 on), MSVC does under /fp:contract and, before
// Visual Studio 2022 17.0 (_MSC_VER 1930), by default unless /fp:strict, and
// -funsafe-math-optimizations lets GCC and Clang reorder sums and products;
// these pragmas forbid all of it. Clang still fuses under an explicit
// -ffp-contract=fast, which overrides any pragma.
//
// They come before the headers, so that what the area calls from them is
// compiled alike (GCC inlines nothing across different optimize settings), and
// they end with this file, so that code after it in a unity build gets the
// build's own settings. Clang honours float_control's push and pop on x86, and
// on ARM64 from Clang 16; elsewhere it gets back its contraction alone. MSVC
// has no push for fp_contract: it gets back the default of its version and options.
#if defined(__clang__)
#if defined(__x86_64__) || defined(__i386__) || (defined(__aarch64__) && __clang_major__ >= 16)
#define TRIANGLE_FLOAT_CONTROL_PUSHED
#pragma float_control(push)
#endif
#pragma clang fp contract(off) reassociate(off)
#elif defined(__GNUC__)
#pragma GCC push_options
#pragma GCC optimize("fp-contract=off", "no-unsafe-math-optimizations")
#elif defined(_MSC_VER)
#pragma fp_contract(off)
#endif

#include "Triangle.hpp"

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

bool is_finite(const Point& point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// Brings a cosine found by the law of cosines back into [-1, 1], which rounding
// can leave for collinear vertices and where acos is undefined. A NaN passes
// through unchanged.
double clamped_cosine(double cosine)
{
    return std::clamp(cosine, -1.0, 1.0);
}

// What the area's formula needs of a number type beyond + - * / and sqrt: the
// difference of two coordinates, the constants 2 and 1/2, the cosine as a
// double, and the last product, the area, rounded once to a double.
template <typename Number>
struct Arithmetic;

template <>
struct Arithmetic<double> {
    static constexpr double two = 2.0;
    static constexpr double half = 0.5;
    static double difference(double start, double end) { return end - start; }
    static double to_double(double value) { return value; }
    static double multiply_to_double(double left, double right) { return left * right; }
};

template <>
struct Arithmetic<Scaled> {
    static constexpr Scaled two{1.0, 1};
    static constexpr Scaled half{1.0, -1};
    static Scaled difference(double start, double end)
    {
        return triangle_internal::difference(start, end);
    }
    static double to_double(const Scaled& value) { return triangle_internal::to_double(value); }
    static double multiply_to_double(const Scaled& left, double right)
    {
        return triangle_internal::multiply_to_double(left, right);
    }
};

// Returns the length of the side from `start` to `end`.
template <typename Number>
Number side_length(const Point& start, const Point& end)
{
    using std::sqrt;
    const Number dx = Arithmetic<Number>::difference(start.x, end.x);
    const Number dy = Arithmetic<Number>::difference(start.y, end.y);
    return sqrt((dx * dx) + (dy * dy));
}

// Returns the area from the sides a = P1P2, b = P2P3 and c = P3P1: half the
// product of the sides that meet at P2 times the sine of the angle between
// them, that angle being found by the law of cosines. Written once for both
// number types, so that the plain and the scaled computation keep one order.
template <typename Number>
double law_of_cosines_area(const Number& a, const Number& b, const Number& c)
{
    using Math = Arithmetic<Number>;
    const double cos_C =
        clamped_cosine(Math::to_double((a * a + b * b - c * c) / (Math::two * a * b)));
    return Math::multiply_to_double(Math::half * a * b, std::sin(std::acos(cos_C)));
}

// The area of the triangles whose sides leave the safe range, computed in
// Scaled, where no intermediate overflows or underflows. Kept out of line: g++
// 12 inlines it otherwise, and every query, a cached one too, then saves the
// registers that only this path needs (6 instructions more).
// clang-format off
#ifdef __GNUC__
[[gnu::noinline]]
#endif
double scaled_area(const Point& point_1, const Point& point_2, const Point& point_3)
// clang-format on
{
    if (!is_finite(point_1) || !is_finite(point_2) || !is_finite(point_3)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const auto a = side_length<Scaled>(point_1, point_2);
    const auto b = side_length<Scaled>(point_2, point_3);
    const auto c = side_length<Scaled>(point_3, point_1);

    // Coincident vertices leave no angle at P2: the triangle is a segment or a point.
    if (a.significand == 0.0 || b.significand == 0.0) {
        return 0.0;
    }
    return law_of_cosines_area(a, b, c);
}

// Returns the area of the triangle P1 P2 P3. Sides far from 1 take the scaled
// computation, which gives the same bits wherever this one neither overflows
// nor underflows.
double area_of(const Point& point_1, const Point& point_2, const Point& point_3)
{
    const auto a = side_length<double>(point_1, point_2);
    const auto b = side_length<double>(point_2, point_3);
    const auto c = side_length<double>(point_3, point_1);
    if (!is_safe_side(a) || !is_safe_side(b) || !is_safe_side(c)) {
        return scaled_area(point_1, point_2, point_3);
    }
    return law_of_cosines_area(a, b, c);
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
        m_area.set_data(area_of(m_point_1, m_point_2, m_point_3));
        std::cout << "Area calculated." << std::endl;
    }
    return m_area;
}

#if defined(TRIANGLE_FLOAT_CONTROL_PUSHED)
#undef TRIANGLE_FLOAT_CONTROL_PUSHED
#pragma float_control(pop)
#elif defined(__clang__)
#pragma STDC FP_CONTRACT DEFAULT
#elif defined(__GNUC__)
#pragma GCC pop_options
#elif defined(_M_FP_CONTRACT) || (defined(_MSC_VER) && _MSC_VER < 1930 && !defined(_M_FP_STRICT))
#pragma fp_contract(on)
#endif
