// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order of the source list: locale-aware and case-sensitive, as a user reads the paths, with ties
// broken by the bytes so that two different paths never compare equal.
#include <cstddef>
#include <string>
#include <vector>

namespace varnolt {

// Negative, zero or positive as `a` sorts before, with or after `b`; zero only for equal bytes.
int CompareSourcePaths(const std::string& a, const std::string& b);

// Where `path` goes in `sorted` (kept in that order): after every row that sorts with or before it.
std::size_t SourceInsertPosition(const std::vector<std::string>& sorted, const std::string& path);

} // namespace varnolt
