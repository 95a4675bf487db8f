// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Sidecars.h"

#include "engine/PathText.h"
#include "engine/Utf8.h"

#include <optional>

namespace varnolt {

namespace {

constexpr std::string_view kSidecarExtension = ".xmp";

} // namespace

std::string Companion::Beside(std::string_view item) const {
    return (KeepsExtension ? std::string(item) : WithoutExtension(item)) + Tail;
}

std::string CompanionKind(std::span<const Companion> companions) {
    std::string kind;
    for (const Companion& companion : companions)
        kind.append(1, companion.KeepsExtension ? '+' : '-').append(companion.Tail);
    return kind;
}

bool IsSidecarName(std::string_view name) {
    return name.size() > kSidecarExtension.size() &&
           LowerAsciiLetters(name.substr(name.size() - kSidecarExtension.size())) == kSidecarExtension;
}

Companion SidecarForm(std::string_view itemName, std::string_view sidecarName) {
    const std::string_view tail = sidecarName.substr(sidecarName.size() - kSidecarExtension.size());
    const bool keepsExtension = sidecarName.substr(0, sidecarName.size() - tail.size()) == itemName;
    return {keepsExtension, std::string(tail)};
}

SidecarPairing::SidecarPairing(const std::vector<FolderEntry>& entries) {
    const auto isSidecar = [&](std::size_t i) {
        return !entries[i].IsFolder && IsSidecarName(entries[i].Name);
    };
    bool any = false;
    for (std::size_t i = 0; i < entries.size() && !any; ++i)
        any = isSidecar(i);
    if (!any) return;
    // The files that may have a sidecar, by name and by name without extension, first in listing order.
    std::unordered_map<std::string_view, std::size_t> byName;
    std::unordered_map<std::string, std::size_t> byStem;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].IsFolder || isSidecar(i)) continue;
        byName.try_emplace(entries[i].Name, i);
        if (!ExtensionOf(entries[i].Name).empty()) byStem.try_emplace(WithoutExtension(entries[i].Name), i);
    }
    goesWith_.resize(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!isSidecar(i)) continue;
        const std::string_view name = entries[i].Name;
        const std::string stem(name.substr(0, name.size() - kSidecarExtension.size()));
        std::optional<std::size_t> owner;
        const auto full = byName.find(stem);
        const auto photo = byStem.find(stem);
        if (full != byName.end() && !ExtensionOf(stem).empty())
            owner = full->second;
        else if (photo != byStem.end())
            owner = photo->second;
        else if (full != byName.end())
            owner = full->second;
        if (!owner) continue;
        goesWith_[i] = true;
        sidecars_[*owner].push_back(entries[i].Name);
    }
}

std::span<const std::string> SidecarPairing::SidecarsOf(std::size_t entry) const {
    const auto found = sidecars_.find(entry);
    if (found == sidecars_.end()) return {};
    return found->second;
}

std::vector<std::string> SidecarsOnDisk(FileSystem& fs, const std::string& file) {
    std::vector<std::string> sidecars;
    if (IsSidecarName(NameViewOf(file))) return sidecars;
    for (const std::string& base : {file, WithoutExtension(file)}) {
        // One spelling each: on a file system blind to letter case both would name one file.
        for (const std::string_view tail : {kSidecarExtension, std::string_view(".XMP")}) {
            std::string candidate = base + std::string(tail);
            if (!fs.FileExists(candidate)) continue;
            sidecars.push_back(std::move(candidate));
            break;
        }
        if (ExtensionOf(file).empty()) break;
    }
    return sidecars;
}

} // namespace varnolt
