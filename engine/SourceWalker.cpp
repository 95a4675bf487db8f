// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SourceWalker.h"

#include "engine/Sidecars.h"
#include "engine/Text.h"

#include <algorithm>
#include <numeric>

namespace varnolt {

namespace {

// Case-insensitive name order with ties broken by bytes, the way an NTFS listing comes, so that runs
// are repeatable and numbered folders fill in name order.
void SortByName(std::vector<FolderEntry>& entries) {
    std::vector<std::string> folded;
    folded.reserve(entries.size());
    for (const auto& entry : entries)
        folded.push_back(LowerAllLetters(entry.Name));
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (folded[a] != folded[b]) return folded[a] < folded[b];
        return entries[a].Name < entries[b].Name;
    });
    std::vector<FolderEntry> sorted;
    sorted.reserve(entries.size());
    for (std::size_t index : order)
        sorted.push_back(std::move(entries[index]));
    entries = std::move(sorted);
}

// Deeper than any path the system takes.
constexpr int kMaxHolderLevels = 2048;

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           LowerAsciiLetters(text.substr(text.size() - suffix.size())) == suffix;
}

class Walker {
  public:
    explicit Walker(const WalkContext& context) : context_(context) {}

    void Walk(const std::string& folder, const std::optional<FolderIdentity>& identity) {
        if (!identity) return;
        // A folder already on the way down (a bind mount of a folder above, say) is a cycle: entering it
        // again would never end.
        if (std::find(descent_.begin(), descent_.end(), *identity) != descent_.end()) return;
        const std::string base = WithTrailingSlash(folder);
        std::vector<FolderEntry> entries;
        std::unique_ptr<ListedFolder> listed = context_.Fs.ListFolder(base, entries);
        if (!listed) return;
        // Every level on the way down holds its folder open; far down, facts are read by path instead,
        // so that a deep tree cannot use up the process's descriptors.
        if (descent_.size() >= kHeldFolderLevels) listed.reset();
        SortByName(entries);
        const std::optional<SidecarPairing> sidecars =
            context_.Options.KeepSidecars ? std::optional<SidecarPairing>(entries) : std::nullopt;
        descent_.push_back(*identity);
        std::vector<std::string> sidecarPaths;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            context_.Pump.Pump();
            if (context_.StopRequested) break;
            sidecarPaths.clear();
            if (sidecars) {
                // A sidecar travels with its photo, not on its own.
                if (sidecars->GoesWithAnother(i)) continue;
                for (const std::string& name : sidecars->SidecarsOf(i))
                    sidecarPaths.push_back(base + name);
            }
            HandleEntry(base + entries[i].Name, entries[i], listed.get(), identity->Device, sidecarPaths);
        }
        descent_.pop_back();
    }

  private:
    static constexpr std::size_t kHeldFolderLevels = 128;

    void HandleEntry(const std::string& path, const FolderEntry& entry, ListedFolder* listed,
                     std::uint64_t device, std::span<const std::string> sidecars) {
        const ClassifyOptions& options = context_.Options;
        // A link to a folder is neither entered nor handed over: a run never takes what lies outside its
        // sources. A link to a file is an item like any file, and moves as the link itself.
        if (entry.IsLink && entry.IsFolder) return;
        // A copy of this program's own, left by a killed run or undo until the next one removes it.
        if (entry.Name.starts_with(kPartialCopyPrefix)) return;
        if (!entry.IsFolder) {
            // A link's own inode, which a look at its name by the undo does not give.
            const FolderIdentity identity{device, entry.IsLink ? 0 : entry.Inode};
            if (!options.OnlyClassifySubfolder)
                context_.Sink.ClassifyItem(path, true, listed, identity, sidecars);
            return;
        }
        const auto identity = context_.Fs.IdentifyFolder(path);
        if (context_.KeptOut.IsKeptOut(identity)) return;
        if ((options.IncludeFolderName || options.OnlyClassifySubfolder) &&
            !context_.KeptOut.HoldsKeptOut(identity))
            context_.Sink.ClassifyItem(path, false, listed, {}, {});
        // Read again: the options may have changed while the item was handled.
        if (options.IncludeSubfolders && !options.OnlyClassifySubfolder && !IsCompanionFolderName(entry.Name))
            Walk(path, identity);
    }

    const WalkContext& context_;
    std::vector<FolderIdentity> descent_;
};

} // namespace

void KeptOutFolders::Add(FileSystem& fs, const std::string& folder) {
    auto identity = fs.IdentifyFolder(folder);
    if (!identity) return;
    keptOut_.push_back(*identity);
    // Up by "..", which the system resolves from where a link led, so the real holders are found
    // whatever way the folder was named. The root is its own parent.
    std::string above = WithTrailingSlash(folder);
    for (int level = 0; level < kMaxHolderLevels; ++level) {
        above += "../";
        const auto parent = fs.IdentifyFolder(above);
        if (!parent || parent == identity) return;
        holders_.push_back(*parent);
        identity = parent;
    }
}

bool KeptOutFolders::IsKeptOut(const std::optional<FolderIdentity>& folder) const {
    return folder && std::find(keptOut_.begin(), keptOut_.end(), *folder) != keptOut_.end();
}

bool KeptOutFolders::HoldsKeptOut(const std::optional<FolderIdentity>& folder) const {
    return folder && std::find(holders_.begin(), holders_.end(), *folder) != holders_.end();
}

bool IsCompanionFolderName(std::string_view name) {
    return EndsWithIgnoringCase(name, ".files") || EndsWithIgnoringCase(name, "_files");
}

void WalkSourceFolder(const WalkContext& context, const std::string& folder) {
    Walker(context).Walk(folder, context.Fs.IdentifyFolder(folder));
}

} // namespace varnolt
