// The unit tests' main: the tests run in the locale the environment names, as
// the program does (QCoreApplication takes it at start). In a German locale the
// C library writes and reads "," as the decimal point, which must never reach
// the calculator's numbers; the suite runs once more in German to show it.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    if (!std::setlocale(LC_ALL, "")) {
        std::fprintf(stderr, "the locale the environment names is not installed (scripts/setup.sh adds it)\n");
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
