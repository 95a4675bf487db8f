// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CategoryRules.h"
#include "engine/Engine.h"
#include "engine/Text.h"

#include <string_view>

namespace varnolt {

void Engine::AddPreviewItem(const std::string& path, const std::string& category) {
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
    preview_.AddItemNode(node, NameOf(path));
    services_.View.PreviewItemAdded(path, category);
    preview_.ExpandRoot();
    preview_.Repaint();
    services_.Pump.Pump();
    state_.FolderFillCount += 1;
}

} // namespace varnolt
