#include "testsupport/ScriptedPrintDialogs.h"

#include "testsupport/ScriptQueue.h"

#include <gtest/gtest.h>

namespace testsupport {

ScriptedPrintDialogService::~ScriptedPrintDialogService() {
    if (!prints_.empty() || !setups_.empty())
        ADD_FAILURE() << prints_.size() + setups_.size() << " expected print dialog(s) never shown";
}

bool ScriptedPrintDialogService::run(std::deque<Script>& scripts, TPrintSetup& setup,
                                     const char* which) {
    offered_.push_back(setup);
    const auto script = TakeNext(scripts);
    if (!script) {
        ADD_FAILURE() << "unexpected " << which;
        return false;
    }
    return (*script)(setup);
}

bool ScriptedPrintDialogService::PrintDialog(TPrintSetup& setup) {
    return run(prints_, setup, "print dialog");
}

bool ScriptedPrintDialogService::PrintSetupDialog(TPrintSetup& setup) {
    return run(setups_, setup, "printer set-up dialog");
}

} // namespace testsupport
