#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // A death test's child runs the binary afresh with only that test, instead of a fork of a
    // process that may hold a GL context: the fork would inherit the X connection and none of
    // the renderer's threads, and its exit would tear down state the parent still uses.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
