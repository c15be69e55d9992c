#include "platform/profile/RegistryStore.h"

#include "platform/base/Directories.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/Profile.h"

RegistryStore::RegistryStore() : file_(CurrentDirectories().config / "registry.ini") {}

RegistryStore::RegistryStore(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<std::string> RegistryStore::GetValue(std::string_view keyPath,
                                                   std::string_view name) const {
    return LoadIniFile(file_).Get(keyPath, name);
}

std::vector<std::string> RegistryStore::ValueNames(std::string_view keyPath) const {
    return LoadIniFile(file_).KeyNames(keyPath);
}

bool RegistryStore::SetValue(std::string_view keyPath, std::string_view name, std::string_view value) {
    auto doc = LoadIniFile(file_);
    doc.Set(keyPath, name, value);
    lastError_.clear();
    return SaveIniFile(file_, doc, &lastError_);
}

bool RegistryStore::DeleteValue(std::string_view keyPath, std::string_view name) {
    auto doc = LoadIniFile(file_);
    if (!doc.DeleteKey(keyPath, name)) return true;
    lastError_.clear();
    return SaveIniFile(file_, doc, &lastError_);
}

bool RegistryStore::DeleteKey(std::string_view keyPath) {
    auto doc = LoadIniFile(file_);
    if (!doc.DeleteSection(keyPath)) return true;
    lastError_.clear();
    return SaveIniFile(file_, doc, &lastError_);
}
