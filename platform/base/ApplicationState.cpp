#include "platform/base/ApplicationState.h"

namespace {
ApplicationState* g_current = nullptr;
}

ApplicationState& ApplicationState::Current() {
    static ApplicationState process;
    return g_current ? *g_current : process;
}

ScopedApplicationState::ScopedApplicationState() : previous_(g_current) { g_current = &state_; }

ScopedApplicationState::~ScopedApplicationState() { g_current = previous_; }
