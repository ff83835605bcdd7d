// This unit is compiled with NDEBUG defined, as a user's release build is, and
// defines an assert of its own: the header must hand both back as they were.
#include <gtest/gtest.h>

#include <cassert>

namespace {
int own_assert_uses = 0;

// A type of this unit alone. Validated<Reading> has internal linkage, so its
// guarded read is the one compiled here, with NDEBUG, and no other unit's copy
// of an inline function can stand in for it at link time.
struct Reading {
    double value;
};
}  // namespace

#undef assert
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): the includer's own assert, by design.
#define assert(condition) (++own_assert_uses)

#include "Validated.hpp"

#if !defined(NDEBUG) || NDEBUG != 1
#error "this unit is built with -DNDEBUG, which Validated.hpp must leave as it found it"
#endif

namespace {

TEST(ValidatedNdebugDeathTest, StaleReadAbortsInAUnitBuiltWithNdebug)
{
    Validated<Reading> holder;
    EXPECT_DEATH(static_cast<void>(static_cast<Reading>(holder)), "Cannot return invalid data\\.");
}

TEST(ValidatedNdebugTest, UnitsOwnAssertStaysOffAfterTheInclude)
{
    assert(false && "this unit's own assert checks nothing");
    EXPECT_EQ(own_assert_uses, 1) << "the unit's own assert was replaced";
}

}  // namespace
