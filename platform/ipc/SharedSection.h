#pragma once
// A named block of memory that every process opening the name shares
// (POSIX shared memory). A new block is all zero; it lives until Remove.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class SharedSection {
public:
    // Creates the block or opens the existing one, and maps it; null with a
    // message in error when that fails.
    static std::unique_ptr<SharedSection> Open(std::string_view name, size_t size,
                                               std::string* error = nullptr);
    static bool Remove(std::string_view name);
    ~SharedSection();
    SharedSection(const SharedSection&) = delete;
    SharedSection& operator=(const SharedSection&) = delete;

    uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

private:
    SharedSection(uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t* data_;
    size_t size_;
};

// "/korvalin-<space>-<name>": the names of one user's (or one test's) links.
// The space comes from KORVALIN_LINK_NAMESPACE, else the user id.
std::string SharedName(std::string_view name);
