#pragma once
// The one sort engine of the grids: the order in which rows come when sorted
// by a key, as a permutation of row indices. Rows with equal keys keep their
// present order in either direction.
#include <QStringView>

#include <vector>

namespace gridsort {

// Numbers by value (-0 equals 0).
std::vector<int> byNumber(const std::vector<double>& keys, bool ascending);

// Text by Unicode code point, case-sensitive ("10" < "100" < "9").
std::vector<int> byText(const std::vector<QStringView>& keys, bool ascending);

}  // namespace gridsort
