#pragma once
// A working array of pointers that does not own its elements: the moisture
// calculation's array of layer copies indexed by boundary.
#include <vector>

template <class T>
using TIArrayAsVector = std::vector<T*>;
