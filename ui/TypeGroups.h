#pragma once
// The five predefined type groups, the two free Other groups and the entries of the type filter.
#include <array>
#include <string>
#include <string_view>

namespace varnolt {

enum class TypeGroup { Music, Image, Video, Program, Document };
inline constexpr int kTypeGroupCount = 5;
constexpr std::size_t IndexOf(TypeGroup group) { return static_cast<std::size_t>(group); }

struct TypeGroupInfo {
    TypeGroup Group;
    const char* Caption;      // of its check box, and its category
    const char* StoredName;   // the setting that holds its list
    const char* DefaultTypes;
    const char* FilterEntry;  // its entry of the type filter, at the group's index
};

extern const std::array<TypeGroupInfo, kTypeGroupCount> kTypeGroups;
const TypeGroupInfo& InfoOf(TypeGroup group);

// The filter's last entry, after the five groups, holds the user's own list.
inline constexpr int kCustomFilterEntry = kTypeGroupCount;
inline constexpr const char* kCustomFilterEntryText = "Custom Files";

// A list confirmed in the "Change file type" dialog: ";." becomes ";" and every letter is lower-cased.
// Nothing else changes, so a dot before the first entry and spaces stay.
std::string NormaliseGroupTypes(std::string_view text);

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
