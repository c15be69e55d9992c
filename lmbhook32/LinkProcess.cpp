#include "lmbhook32/LinkProcess.h"

#include "platform/ipc/MessagePort.h"
#include "platform/ipc/NamedMutex.h"
#include "platform/ipc/SharedSection.h"
#include "platform/services/MessageBox.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

bool ProcessAlive(int32_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

int32_t LinkProcess::Pid() {
    return int32_t(::getpid());
}

LinkProcess& LinkProcess::Get() {
    static LinkProcess process;
    return process;
}

LinkProcess::LinkProcess() {
    std::string error;
    mutex_ = NamedMutex::Open(SharedName("Lumbra Link Mutex"), &error);
    if (!mutex_) {
        MessageBox("Failed to create mutex", "lmbhook32", MB_OK | MB_ICONSTOP);
        return;
    }
    auto section = SharedSection::Open(SharedName("LINKTAS"), link_layout::kSize, &error);
    if (!section) {
        MessageBox("Heap initialization failed", "lmbhook32", MB_OK | MB_ICONSTOP);
        return;
    }
    auto link = std::make_unique<LinkSection>(section->Data());
    {
        MutexLock lock(mutex_.get());
        if (!lock.Taken()) {
            MessageBox("Heap initialization failed", "lmbhook32", MB_OK | MB_ICONSTOP);
            return;
        }
        link->InitImage();
        link->InitHeap();
        link->Set(link_layout::kUsage, link->Get(link_layout::kUsage) + 1);
    }
    section_ = std::move(section);
    link_ = std::move(link);
}

LinkProcess::~LinkProcess() {
    hidden_.reset();
    if (!link_) return;
    MutexLock lock(mutex_.get());
    const uint32_t usage = link_->Get(link_layout::kUsage);
    if (usage > 0) link_->Set(link_layout::kUsage, usage - 1);
}

int LinkProcess::OwnRecord(uint32_t pidField) {
    if (!Ready()) return -1;
    MutexLock lock(mutex_.get());
    link_->ReclaimDead(&ProcessAlive);
    return pidField == link_layout::kViewerPid ? link_->FindLinkByViewer(Pid())
                                               : link_->FindLinkByNavigator(Pid());
}

bool LinkProcess::MakeHiddenWindow() {
    if (!hidden_) hidden_ = std::make_unique<MessagePort>(&HiddenWindowProc);
    if (hidden_->Id() == 0) hidden_.reset();
    return hidden_ != nullptr;
}

void LinkProcess::DestroyHiddenWindow() {
    hidden_.reset();
}

int32_t LinkProcess::HiddenWindow() const {
    return hidden_ ? hidden_->Id() : 0;
}
