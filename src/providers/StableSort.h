#pragma once
// Sorting provider names and entries by byte-wise keys. The sort is stable:
// items with equal keys keep their order, so that saving a file twice gives
// the same bytes.
#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <vector>

namespace dudode {

// Sorts items by keys (parallel vectors), comparing the keys byte by byte.
template <class T>
void StableSortParallel(std::vector<T>& items, std::vector<std::string>& keys) {
  // Lists read from a file are mostly in order already.
  if (std::is_sorted(keys.begin(), keys.end())) return;
  std::vector<std::size_t> order(items.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<T> sortedItems;
  std::vector<std::string> sortedKeys;
  sortedItems.reserve(items.size());
  sortedKeys.reserve(keys.size());
  for (std::size_t i : order) {
    sortedItems.push_back(std::move(items[i]));
    sortedKeys.push_back(std::move(keys[i]));
  }
  items = std::move(sortedItems);
  keys = std::move(sortedKeys);
}

}  // namespace dudode
