// Every run of the tests links in names of its own, so that parallel runs and
// a running program never meet; the names go when the run ends.
#include "platform/ipc/SharedSection.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const bool kNamespace = [] {
    ::setenv("KORVALIN_LINK_NAMESPACE", ("test" + std::to_string(::getpid())).c_str(), 1);
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "300", 1);
    return true;
}();

struct Cleanup : ::testing::Environment {
    void TearDown() override {
        SharedSection::Remove(SharedName("LINKTAS"));
        SharedSection::Remove(SharedName("Lumbra Link Mutex"));
    }
};

const auto* kCleanup = ::testing::AddGlobalTestEnvironment(new Cleanup);

} // namespace
