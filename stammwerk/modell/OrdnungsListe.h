#pragma once
// The list rule of the model: a new element goes before the first element
// that is not less than it, so among equal elements the newest comes first.
#include <algorithm>
#include <vector>

template <class T>
typename std::vector<T>::iterator EinordnenVorGleiche(std::vector<T>& liste, T element) {
    auto stelle = std::lower_bound(liste.begin(), liste.end(), element);
    return liste.insert(stelle, std::move(element));
}
