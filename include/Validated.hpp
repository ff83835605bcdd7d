#ifndef TRIANGLE_VALIDATED_HPP
#define TRIANGLE_VALIDATED_HPP

#include <type_traits>

// The guarded reads must assert whatever NDEBUG says where this header is
// included. <cassert> defines assert by the state of NDEBUG at each of its
// inclusions, so it is included here with NDEBUG undefined, and the includer's
// NDEBUG and assert (defined, undefined or its own) are restored afterwards.
#pragma push_macro("NDEBUG")
#pragma push_macro("assert")
#undef NDEBUG
#include <cassert>

// A value of type `T` paired with a flag that says whether the value may be read.
//
// An owner keeps a derived result here, marks it stale with `invalidate()` when
// the result's inputs change, and asks `valid()` before deciding to recompute.
// Reading a stale or never-set value is a programming error: the guarded reads
// abort by assertion in every build, whether or not NDEBUG is defined.
//
// `T` must be default-constructible, copy-constructible and copy-assignable.
// Where those operations of `T` are constexpr, as for `int` and `double`, the
// holder can be used in constant expressions.
template <typename T>
class Validated {
public:
    // Constructs an invalid holder. Its value is value-initialised, so copies of
    // the holder are well defined, but it cannot be read until `set_data()`.
    constexpr Validated() = default;

    // Constructs a valid holder that holds `data`.
    constexpr explicit Validated(const T& data) : m_valid{true}, m_data{data} {}

    // Returns true while the held value may be read.
    [[nodiscard]] constexpr bool valid() const noexcept { return m_valid; }

    // Marks the held value stale. The value is kept but can no longer be read.
    constexpr void invalidate() noexcept { m_valid = false; }

    // Replaces the held value with `data` and marks it valid. If copying `data`
    // throws, the holder is left invalid, never valid with a half-copied value.
    constexpr void set_data(const T& data)
    {
        m_valid = false;
        m_data = data;
        m_valid = true;
    }

    // Returns a copy of the held value.
    //
    // REQUIRES: `valid()`. A read of an invalid holder aborts by assertion,
    // NDEBUG or not, with the standard report of the failed expression
    // `valid() && "Cannot return invalid data."`.
    // Implicit by design: the owner reads its cached result as a plain `T`.
    // NOLINTNEXTLINE(google-explicit-constructor)
    constexpr operator T() noexcept(std::is_nothrow_copy_constructible_v<T>)
    {
        assert(valid() && "Cannot return invalid data.");
        return m_data;
    }

    // Returns a copy of the held value; the read-only form of the read above,
    // with the same requirement and the same abort. It reads through that
    // one, which changes nothing, so that the check is written once.
    // NOLINTNEXTLINE(google-explicit-constructor)
    constexpr operator T() const noexcept(std::is_nothrow_copy_constructible_v<T>)
    {
        return const_cast<Validated&>(*this).operator T();
    }

private:
    bool m_valid{false};
    T m_data{};
};

#pragma pop_macro("assert")
#pragma pop_macro("NDEBUG")

#endif
