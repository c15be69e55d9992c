#include "platform/base/SharedLibrary.h"

#include <dlfcn.h>

void* LoadSharedLibrary(const std::string& file) {
    if (file.empty()) return nullptr;
    if (file.find('/') == std::string::npos) {
        const auto beside = ProgramLibraryFolder() / file;
        if (std::filesystem::exists(beside))
            if (void* h = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) return h;
    }
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* SharedLibrarySymbol(void* library, const char* name) {
    return library ? dlsym(library, name) : nullptr;
}

void FreeSharedLibrary(void* library) {
    if (library) dlclose(library);
}

std::filesystem::path ProgramLibraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ProgramLibraryFolder), &info) && info.dli_fname)
        return std::filesystem::path(info.dli_fname).parent_path();
    return {};
}
