#include "platform/ipc/NamedMutex.h"

#include "platform/ipc/SharedSection.h"

#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {

// The block behind the name: who initialises it is decided by the state.
struct Block {
    std::atomic<uint32_t> state; // 0 new, 1 being initialised, 2 ready
    pthread_mutex_t mutex;
};
static_assert(std::atomic<uint32_t>::is_always_lock_free);

Block* block(SharedSection& s) {
    return reinterpret_cast<Block*>(s.Data());
}

} // namespace

std::unique_ptr<NamedMutex> NamedMutex::Open(std::string_view name, std::string* error) {
    auto section = SharedSection::Open(name, sizeof(Block), error);
    if (!section) return nullptr;
    Block* b = block(*section);
    uint32_t expected = 0;
    if (b->state.compare_exchange_strong(expected, 1)) {
        pthread_mutexattr_t attr;
        pthread_mutexattr_init(&attr);
        pthread_mutexattr_setpshared(&attr, PTHREAD_PROCESS_SHARED);
        pthread_mutexattr_setrobust(&attr, PTHREAD_MUTEX_ROBUST);
        const int r = pthread_mutex_init(&b->mutex, &attr);
        pthread_mutexattr_destroy(&attr);
        if (r != 0) {
            b->state = 0;
            if (error) *error = "pthread_mutex_init failed";
            return nullptr;
        }
        b->state = 2;
    } else {
        for (int i = 0; i < 500 && b->state.load() != 2; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (b->state.load() != 2) {
            if (error) *error = "the mutex was never initialised";
            return nullptr;
        }
    }
    return std::unique_ptr<NamedMutex>(new NamedMutex(std::move(section)));
}

NamedMutex::NamedMutex(std::unique_ptr<SharedSection> section) : section_(std::move(section)) {}
NamedMutex::~NamedMutex() = default;

bool NamedMutex::Lock() {
    pthread_mutex_t* m = &block(*section_)->mutex;
    const int r = pthread_mutex_lock(m);
    if (r == EOWNERDEAD) return pthread_mutex_consistent(m) == 0;
    return r == 0;
}

void NamedMutex::Unlock() {
    pthread_mutex_unlock(&block(*section_)->mutex);
}
