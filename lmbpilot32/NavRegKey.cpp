#include "lmbpilot32/NavRegKey.h"

#include "platform/profile/RegistryStore.h"

long CNavRegKey::Open(std::string_view parent, std::string_view subKey) {
    // The parent may be this key's own path: built before the key closes.
    std::string path =
        parent.empty() ? std::string(subKey) : std::string(parent) + "\\" + std::string(subKey);
    Close();
    while (path.ends_with('\\')) path.pop_back();
    if (path.empty() || !store_.HasKey(path)) return REG_NOT_FOUND;
    key_ = std::move(path);
    open_ = true;
    return REG_OK;
}

long CNavRegKey::EnumKey(size_t index, std::string& name, size_t maxLength) const {
    name.clear();
    if (!open_) return REG_NOT_FOUND;
    const auto names = store_.SubKeyNames(key_);
    if (index >= names.size()) return REG_NO_MORE_ITEMS;
    name = names[index].substr(0, maxLength);
    return REG_OK;
}

long CNavRegKey::QueryValue(std::string_view name, std::string* data, size_t* size) const {
    if (!open_) return REG_NOT_FOUND;
    const auto value = store_.GetValue(key_, name);
    if (!value) return REG_NOT_FOUND;
    if (size) *size = value->size() + 1;
    if (data) *data = *value;
    return REG_OK;
}

long CNavRegKey::QueryString(std::string_view name, std::string& value, size_t size) const {
    value.clear();
    size_t needed = 0;
    std::string data;
    const long status = QueryValue(name, &data, &needed);
    if (status != REG_OK) return status;
    if (size == 0) size = needed;
    if (size < needed) return REG_MORE_DATA;
    value = std::move(data);
    return REG_OK;
}
