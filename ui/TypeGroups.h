// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's side of the type groups: the entries of the type filter and the stored form of the two
// free Other groups. The predefined groups themselves are the table in engine/TypeGroups.h.
#include "engine/TypeGroups.h"

#include <array>
#include <string>

namespace varnolt {

// The filter's entries are the predefined groups, at their index, then the user's own list.
inline constexpr int kCustomFilterEntry = static_cast<int>(kTypeGroupCount);
inline constexpr const char* kCustomFilterEntryText = "Custom Files";

// A free group is stored as its folder name, a space and its list, and read back split at the first
// space: a folder name with a space in it loses its second part to the list.
struct OtherGroupText {
    std::string Folder;
    std::string Types;
};
std::string JoinOtherGroup(const std::string& folder, const std::string& types);
OtherGroupText SplitOtherGroup(const std::string& stored);
inline constexpr std::array<const char*, 2> kOtherGroupStoredNames = {"Othertype1", "Othertype2"};

} // namespace varnolt
