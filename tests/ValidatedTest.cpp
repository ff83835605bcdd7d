#include "Validated.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

// Matched on the asserted expression only: the function name and file path in
// the report differ between compilers.
constexpr const char* kInvalidReadReport = R"(valid\(\) && "Cannot return invalid data\.")";

TEST(ValidatedTest, NewHolderIsInvalidAndInvalidatingItChangesNothing)
{
    Validated<double> holder;
    EXPECT_FALSE(holder.valid());
    holder.invalidate();
    EXPECT_FALSE(holder.valid());
}

TEST(ValidatedTest, SetDataMakesTheValueReadableUntilInvalidated)
{
    Validated<double> holder;
    holder.set_data(2.5);
    ASSERT_TRUE(holder.valid());
    EXPECT_EQ(static_cast<double>(holder), 2.5);

    holder.set_data(7.0);
    ASSERT_TRUE(holder.valid());
    EXPECT_EQ(static_cast<double>(holder), 7.0);

    holder.invalidate();
    EXPECT_FALSE(holder.valid());

    holder.set_data(-1.0);
    ASSERT_TRUE(holder.valid());
    EXPECT_EQ(static_cast<double>(holder), -1.0);
}

TEST(ValidatedTest, ValueConstructorMakesAValidHolderReadableThroughConst)
{
    const Validated<double> holder(4.25);
    ASSERT_TRUE(holder.valid());
    EXPECT_EQ(static_cast<double>(holder), 4.25);
}

TEST(ValidatedTest, NanIsHeldAndReturnedLikeAnyOtherValue)
{
    Validated<double> holder;
    holder.set_data(std::numeric_limits<double>::quiet_NaN());
    ASSERT_TRUE(holder.valid());
    EXPECT_TRUE(std::isnan(static_cast<double>(holder)));
}

TEST(ValidatedTest, CopyCarriesFlagAndValueAndIsIndependent)
{
    Validated<double> original;
    const Validated<double> copy_of_unset = original;
    EXPECT_FALSE(copy_of_unset.valid());

    original.set_data(1.5);
    Validated<double> copy = original;
    original.invalidate();
    ASSERT_TRUE(copy.valid());
    EXPECT_EQ(static_cast<double>(copy), 1.5);
}

TEST(ValidatedTest, AssignmentCarriesFlagAndValueTogether)
{
    const Validated<double> valid(2.5);
    const Validated<double> invalid;
    Validated<double> holder;
    holder = valid;
    ASSERT_TRUE(holder.valid());
    EXPECT_EQ(static_cast<double>(holder), 2.5);
    holder = invalid;
    EXPECT_FALSE(holder.valid());
}

// A value whose copy assignment throws when the source asks it to.
// NOLINTNEXTLINE(cppcoreguidelines-special-member-functions): only copying matters here.
struct Fragile {
    Fragile() = default;
    explicit Fragile(bool throws) : throws_on_copy{throws} {}
    Fragile(const Fragile&) = default;
    Fragile& operator=(const Fragile& other)
    {
        if (other.throws_on_copy) {
            throw std::runtime_error("assignment failed");
        }
        throws_on_copy = other.throws_on_copy;
        return *this;
    }

    bool throws_on_copy{false};
};

TEST(ValidatedTest, AssignmentThatThrowsLeavesTheHolderInvalid)
{
    Validated<Fragile> holder{Fragile()};
    EXPECT_THROW(holder.set_data(Fragile(true)), std::runtime_error);
    EXPECT_FALSE(holder.valid());
}

// Constructed valid, invalidated, set again and read in a constant expression.
constexpr int round_trip(int value)
{
    Validated<int> holder(-value);
    holder.invalidate();
    holder.set_data(value);
    return holder;
}
static_assert(round_trip(3) == 3);
constexpr Validated<int> kThree(3);
static_assert(kThree.valid() && static_cast<int>(kThree) == 3);
static_assert(noexcept(kThree.valid()) && noexcept(static_cast<int>(kThree)));

TEST(ValidatedDeathTest, ReadingANeverSetHolderAborts)
{
    Validated<double> holder;
    EXPECT_DEATH(static_cast<void>(static_cast<double>(holder)), kInvalidReadReport);
}

TEST(ValidatedDeathTest, ReadingAnInvalidatedHolderAborts)
{
    Validated<double> holder;
    holder.set_data(1.0);
    holder.invalidate();
    EXPECT_DEATH(static_cast<void>(static_cast<double>(holder)), kInvalidReadReport);
}

TEST(ValidatedDeathTest, ConstReadOfAnInvalidHolderAborts)
{
    const Validated<double> holder;
    EXPECT_DEATH(static_cast<void>(static_cast<double>(holder)), kInvalidReadReport);
}

}  // namespace
