#include "lmbhook32/LinkStart.h"

#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/lmbhook32.h"
#include "platform/ipc/MessagePort.h"
#include "platform/ipc/NamedMutex.h"
#include "platform/services/Processes.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>

using namespace link_layout;

std::string LibraryFile() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&lmbAlloc), &info) && info.dli_fname) return info.dli_fname;
    return "liblmbhook32.so";
}

std::string ProgramFolder() {
    return (std::filesystem::path(LibraryFile()).parent_path().parent_path() / "bin").string();
}

bool StartAndAwaitClaim(const std::string& program, const std::vector<std::string>& args, int slot,
                        uint32_t pidField) {
    auto& p = LinkProcess::Get();
    LinkSection& s = p.Section();
    const auto clear = [&] {
        MutexLock lock(p.Mutex());
        if (int32_t(s.Field(slot, pidField)) == kPlaceholder) s.SetField(slot, pidField, 0);
        return false;
    };
    if (!StartProcess(program, args)) return clear();
    const char* env = std::getenv("KORVALIN_LINK_TIMEOUT_MS");
    const int timeout = env ? std::atoi(env) : 10000;
    const bool claimed = WaitForPortCondition(
        [&] { return int32_t(s.Field(slot, pidField)) != kPlaceholder; }, timeout);
    return claimed || clear();
}
