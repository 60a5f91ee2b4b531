// The tests' main. The launcher ends the process itself in a few places (a
// missing map list ends it with exit code 0); a test that reaches such an end
// by mistake would otherwise leave a binary that exits 0 before running the
// rest, and CTest would count it as passed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool gTestsFinished = false;

void refuseEarlyExit() {
    if (gTestsFinished)
        return;
    std::fputs("error: the process ended before its tests had finished\n", stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // A death test's child is meant to end the process: it runs this main
    // again with the death-test flag (the "threadsafe" style re-executes the
    // binary instead of forking it with the check already armed).
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    if (GTEST_FLAG_GET(internal_run_death_test).empty())
        std::atexit(refuseEarlyExit);
    int result = RUN_ALL_TESTS();
    gTestsFinished = true;
    return result;
}
