// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

// Appends `item` unless `list` already holds an equal one: the dictionary's lists keep the
// order of first appearance and never repeat a lemma, a name or a part of speech.
template <typename T, typename U>
void addOnce(std::vector<T>& list, U&& item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(std::forward<U>(item));
}
