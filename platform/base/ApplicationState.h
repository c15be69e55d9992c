#pragma once
// The process-wide state of the program (current project, open-window flags,
// settings, services) in one object that tests make for themselves. Layers
// above the platform hang their own state on it by type:
//     auto& s = ApplicationState::Current().Get<KorpusState>();
#include <memory>
#include <typeindex>
#include <unordered_map>

class ApplicationState {
public:
    ApplicationState() = default;
    ApplicationState(const ApplicationState&) = delete;
    ApplicationState& operator=(const ApplicationState&) = delete;

    // The state object of type T, made on first use (T must be default-constructible).
    template <class T>
    T& Get() {
        auto& slot = slots_[std::type_index(typeid(T))];
        if (!slot) slot = std::shared_ptr<void>(new T(), [](void* p) { delete static_cast<T*>(p); });
        return *static_cast<T*>(slot.get());
    }
    template <class T>
    void Reset() {
        slots_.erase(std::type_index(typeid(T)));
    }

    static ApplicationState& Current();

private:
    std::unordered_map<std::type_index, std::shared_ptr<void>> slots_;
    friend class ScopedApplicationState;
};

// Makes a fresh state current for a scope (a test), then puts the old one back.
class ScopedApplicationState {
public:
    ScopedApplicationState();
    ~ScopedApplicationState();
    ApplicationState& State() { return state_; }

private:
    ApplicationState state_;
    ApplicationState* previous_;
};
