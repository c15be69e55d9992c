#pragma once
// The queue behind each scripted service: answers are taken in order.
#include <deque>
#include <optional>
#include <utility>

namespace testsupport {

// The next planned answer; nullopt when the test planned none (the caller
// reports the unexpected call).
template <class T>
std::optional<T> TakeNext(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<T> next(std::move(queue.front()));
    queue.pop_front();
    return next;
}

} // namespace testsupport
