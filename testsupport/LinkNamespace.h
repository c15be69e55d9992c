#pragma once
// Include in one test file of a binary whose tests make help links: the run
// gets link names of its own (parallel runs and a running program never
// meet, see SharedName), short start time-outs, and its names go at the end.
#include "platform/ipc/SharedSection.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace testsupport {

inline const bool kLinkNamespace = [] {
    ::setenv("KORVALIN_LINK_NAMESPACE", ("test" + std::to_string(::getpid())).c_str(), 1);
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "300", 1);
    return true;
}();

struct LinkNamesCleanup : ::testing::Environment {
    void TearDown() override {
        SharedSection::Remove(SharedName("LINKTAS"));
        SharedSection::Remove(SharedName("Lumbra Link Mutex"));
    }
};

inline ::testing::Environment* const kLinkCleanup =
    ::testing::AddGlobalTestEnvironment(new LinkNamesCleanup);

} // namespace testsupport
