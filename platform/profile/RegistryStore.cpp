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

bool RegistryStore::update(const std::function<bool(IniDocument&)>& edit) {
    lastError_.clear();
    IniDocument doc;
    if (!LoadIniFileForUpdate(file_, doc, &lastError_)) return false;
    if (!edit(doc)) return true; // nothing changed
    return SaveIniFile(file_, doc, &lastError_);
}

bool RegistryStore::SetValue(std::string_view keyPath, std::string_view name,
                             std::string_view value) {
    return update([&](IniDocument& doc) {
        doc.Set(keyPath, name, value);
        return true;
    });
}

bool RegistryStore::DeleteValue(std::string_view keyPath, std::string_view name) {
    return update([&](IniDocument& doc) { return doc.DeleteKey(keyPath, name); });
}

bool RegistryStore::DeleteKey(std::string_view keyPath) {
    return update([&](IniDocument& doc) { return doc.DeleteSection(keyPath); });
}
