#include "platform/ipc/SharedSection.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

std::string SharedName(std::string_view name) {
    const char* space = std::getenv("KORVALIN_LINK_NAMESPACE");
    std::string n = "/korvalin-";
    n += space && *space ? std::string(space) : std::to_string(::getuid());
    n += '-';
    for (char c : name) n += c == '/' ? '_' : c;
    return n;
}

std::unique_ptr<SharedSection> SharedSection::Open(std::string_view name, size_t size,
                                                   std::string* error) {
    const auto fail = [&](const char* what) {
        if (error)
            *error = std::string(what) + " " + std::string(name) + ": " + std::strerror(errno);
        return nullptr;
    };
    const std::string n(name);
    int fd = ::shm_open(n.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    const bool created = fd >= 0;
    if (!created && errno == EEXIST) fd = ::shm_open(n.c_str(), O_RDWR, 0600);
    if (fd < 0) return fail("shm_open");
    if (created && ::ftruncate(fd, off_t(size)) != 0) {
        ::close(fd);
        return fail("ftruncate");
    }
    // The creator may still be sizing the block.
    struct stat st {};
    for (int i = 0; i < 200 && ::fstat(fd, &st) == 0 && size_t(st.st_size) < size; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (size_t(st.st_size) < size) {
        ::close(fd);
        errno = EINVAL;
        return fail("too small:");
    }
    void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ::close(fd);
    if (p == MAP_FAILED) return fail("mmap");
    return std::unique_ptr<SharedSection>(new SharedSection(static_cast<uint8_t*>(p), size));
}

bool SharedSection::Remove(std::string_view name) {
    return ::shm_unlink(std::string(name).c_str()) == 0;
}

SharedSection::~SharedSection() {
    ::munmap(data_, size_);
}
