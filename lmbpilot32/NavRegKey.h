#pragma once
// One open key of the registry store (platform/profile/RegistryStore.h), with
// the status codes of the Windows registry calls the navigator's lookups
// check. The store has no access rights: every key opens for reading.
#include <cstddef>
#include <string>
#include <string_view>

class RegistryStore;

enum : long { REG_OK = 0, REG_NOT_FOUND = 2, REG_MORE_DATA = 234, REG_NO_MORE_ITEMS = 259 };

class CNavRegKey {
public:
    explicit CNavRegKey(const RegistryStore& store) : store_(store) {}
    ~CNavRegKey() { Close(); }
    CNavRegKey(const CNavRegKey&) = delete;
    CNavRegKey& operator=(const CNavRegKey&) = delete;

    // Opens parent\subKey (an empty parent: subKey is a full path); closes an
    // open key first.
    long Open(std::string_view parent, std::string_view subKey);
    void Close() {
        open_ = false;
        key_.clear();
    }
    bool IsOpen() const { return open_; }
    const std::string& Path() const { return key_; }

    // The name of the subkey at index (from 0), cut to maxLength characters.
    long EnumKey(size_t index, std::string& name, size_t maxLength = 1023) const;
    // The value and its size as the registry counts it (with the terminating zero).
    long QueryValue(std::string_view name, std::string* data, size_t* size) const;
    // A string value; size 0 asks the value's size first, a smaller size
    // than the value's answers REG_MORE_DATA. On failure the string is empty.
    long QueryString(std::string_view name, std::string& value, size_t size = 0) const;

private:
    const RegistryStore& store_;
    std::string key_;
    bool open_ = false;
};
