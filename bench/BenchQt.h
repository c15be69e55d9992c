#pragma once
// The Qt application of the benchmarks that paint or open windows: made at
// the first call, on the offscreen platform unless another is set, and kept
// until the program ends.
#include "platform/window/QtRuntime.h"

#include <cstdlib>

inline void QtStarten() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QtRuntime* runtime = [] {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QtRuntime(argc, argv);
    }();
    (void)runtime;
}
