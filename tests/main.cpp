// The entry of the test program: every test file registers its tests itself. The
// toolkit is started by whatever needs it first (the test kit's Session, text
// drawing), always headless under the test runner.
#include <gtest/gtest.h>

#include <cstdlib>

// Sanitizer settings built into the test program, so that every way of running it
// (ctest, by hand, a debugger) checks the same things. The font stack keeps a few
// allocations for the life of the process; they are not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n"
           "leak:libQt6Core\n"
           "leak:libQt6Gui\n"
           "leak:libQt6Widgets\n"
           "leak:libglib\n"
           "leak:libdbus\n";
}
extern "C" const char* __asan_default_options() { return "detect_leaks=1:abort_on_error=1"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
