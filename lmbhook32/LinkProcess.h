#pragma once
// What the link library keeps per process: its mapping of the shared
// section, the mutex, and the hidden window of a viewer process.
#include "lmbhook32/LinkSection.h"

#include <memory>

class MessagePort;
class NamedMutex;
class SharedSection;

class LinkProcess {
public:
    // The process's state, set up at the first use (the library's load).
    static LinkProcess& Get();
    ~LinkProcess();

    bool Ready() const { return section_ != nullptr; }
    LinkSection& Section() { return *link_; }
    NamedMutex* Mutex() { return mutex_.get(); }
    // Asked each time: a forked child is another process.
    static int32_t Pid();

    // The record of this process on one side (kViewerPid or kNavigatorPid),
    // -1 none; the records of dead processes are reclaimed first.
    int OwnRecord(uint32_t pidField);

    // The viewer's hidden window; made once per process.
    bool MakeHiddenWindow();
    void DestroyHiddenWindow();
    int32_t HiddenWindow() const;

private:
    LinkProcess();
    std::unique_ptr<SharedSection> section_;
    std::unique_ptr<NamedMutex> mutex_;
    std::unique_ptr<LinkSection> link_;
    std::unique_ptr<MessagePort> hidden_;
};

// The hidden window's message handling (viewer side).
int32_t HiddenWindowProc(uint32_t msg, uint32_t wParam, int32_t lParam);

// Whether a process still runs.
bool ProcessAlive(int32_t pid);

// True when this navigator's link has lost its viewer: its process ended
// (perhaps without saying so: it crashed or was ended from outside) or it
// let go of the link.
bool LinkedViewerGone();
