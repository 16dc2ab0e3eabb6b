// main() of the lab test programs. Each lab test runs alone in a lab of its
// own (one CTest test per GoogleTest test, selected with --gtest_filter), so
// a filter that selects nothing must fail rather than pass without a run.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fputs("lab: no test matched the filter\n", stderr);
        return 1;
    }
    return status;
}
