#pragma once
// The quicksort the files were always sorted with. Equal keys may change their
// order, and callers rely on getting the same order as before, so this is kept
// instead of std::sort.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace dudode {

// Sorts items by keys (parallel vectors), comparing the keys byte by byte.
template <class T>
void QuickSortParallel(std::vector<T>& items, std::vector<std::string>& keys) {
  if (items.size() < 2) return;
  // Explicit stack instead of recursion: a hostile file cannot exhaust it.
  std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> ranges;
  ranges.emplace_back(0, static_cast<std::ptrdiff_t>(items.size()) - 1);
  while (!ranges.empty()) {
    const auto [l, r] = ranges.back();
    ranges.pop_back();
    std::ptrdiff_t i = l;
    std::ptrdiff_t j = r;
    const std::string pivot = keys[static_cast<std::size_t>((l + r) / 2)];
    do {
      while (keys[static_cast<std::size_t>(i)] < pivot) ++i;
      while (keys[static_cast<std::size_t>(j)] > pivot) --j;
      if (i <= j) {
        std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(j)]);
        std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    // Same partitions as the recursive form: left part first.
    if (i < r) ranges.emplace_back(i, r);
    if (l < j) ranges.emplace_back(l, j);
  }
}

// Sorts items by the key each one yields.
template <class T, class KeyOf>
void QuickSortBy(std::vector<T>& items, KeyOf keyOf) {
  std::vector<std::string> keys;
  keys.reserve(items.size());
  for (const auto& item : items) keys.emplace_back(keyOf(item));
  QuickSortParallel(items, keys);
}

}  // namespace dudode
