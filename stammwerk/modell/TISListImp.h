#pragma once
// The model's ordered owning list of pointers. A new element goes before the
// first element that is not less than it, so among equal elements the newest
// comes first; walking goes from the smallest element upward. Elements keep
// their addresses while they are in the list.
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

template <class T>
class TISListImp {
    using Slots = std::vector<std::unique_ptr<T>>;

public:
    // Walks the elements themselves, not the pointers.
    template <class Slot, class Ref>
    class Iter {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::remove_reference_t<Ref>*;
        using reference = Ref;

        Iter() = default;
        explicit Iter(Slot it) : it_(it) {}
        Ref operator*() const { return **it_; }
        pointer operator->() const { return it_->get(); }
        Iter& operator++() {
            ++it_;
            return *this;
        }
        Iter operator++(int) {
            Iter old = *this;
            ++it_;
            return old;
        }
        friend bool operator==(const Iter&, const Iter&) = default;

    private:
        Slot it_{};
    };
    using iterator = Iter<typename Slots::iterator, T&>;
    using const_iterator = Iter<typename Slots::const_iterator, const T&>;

    TISListImp() = default;
    TISListImp(const TISListImp&) = delete;
    TISListImp& operator=(const TISListImp&) = delete;
    TISListImp(TISListImp&&) noexcept = default;
    TISListImp& operator=(TISListImp&&) noexcept = default;

    // Takes ownership; returns the element.
    // The list is always sorted, so the place is found by halving: a catalogue
    // of thousands reads in n log n comparisons, and in file order it appends.
    T& Add(std::unique_ptr<T> item) {
        const auto at = std::lower_bound(items_.begin(), items_.end(), item, kleiner);
        return **items_.insert(at, std::move(item));
    }
    T& Add(const T& item) { return Add(std::make_unique<T>(item)); }

    // Inserts after the last element that is not greater, so that equal
    // elements stay in the order they were added.
    T& AddAfterEquals(std::unique_ptr<T> item) {
        const auto at = std::upper_bound(items_.begin(), items_.end(), item, kleiner);
        return **items_.insert(at, std::move(item));
    }

    // Adds many elements at once, in n log n comparisons: each goes after the
    // elements equal to it, the new ones among themselves in their order.
    void AddAllAfterEquals(std::vector<std::unique_ptr<T>> neu) {
        std::stable_sort(neu.begin(), neu.end(), kleiner);
        const auto mitte = items_.size();
        items_.insert(items_.end(), std::make_move_iterator(neu.begin()),
                      std::make_move_iterator(neu.end()));
        std::inplace_merge(items_.begin(), items_.begin() + std::ptrdiff_t(mitte), items_.end(),
                           kleiner);
    }

    // Adds many elements at once, as Add would one by one from the first to
    // the last (among equal ones the later before the earlier, all before the
    // old), in n log n comparisons.
    void AddAll(std::vector<std::unique_ptr<T>> neu) {
        std::reverse(neu.begin(), neu.end());
        std::stable_sort(neu.begin(), neu.end(), kleiner);
        Slots alle;
        alle.reserve(items_.size() + neu.size());
        // merge takes from its first range on ties.
        std::merge(std::make_move_iterator(neu.begin()), std::make_move_iterator(neu.end()),
                   std::make_move_iterator(items_.begin()), std::make_move_iterator(items_.end()),
                   std::back_inserter(alle), kleiner);
        items_ = std::move(alle);
    }

    size_t GetItemsInContainer() const { return items_.size(); }
    bool IsEmpty() const { return items_.empty(); }
    // Deletes every element.
    void Flush() { items_.clear(); }

    // The element at list position i (0 = smallest); i must be in range.
    T& operator[](size_t i) { return *items_[i]; }
    const T& operator[](size_t i) const { return *items_[i]; }

    template <class Pred>
    T* FirstThat(Pred pred) {
        for (auto& p : items_)
            if (pred(*p)) return p.get();
        return nullptr;
    }
    template <class Pred>
    const T* FirstThat(Pred pred) const {
        for (auto& p : items_)
            if (pred(*p)) return p.get();
        return nullptr;
    }

    // Removes the first element that satisfies pred and hands it over.
    template <class Pred>
    std::unique_ptr<T> Detach(Pred pred) {
        for (auto it = items_.begin(); it != items_.end(); ++it) {
            if (pred(**it)) {
                std::unique_ptr<T> p = std::move(*it);
                items_.erase(it);
                return p;
            }
        }
        return nullptr;
    }

    iterator begin() { return iterator(items_.begin()); }
    iterator end() { return iterator(items_.end()); }
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

private:
    static bool kleiner(const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) {
        return *a < *b;
    }
    Slots items_;
};
