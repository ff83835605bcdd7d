// A downstream program built with NDEBUG: its own assert is off, while the holder's guard still
// stops a stale read. Given "areas", it prints the bits of areas instead, for builds with other
// flags to be compared, and says on standard error whether its own a*b+c is fused.
#include <cassert>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

#include "Triangle.hpp"
#include "Validated.hpp"

extern "C" void exit_after_report(int /*signal*/)
{
    std::_Exit(EXIT_SUCCESS);
}

// Prints in hex the areas of 1000 triangles whose coordinates, made without floating-point
// arithmetic, are the same in any build: multiples of 2^-16 below 16, a quarter of them scaled by
// 2^-400 to 2^400. About one in six of these areas changes where a*b+c is fused.
void print_areas()
{
    std::ostringstream status_lines;
    std::streambuf* const saved = std::cout.rdbuf(status_lines.rdbuf());
    std::ostringstream bits;
    bits << std::hex;
    std::uint32_t state = 1;
    const auto next = [&state] { return state = state * 1664525U + 1013904223U; };
    for (int i = 0; i < 1000; ++i) {
        const int power = i % 4 == 0 ? static_cast<int>(next() % 801U) - 400 - 16 : -16;
        double v[6];
        for (double& x : v) {
            x = std::ldexp(static_cast<double>(static_cast<std::int32_t>(next()) / 2048), power);
        }
        const double area =
            Triangle(Point(v[0], v[1]), Point(v[2], v[3]), Point(v[4], v[5])).area();
        std::uint64_t area_bits = 0;
        std::memcpy(&area_bits, &area, sizeof area);
        bits << area_bits << '\n';
    }
    std::cout.rdbuf(saved);
    std::cout << bits.str();
}

// Returns whether this file's a*b+c is one multiply-add, rounded once: then
// (1 + 2^-30)(1 - 2^-30) - 1 keeps the -2^-60 that the rounded product loses.
bool multiply_add_is_fused()
{
    volatile double tiny = 0x1p-30;
    const double a = 1.0 + tiny;
    const double b = 1.0 - tiny;
    return a * b - 1.0 != 0.0;
}

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "areas") {
        print_areas();
        std::cerr << (multiply_add_is_fused() ? "a*b+c is fused\n" : "a*b+c is not fused\n");
        return EXIT_SUCCESS;
    }
    const double area = Triangle(Point(1.0, 0.0), Point(0.0, 1.0), Point(0.0, 0.0)).area();
    assert(area < 0.0 && "the consumer's own assert is on");

    // The guard's abort is the outcome expected: once the report is written, the program ends
    // quietly.
    static_cast<void>(std::signal(SIGABRT, exit_after_report));
    Validated<double> stale;
    return static_cast<double>(stale) == area ? 2 : 3;
}
