// This unit is compiled with NDEBUG defined, as a user's release build is.
#include <gtest/gtest.h>

#include <cassert>

#include "Validated.hpp"

#if !defined(NDEBUG) || NDEBUG != 1
#error "this unit is built with -DNDEBUG, which Validated.hpp must leave as it found it"
#endif

namespace {

TEST(ValidatedNdebugDeathTest, StaleReadAbortsInAUnitBuiltWithNdebug)
{
    Validated<double> holder;
    EXPECT_DEATH(static_cast<void>(static_cast<double>(holder)), "Cannot return invalid data\\.");
}

TEST(ValidatedNdebugTest, UnitsOwnAssertStaysOffAfterTheInclude)
{
    assert(false && "this unit's own assert must stay off");
    SUCCEED();
}

}  // namespace
