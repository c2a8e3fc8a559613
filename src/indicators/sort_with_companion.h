// The stable insertion sort every indicator runs over its source first: keys
// with a companion array moved along. Equal keys keep their order; a
// descending sort is the ascending one reversed, so equal keys end up in
// reverse order there.
#pragma once

#include <algorithm>
#include <cstddef>

namespace korvo::indicators {

template <class Key, class Companion>
void SortWithCompanion(Key* keys, Companion* companion, int n, bool ascending) {
    for (int i = 1; i < n; ++i) {
        const Key key = keys[i];
        const Companion value = companion[i];
        int j = i - 1;
        while (j >= 0 && keys[j] > key) {
            keys[j + 1] = keys[j];
            companion[j + 1] = companion[j];
            --j;
        }
        keys[j + 1] = key;
        companion[j + 1] = value;
    }
    if (!ascending && n > 1) {
        std::reverse(keys, keys + n);
        std::reverse(companion, companion + n);
    }
}

}  // namespace korvo::indicators
