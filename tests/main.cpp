// The entry of the test program: every test file registers its tests itself. The
// toolkit is started by whatever needs it first (the test kit's Session, text
// drawing), always headless under the test runner.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
