#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <iostream>
#include <streambuf>

#include "Triangle.hpp"

namespace {

// A stream buffer that accepts everything written to it and keeps nothing.
// Unlike a null buffer or a stream in a failed state, it lets the stream format
// and hand over every character, so what is measured is the real cost of a
// line of output, without the terminal's.
class DiscardingBuffer final : public std::streambuf {
public:
    DiscardingBuffer() { restart(); }

protected:
    int_type overflow(int_type character) override
    {
        restart();
        return traits_type::not_eof(character);
    }

private:
    void restart() { setp(m_buffer.data(), m_buffer.data() + m_buffer.size()); }

    static constexpr std::size_t buffer_size = 256;
    std::array<char, buffer_size> m_buffer{};
};

// Points std::cout at a DiscardingBuffer for its lifetime. The benchmark
// library's console reporter writes to std::cout too, so each benchmark must
// restore it before returning.
class DiscardCout {
public:
    DiscardCout() : m_saved{std::cout.rdbuf(&m_sink)} {}
    ~DiscardCout() { std::cout.rdbuf(m_saved); }
    DiscardCout(const DiscardCout&) = delete;
    DiscardCout& operator=(const DiscardCout&) = delete;
    DiscardCout(DiscardCout&&) = delete;
    DiscardCout& operator=(DiscardCout&&) = delete;

private:
    DiscardingBuffer m_sink;
    std::streambuf* m_saved;
};

Triangle right_triangle()
{
    return {Point(1.0, 0.0), Point(0.0, 1.0), Point(0.0, 0.0)};
}

// Every query computes: the first vertex is set, and the cache dropped, before each.
void BM_ComputedArea(benchmark::State& state)
{
    const DiscardCout discard;
    Triangle tri = right_triangle();
    Point first(2.0, 0.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(first);
        tri.set_first_point(first);
        benchmark::DoNotOptimize(tri.area());
    }
}

// Every query returns the cached area.
void BM_CachedArea(benchmark::State& state)
{
    const DiscardCout discard;
    const Triangle tri = right_triangle();
    benchmark::DoNotOptimize(tri.area());
    for (auto _ : state) {
        benchmark::DoNotOptimize(tri.area());
    }
}

// Only the status line that a cached query writes: the floor under a cached query.
void BM_StatusLineOnly(benchmark::State& state)
{
    const DiscardCout discard;
    for (auto _ : state) {
        std::cout << "Cached area returned." << std::endl;
    }
}

}  // namespace

BENCHMARK(BM_ComputedArea);
BENCHMARK(BM_CachedArea);
BENCHMARK(BM_StatusLineOnly);

BENCHMARK_MAIN();
