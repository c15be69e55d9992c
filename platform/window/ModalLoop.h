#pragma once
// The loop behind TApplication::BeginModal: Qt's, in which the given window
// is the only one that takes input, or a test's script
// (testsupport/ScriptedModalLoop.h). It runs until the run has ended.
#include <functional>

class TWindow;

// One modal run: EndModal ends it with a result and wakes its loop.
struct TModalRun {
    bool ended = false;
    int result = 0;
    std::function<void()> wake;
};

class ModalLoopService {
public:
    virtual ~ModalLoopService() = default;
    virtual void Run(TWindow* window, TModalRun& run) = 0;
};

ModalLoopService& ModalLoops();
