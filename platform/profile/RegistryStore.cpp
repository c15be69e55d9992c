#include "platform/profile/RegistryStore.h"

#include "platform/base/Directories.h"
#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/Profile.h"

#include <algorithm>

RegistryStore::RegistryStore() : file_(CurrentDirectories().config / "registry.ini") {}

RegistryStore::RegistryStore(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<std::string> RegistryStore::GetValue(std::string_view keyPath,
                                                   std::string_view name) const {
    return LoadIniFile(file_).Get(keyPath, name);
}

std::vector<std::string> RegistryStore::ValueNames(std::string_view keyPath) const {
    return LoadIniFile(file_).KeyNames(keyPath);
}

std::vector<std::string> RegistryStore::SubKeyNames(std::string_view keyPath) const {
    const std::string prefix = std::string(keyPath) + "\\";
    std::vector<std::string> names;
    for (const std::string& section : LoadIniFile(file_).SectionNames()) {
        if (section.size() <= prefix.size() ||
            !EqualNoCase(section.substr(0, prefix.size()), prefix))
            continue;
        std::string name = section.substr(prefix.size());
        name = name.substr(0, name.find('\\'));
        const bool known = std::any_of(names.begin(), names.end(),
                                       [&](const std::string& n) { return EqualNoCase(n, name); });
        if (!name.empty() && !known) names.push_back(name);
    }
    return names;
}

bool RegistryStore::HasKey(std::string_view keyPath) const {
    return LoadIniFile(file_).HasSection(keyPath) || !SubKeyNames(keyPath).empty();
}

bool RegistryStore::update(const std::function<bool(IniDocument&)>& edit) {
    lastError_.clear();
    // The program and the help navigator keep their values in one file: one
    // of them must not write back what it read before the other's change.
    const FileUpdateLock lock(file_);
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
