// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CategoryRules.h"
#include "engine/Engine.h"
#include "engine/Errors.h"
#include "engine/Text.h"

#include <string_view>

namespace varnolt {

void Engine::AddPreviewItem(const std::string& path, const std::string& category,
                            std::span<const std::string> sidecars) {
    NodeId node = PreviewTree::Root;
    // The result location itself: the item hangs right below the root.
    if (category != kResultFolderItself) {
        std::string_view rest = category;
        // Every level gets a node, the empty text of a doubled or trailing "/" included.
        for (auto slash = rest.find('/'); slash != std::string_view::npos; slash = rest.find('/')) {
            node = preview_.FindOrAddChild(node, rest.substr(0, slash));
            rest.remove_prefix(slash + 1);
        }
        node = preview_.FindOrAddChild(node, rest);
    }
    const NodeId item = preview_.AddItemNode(node, NameOf(path));
    for (const std::string& sidecar : sidecars)
        preview_.AddCompanionNode(item, NameOf(sidecar));
    preview_.ExpandRoot();
    preview_.Repaint();
    turns_.Pump();
    state_.FolderFillCount += 1;
}

void Engine::PlaceInPreview(const std::string& path, const std::string& category, bool isFile,
                            std::span<const std::string> sidecars) {
    // A run refuses such a name whatever the disk holds: the preview says so beforehand.
    if (ContainsLineBreak(path))
        return Fail(path, options_.MoveSourceFiles ? Step::Move : Step::Copy,
                    MakeError(EngineError::LineBreakInName));
    // Without a result location the place is relative to it.
    const std::string root = options_.ResultLocation.empty() ? std::string() : state_.ResultRoot;
    const std::string folder = category == kResultFolderItself ? root : root + category;
    std::vector<Companion> forms;
    for (const std::string& sidecar : sidecars)
        forms.push_back(SidecarForm(NameViewOf(path), NameViewOf(sidecar)));
    const std::string destination = PredictedDestination(path, folder, isFile, forms);
    ++tally_.Placed;
    host_.Placed({path, category, destination, !isFile, true});
    for (std::size_t i = 0; i < sidecars.size(); ++i)
        host_.Placed({sidecars[i], category, forms[i].Beside(destination), false, true, path});
    AddPreviewItem(path, category, sidecars);
}

// Where a run started now would put the item: the name in its category folder, numbered on past what
// is on disk and what earlier items of this preview are to take, as the run numbers.
std::string Engine::PredictedDestination(const std::string& path, const std::string& folder, bool isFile,
                                         std::span<const Companion> sidecars) {
    std::string destination =
        folder.empty() ? std::string(NameViewOf(path)) : PathIn(folder, NameViewOf(path));
    if (options_.ResultLocation.empty() || destination == path) return destination;
    FileSystem& fs = services_.Fs;
    const auto claimed = [this](const std::string& candidate) { return previewClaimed_.contains(candidate); };
    if (isFile && fs.FileExists(path)) {
        const auto suffix = IsWebPage(path) ? CompanionSuffixOf(path) : std::nullopt;
        const Companion page{false, suffix.value_or("")};
        destination =
            FirstFreeFileName(destination, suffix ? std::span<const Companion>(&page, 1) : sidecars, claimed);
        for (const Companion& sidecar : suffix ? std::span<const Companion>() : sidecars)
            previewClaimed_.insert(sidecar.Beside(destination));
    } else {
        destination = FreeFolderName(destination, NextNumberToTry(destination, kFolderNumbering), claimed);
    }
    previewClaimed_.insert(destination);
    return destination;
}

} // namespace varnolt
