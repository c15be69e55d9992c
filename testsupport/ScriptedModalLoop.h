#pragma once
// Modal loops played by a test: instead of a loop, the script runs with the
// window that runs modally and plays the user (presses its buttons, sends
// its commands), which must end the run. A run the script leaves going fails
// the test and ends with IDCANCEL; so does a loop without a script.
#include "platform/window/ModalLoop.h"

#include <deque>
#include <functional>
#include <vector>

namespace testsupport {

class ScriptedModalLoopService : public ModalLoopService {
public:
    using Script = std::function<void(TWindow*)>;
    ~ScriptedModalLoopService() override;
    void Expect(Script script) { scripts_.push_back(std::move(script)); }
    void Run(TWindow* window, TModalRun& run) override;
    // The windows that ran modally, in order.
    const std::vector<TWindow*>& Windows() const { return windows_; }

private:
    std::deque<Script> scripts_;
    std::vector<TWindow*> windows_;
};

} // namespace testsupport
