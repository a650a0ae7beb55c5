// The Windows builds link with -municode, so the test runner's entry point is wmain.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

// The runner names a file that GoogleTest makes when the tests begin and removes when they have
// all run. Programs the tests start must not see that name: some of them are this program again,
// and one that ends early on purpose would leave the file behind, as if this run had.
class UnfinishedRunFileStaysOurs : public testing::Environment {
public:
    void SetUp() override { SetEnvironmentVariableW(L"TEST_PREMATURE_EXIT_FILE", nullptr); }
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new UnfinishedRunFileStaysOurs);
    return RUN_ALL_TESTS();
}
