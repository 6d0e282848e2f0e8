#pragma once

#include "foundation/llist.h"

#include <utility>

// Removes every element for which `pred` is true in one pass, keeping the
// order of the others; returns how many went. Linear, unlike removing one
// element at a time, which matters for lists read from untrusted files.
template <typename T, typename Pred> int removeIf(Llist<T>& list, Pred pred) {
    int kept = 0;
    const int n = list.count();
    for (int k = 0; k < n; ++k) {
        if (pred(std::as_const(list[k]), k)) continue;
        if (kept != k) list[kept] = std::move(list[k]);
        ++kept;
    }
    if (kept != n) list.resize(kept);
    return n - kept;
}
