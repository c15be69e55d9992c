#include "lmbpilot32/TopicTypeAddIn.h"

#include "lmbpilot32/NavRegKey.h"
#include "platform/base/SharedLibrary.h"
#include "platform/services/MessageBox.h"

#include <cstdlib>

namespace {
constexpr const char* kProductKey = "Software\\Sorvik Systems\\Lumbra\\";
constexpr const char* kDirectories = "Directories";
constexpr const char* kName = "Lumbra Navigator";

} // namespace

std::optional<std::string> FindProductVersionKey(const RegistryStore& store) {
    CNavRegKey product(store);
    if (product.Open({}, kProductKey) != REG_OK) return std::nullopt;
    double best = 0.0;
    std::optional<std::string> chosen;
    std::string name;
    for (size_t i = 0; product.EnumKey(i, name) == REG_OK; ++i) {
        // As atof reads it: "3.0 beta" is 3, a word is 0.
        const double number = std::atof(name.c_str());
        if (number > best) {
            best = number;
            chosen = name;
        }
    }
    if (!chosen) return std::nullopt;
    return std::string(kProductKey) + *chosen;
}

bool TopicTypeAddIn::Bind(const RegistryStore& store,
                          const std::function<void(const std::string&)>& report) {
    if (module_) return true;
    const auto stop = [&](const std::string& text) {
        if (report)
            report(text);
        else
            MessageBox(text, kName, MB_OK | MB_ICONSTOP);
    };
    path_.clear();
    if (const auto version = FindProductVersionKey(store)) {
        CNavRegKey dirs(store);
        if (dirs.Open(*version, kDirectories) == REG_OK) dirs.QueryString(kAddInFile, path_);
    }
    if (path_.empty()) path_ = kAddInFile;
    void* module = LoadSharedLibrary(path_);
    if (!module) {
        stop("Failed to load '" + path_ + "'");
        return false;
    }
    map_ = reinterpret_cast<MapFn>(SharedLibrarySymbol(module, "GetTopicTypeMap"));
    fromIndex_ = reinterpret_cast<FromIndexFn>(SharedLibrarySymbol(module, "GetTTFromIndex"));
    num_ = reinterpret_cast<NumFn>(SharedLibrarySymbol(module, "NumTopicTypes"));
    module_ = module;
    if (!map_ || !fromIndex_ || !num_) {
        stop("The file '" + path_ + "' is damaged or corrupt");
        Release();
        return false;
    }
    return true;
}

void TopicTypeAddIn::Release() {
    FreeSharedLibrary(module_);
    module_ = nullptr;
    num_ = nullptr;
    fromIndex_ = nullptr;
    map_ = nullptr;
}

int32_t TopicTypeAddIn::NumTopicTypes(const std::string& file) const {
    return num_ ? num_(file.c_str()) : -1;
}

std::optional<AddInTopicType> TopicTypeAddIn::TopicType(const std::string& file,
                                                        int32_t index) const {
    if (!fromIndex_) return std::nullopt;
    int32_t id = 0, access = 0, value = 0, linkType = 0, value2 = 0;
    char name[256] = {};
    char window[12] = {};
    if (!fromIndex_(file.c_str(), index, &id, name, &access, &value, &linkType, window, &value2))
        return std::nullopt;
    // The buffers are the add-in's to fill; their last byte ends them whatever it wrote.
    name[sizeof name - 1] = 0;
    window[sizeof window - 1] = 0;
    return AddInTopicType{id, name, access, linkType, window};
}

int32_t TopicTypeAddIn::TopicTypeMap(const std::string& file, const std::string& target) const {
    return map_ ? map_(0, file.c_str(), target.c_str()) : 0;
}

TopicTypeAddIn& ProgramAddIn() {
    static TopicTypeAddIn addIn;
    return addIn;
}
