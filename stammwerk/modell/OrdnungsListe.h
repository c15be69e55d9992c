#pragma once
// The list rule of the model: a new element goes before the first element
// that is not less than it, so among equal elements the newest comes first.
#include <algorithm>
#include <iterator>
#include <vector>

template <class T>
typename std::vector<T>::iterator EinordnenVorGleiche(std::vector<T>& liste, T element) {
    auto stelle = std::lower_bound(liste.begin(), liste.end(), element);
    return liste.insert(stelle, std::move(element));
}

// Many elements at once, as if each were put in by the rule above from the
// last to the first: among equal ones the new keep their order and come
// before the old. n log n, where one by one would be quadratic.
template <class T>
void EinordnenVorGleiche(std::vector<T>& liste, std::vector<T> neu) {
    std::stable_sort(neu.begin(), neu.end());
    std::vector<T> alle;
    alle.reserve(liste.size() + neu.size());
    // merge takes from its first range on ties.
    std::merge(std::make_move_iterator(neu.begin()), std::make_move_iterator(neu.end()),
               std::make_move_iterator(liste.begin()), std::make_move_iterator(liste.end()),
               std::back_inserter(alle));
    liste = std::move(alle);
}
