// GoogleTest's main, but a test that skips fails. Every test is registered only
// where it can run, so a skip means a test that did not run, which must not pass
// unnoticed. Listeners hear of a test's end in the reverse order of their
// appending, so this one marks the test failed before the result printer, which
// came first, reports it.
#include <gtest/gtest.h>

namespace {

class SkipIsFailure : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& info) override
    {
        if (info.result()->Skipped()) {
            ADD_FAILURE() << "the test skipped; here every test must run";
        }
    }
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SkipIsFailure);
    return RUN_ALL_TESTS();
}
