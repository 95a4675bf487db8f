// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "engine/Options.h"
#include "platform/FileSystem.h"
#include "platform/MessagePump.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnolt {

// Receives the items a walk finds.
class ItemSink {
  public:
    virtual ~ItemSink() = default;
    // `listedIn`, when given, is the open folder the item was listed in, for reading its facts; `entry`,
    // the file's identity as the listing gave it (its folder's device, its inode), zero when not known.
    // `sidecars`: the paths of the files that go with it (engine/Sidecars.h), when the options keep them.
    virtual void ClassifyItem(const std::string& path, bool isFile, ListedFolder* listedIn,
                              FolderIdentity entry, std::span<const std::string> sidecars) = 0;
};

// The folders a walk leaves alone, compared by identity: the result location, when it lies inside a
// source, so that a run does not classify its own output again, and the program's own folders (the
// journal, its lock and the lists). Never entered nor handed over. The folders that hold one of them
// are entered, but never handed over whole, since that would carry the kept-out folder along.
class KeptOutFolders {
  public:
    // Nothing happens for a folder that does not exist.
    void Add(FileSystem& fs, const std::string& folder);
    bool IsKeptOut(const std::optional<FolderIdentity>& folder) const;
    bool HoldsKeptOut(const std::optional<FolderIdentity>& folder) const;

  private:
    std::vector<FolderIdentity> keptOut_;
    std::vector<FolderIdentity> holders_;
};

struct WalkContext {
    FileSystem& Fs;
    MessagePump& Pump;
    const ClassifyOptions& Options;
    const bool& StopRequested;
    ItemSink& Sink;
    KeptOutFolders KeptOut;
};

// Hands the files, and the subfolders when the options ask for them, of one source folder to the sink;
// pre-order, depth first, each folder's entries in a stable name order. The source folder itself is
// walked even when it is kept out: a folder may be sorted in place, into itself; and followed when it
// is a link, since the user named it. A link to a folder met below it is neither entered nor handed
// over: it stays where it is, and so does everything reached only through it.
void WalkSourceFolder(const WalkContext& context, const std::string& folder);

// "page.files" or "page_files", in any letter case: the parts of a saved web page.
bool IsCompanionFolderName(std::string_view name);

} // namespace varnolt
