// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What goes with an item under a name made from the item's: a saved page's folder ("page_files" beside
// "page.htm"), a photo's sidecar ("IMG_1.xmp" or "IMG_1.CR2.xmp" beside "IMG_1.CR2"). Together or not
// at all: the item's new name is free only when the names beside it are free too.
#include "platform/FileSystem.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace varnolt {

struct Companion {
    bool KeepsExtension = false; // "IMG_1.CR2.xmp" rather than "IMG_1.xmp"
    std::string Tail;            // ".xmp", "_files", spelled as found
    // The companion's path beside the item at `item`.
    std::string Beside(std::string_view item) const;
};

// The memo kind of a name with these companions, so that numbers found taken for one set of names
// are not taken as taken for another.
std::string CompanionKind(std::span<const Companion> companions);

// Whether a name is a sidecar's, ".xmp" in any letter case.
bool IsSidecarName(std::string_view name);
// How the sidecar `sidecarName` hangs off `itemName`, both names in one folder.
Companion SidecarForm(std::string_view itemName, std::string_view sidecarName);

// The sidecars of a folder's listing: for each entry, the entries that go with it; an entry that goes
// with another is no item of its own. "NAME.EXT.xmp" goes with "NAME.EXT"; "NAME.xmp" with the first
// file in listing order named "NAME.<extension>" (a raw before its JPEG, in the usual names), and with
// "NAME" when there is no such file. A sidecar with no such file is an item like any other.
class SidecarPairing {
  public:
    explicit SidecarPairing(const std::vector<FolderEntry>& entries);
    bool GoesWithAnother(std::size_t entry) const { return !goesWith_.empty() && goesWith_[entry]; }
    // The names of the entry's sidecars.
    std::span<const std::string> SidecarsOf(std::size_t entry) const;

  private:
    std::vector<bool> goesWith_; // empty when the listing holds no sidecar
    std::unordered_map<std::size_t, std::vector<std::string>> sidecars_;
};

// The sidecars on the disk beside one file, for a file the user listed on its own.
std::vector<std::string> SidecarsOnDisk(FileSystem& fs, const std::string& file);

} // namespace varnolt
