// The shared heap and the translation of link addresses.
#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/lmbhook32.h"
#include "platform/ipc/NamedMutex.h"

using namespace link_layout;

void* lmbAlloc(int32_t size) {
    auto& p = LinkProcess::Get();
    if (size <= 0 || !p.Ready()) return nullptr;
    MutexLock lock(p.Mutex());
    return lock.Taken() ? p.Section().Alloc(size) : nullptr;
}

int32_t lmbFree(void* block) {
    auto& p = LinkProcess::Get();
    if (!block || !p.Ready()) return 0;
    MutexLock lock(p.Mutex());
    return lock.Taken() ? p.Section().Free(block) : 0;
}

int32_t lmbRebasePointer(uint32_t* pp) {
    auto& p = LinkProcess::Get();
    if (!pp || !p.Ready()) return 0;
    LinkSection& s = p.Section();
    const int32_t pid = LinkProcess::Pid();
    uint32_t own = 0, other = 0;
    if (const int r = s.FindLinkByNavigator(pid); r >= 0) {
        own = s.Field(r, kNavigatorBase);
        other = s.Field(r, kViewerBase);
    } else if (const int v = s.FindLinkByViewer(pid); v >= 0) {
        own = s.Field(v, kViewerBase);
        other = s.Field(v, kNavigatorBase);
    } else {
        return 0;
    }
    if (own == 0 || other == 0) return 0;
    *pp += own - other;
    return 1;
}

uint32_t lmbLinkAddress(const void* block) {
    auto& p = LinkProcess::Get();
    return p.Ready() ? p.Section().LinkAddress(block) : 0;
}

void* lmbLinkPointer(uint32_t address) {
    auto& p = LinkProcess::Get();
    return p.Ready() ? p.Section().LinkPointer(address) : nullptr;
}
