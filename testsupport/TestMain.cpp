// Every test binary starts like the program, under a German locale: the
// locale from the environment, the Qt application on the offscreen platform,
// LC_NUMERIC back to "C".
#include "platform/window/QtRuntime.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("LC_ALL", "de_DE.UTF-8", 0);
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    QtRuntime qt(argc, argv);
    return RUN_ALL_TESTS();
}
