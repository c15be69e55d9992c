#include "platform/services/HelpLibraries.h"

#include "platform/base/SharedLibrary.h"
#include "platform/base/TextCompare.h"
#include "platform/services/HelpMacro.h"
#include "platform/services/HelpViewerLink.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace {

using Notice = int32_t (*)(uint16_t, int32_t, int32_t);

struct Routine {
    void* address = nullptr;
    std::string signature;
};

bool numeric(char c) {
    return c == 'i' || c == 'I' || c == 'u' || c == 'U';
}
bool text(char c) {
    return c == 's' || c == 'S';
}

// The supported signatures: up to three numbers, or one text.
bool supported(std::string_view sig) {
    if (sig.size() == 1 && text(sig[0])) return true;
    return sig.size() <= 3 && std::all_of(sig.begin(), sig.end(), numeric);
}

} // namespace

struct HelpLibraries::Impl {
    uint32_t viewer = 0;
    std::map<std::string, Routine> routines; // upper-case names
    std::vector<std::pair<void*, Notice>> libraries;
    void* load(std::string_view library);
};

HelpLibraries::HelpLibraries(uint32_t viewerHandle) : impl_(std::make_unique<Impl>()) {
    impl_->viewer = viewerHandle;
}

HelpLibraries::~HelpLibraries() {
    for (auto& [handle, notice] : impl_->libraries) FreeSharedLibrary(handle);
}

std::string HelpLibraries::LibraryPath(std::string_view library) {
    std::filesystem::path p{std::string(library)};
    if (p.extension() == ".so") return p.string();
    return (ProgramLibraryFolder() / ("lib" + p.stem().string() + ".so")).string();
}

// The library's handle, loaded once per viewer; a new one hears the first notices.
void* HelpLibraries::Impl::load(std::string_view library) {
    void* handle = LoadSharedLibrary(LibraryPath(library));
    if (!handle) return nullptr;
    const bool known = std::any_of(libraries.begin(), libraries.end(),
                                   [&](const auto& l) { return l.first == handle; });
    if (known) {
        FreeSharedLibrary(handle); // one reference per viewer is enough
        return handle;
    }
    auto notice = reinterpret_cast<Notice>(SharedLibrarySymbol(handle, "LDLLHandler"));
    libraries.emplace_back(handle, notice);
    if (notice) {
        notice(HELP_NOTICE_CLASSES, 0, 0);
        notice(HELP_NOTICE_INIT, 0, 0);
        notice(HELP_NOTICE_CALLBACKS, int32_t(viewer), 0);
    }
    return handle;
}

bool HelpLibraries::Register(std::string_view library, std::string_view routine,
                             std::string_view signature) {
    // A result type after '=' ("u=i") is not needed: routines answer a number.
    const auto sig = signature.substr(0, signature.find('='));
    if (!supported(sig) || routine.empty()) return false;
    void* handle = impl_->load(library);
    if (!handle) return false;
    void* address = SharedLibrarySymbol(handle, std::string(routine).c_str());
    if (!address) return false;
    impl_->routines[ToUpperCp1252(routine)] = {address, std::string(sig)};
    return true;
}

int32_t HelpLibraries::OpenTab(std::string_view library) {
    void* handle = impl_->load(library);
    if (!handle) return 0;
    using OpenTabDialog = int32_t (*)(int32_t, int32_t, int32_t);
    auto open = reinterpret_cast<OpenTabDialog>(SharedLibrarySymbol(handle, "OpenTabDialog"));
    return open ? open(int32_t(impl_->viewer), 0, 0) : 0;
}

bool HelpLibraries::Has(std::string_view routine) const {
    return impl_->routines.count(ToUpperCp1252(routine)) > 0;
}

std::optional<int32_t> HelpLibraries::Call(std::string_view routine,
                                           const std::vector<HelpMacroArg>& args) {
    const auto it = impl_->routines.find(ToUpperCp1252(routine));
    if (it == impl_->routines.end()) return std::nullopt;
    const Routine& r = it->second;
    if (args.size() != r.signature.size()) return std::nullopt;
    if (r.signature.size() == 1 && text(r.signature[0])) {
        if (args[0].kind != HelpMacroArg::Kind::Text) return std::nullopt;
        return reinterpret_cast<int32_t (*)(const char*)>(r.address)(args[0].text.c_str());
    }
    int32_t n[3] = {0, 0, 0};
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].kind != HelpMacroArg::Kind::Number) return std::nullopt;
        n[i] = int32_t(args[i].number);
    }
    switch (args.size()) {
    case 0:
        return reinterpret_cast<int32_t (*)()>(r.address)();
    case 1:
        return reinterpret_cast<int32_t (*)(int32_t)>(r.address)(n[0]);
    case 2:
        return reinterpret_cast<int32_t (*)(int32_t, int32_t)>(r.address)(n[0], n[1]);
    default:
        return reinterpret_cast<int32_t (*)(int32_t, int32_t, int32_t)>(r.address)(n[0], n[1],
                                                                                   n[2]);
    }
}

void HelpLibraries::Notify(uint16_t notice, int32_t value1, int32_t value2) {
    // A copy: a notice may end the viewer and with it this object's caller.
    const auto libraries = impl_->libraries;
    for (const auto& [handle, entry] : libraries)
        if (entry) entry(notice, value1, value2);
}
