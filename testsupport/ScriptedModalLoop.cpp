#include "testsupport/ScriptedModalLoop.h"

#include "platform/services/MessageBox.h"
#include "platform/window/Window.h"
#include "testsupport/ScriptQueue.h"

#include <gtest/gtest.h>

namespace testsupport {

ScriptedModalLoopService::~ScriptedModalLoopService() {
    if (!scripts_.empty()) ADD_FAILURE() << scripts_.size() << " expected modal loop(s) never run";
}

void ScriptedModalLoopService::Run(TWindow* window, TModalRun& run) {
    windows_.push_back(window);
    // As the real loop: its window shows when its run starts.
    if (window && window->IsCreated()) window->ShowWindow(SW_SHOW);
    if (auto script = TakeNext(scripts_))
        (*script)(window);
    else
        ADD_FAILURE() << "unexpected modal loop";
    if (run.ended) return;
    ADD_FAILURE() << "modal loop left running by the script";
    run.ended = true;
    run.result = IDCANCEL;
}

} // namespace testsupport
