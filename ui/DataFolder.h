// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder of the program's own files: "Wordfilter.txt", "Folderlist.txt" and "undo.udo".
#include "platform/FileSystem.h"

#include <string>

namespace varnolt {

inline constexpr const char* kWordListFileName = "Wordfilter.txt";
inline constexpr const char* kSourceListFileName = "Folderlist.txt";

// "Quorvane/Varnolt/" below `userDataLocation`, every missing level created; a level that cannot be
// created is left for the file operations to fail on. Without a location the folder is relative to
// the current one. The result ends with "/".
std::string MakeDataFolder(FileSystem& fs, const std::string& userDataLocation);

// The desktop's per-user data location (such as ~/.local/share), or "" when there is none.
std::string UserDataLocation();

} // namespace varnolt
