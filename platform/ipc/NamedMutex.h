#pragma once
// A mutex that every process opening the name shares: process-shared and
// robust, so that a holder that dies leaves it takeable. Waits without a
// time-out, as the link library expects.
#include <memory>
#include <string>
#include <string_view>

class SharedSection;

class NamedMutex {
public:
    // Creates or opens the mutex; null with a message in error on failure.
    static std::unique_ptr<NamedMutex> Open(std::string_view name, std::string* error = nullptr);
    ~NamedMutex();

    // True when taken, also when its last holder died holding it.
    bool Lock();
    void Unlock();

private:
    explicit NamedMutex(std::unique_ptr<SharedSection> section);
    std::unique_ptr<SharedSection> section_;
};

// Holds a mutex for a scope; Taken() says whether the lock succeeded.
class MutexLock {
public:
    explicit MutexLock(NamedMutex* m) : m_(m && m->Lock() ? m : nullptr) {}
    ~MutexLock() {
        if (m_) m_->Unlock();
    }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;
    bool Taken() const { return m_ != nullptr; }

private:
    NamedMutex* m_;
};
