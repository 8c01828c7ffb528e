#include <gtest/gtest.h>

#include <cstdio>

// CTest runs one suite at a time through a filter: a filter that matches nothing must fail, not
// pass with no test run.
int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "No window test matched the filter.\n");
        return 1;
    }
    return result;
}
