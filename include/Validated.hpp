#ifndef TRIANGLE_VALIDATED_HPP
#define TRIANGLE_VALIDATED_HPP

// The guarded reads must assert whatever NDEBUG says where this header is
// included, and the includer's NDEBUG and assert must come out untouched. Both
// language standards redefine assert by the current state of NDEBUG at every
// inclusion of <cassert>, so the template is defined with NDEBUG undefined, and
// then NDEBUG (its value too, through push_macro) and assert are restored.
#ifdef NDEBUG
#define TRIANGLE_VALIDATED_RESTORE_NDEBUG
#pragma push_macro("NDEBUG")
#undef NDEBUG
#endif
#include <cassert>

// A value of type `T` paired with a flag that says whether the value may be read.
//
// An owner keeps a derived result here, marks it stale with `invalidate()` when
// the result's inputs change, and asks `valid()` before deciding to recompute.
// Reading a stale or never-set value is a programming error: the guarded reads
// abort by assertion in every build, whether or not NDEBUG is defined.
template <typename T>
class Validated {
public:
    // Constructs an invalid holder. Its value is value-initialised, so copies of
    // the holder are well defined, but it cannot be read until `set_data()`.
    Validated() = default;

    // Constructs a valid holder that holds `data`.
    explicit Validated(const T& data) : m_valid{true}, m_data{data} {}

    // Returns true while the held value may be read.
    [[nodiscard]] bool valid() const { return m_valid; }

    // Marks the held value stale. The value is kept but can no longer be read.
    void invalidate() { m_valid = false; }

    // Replaces the held value with `data` and marks it valid.
    void set_data(const T& data)
    {
        m_data = data;
        m_valid = true;
    }

    // Returns a copy of the held value.
    //
    // REQUIRES: `valid()`. A read of an invalid holder aborts by assertion,
    // NDEBUG or not, with the standard report of the failed expression
    // `valid() && "Cannot return invalid data."`.
    // Implicit by design: the owner reads its cached result as a plain `T`.
    operator T()  // NOLINT(google-explicit-constructor)
    {
        assert(valid() && "Cannot return invalid data.");
        return m_data;
    }

    // Returns a copy of the held value; the read-only form of the read above,
    // with the same requirement and the same abort.
    operator T() const  // NOLINT(google-explicit-constructor)
    {
        assert(valid() && "Cannot return invalid data.");
        return m_data;
    }

private:
    bool m_valid{false};
    T m_data{};
};

#ifdef TRIANGLE_VALIDATED_RESTORE_NDEBUG
#undef TRIANGLE_VALIDATED_RESTORE_NDEBUG
#pragma pop_macro("NDEBUG")
#ifndef NDEBUG
#define NDEBUG
#endif
#include <cassert>
#endif

#endif
