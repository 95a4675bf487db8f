// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tree a preview builds: a root standing for the result location, a node for every level of every
// category, and inside each category a node for every item placed there. Children keep insertion order;
// below one parent no two children share a text (exact comparison). Finding a child uses an index, not
// a scan of the siblings, so wide categories cost the same per item as narrow ones.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace varnolt {

using NodeId = std::uint32_t;
inline constexpr NodeId kNoNode = std::numeric_limits<NodeId>::max();

// The window's view of the tree; called as the tree changes.
class PreviewTreeView {
  public:
    virtual ~PreviewTreeView() = default;
    virtual void TreeCleared() = 0;                            // every node removed
    virtual void NodeAppended(NodeId parent, NodeId node) = 0; // parent is kNoNode for the root
    virtual void RootExpanded() = 0; // the root's children shown; deeper nodes as they were
    virtual void RootRenamed() = 0;
    virtual void Repaint() = 0;
};

class PreviewTree {
  public:
    static constexpr NodeId Root = 0;

    void SetView(PreviewTreeView* view) { view_ = view; }

    void Clear();
    void AddRoot(const std::string& text);
    bool HasNodes() const;
    void RenameRoot(const std::string& text);

    NodeId FindOrAddChild(NodeId parent, std::string_view text);
    NodeId AddItemNode(NodeId parent, std::string_view text);
    // What goes with the item `parent` (a photo's sidecar), shown below it.
    void AddCompanionNode(NodeId parent, std::string_view text);
    // A node added as an item rather than as a category; items stand right below the root too, when
    // they go to the result location itself.
    bool IsItem(NodeId node) const;
    // An item whose children, if any, only go with it: a file, never a category.
    bool IsFileItem(NodeId node) const;

    std::size_t NodeCount() const;
    const std::string& Text(NodeId node) const;
    NodeId Parent(NodeId node) const;
    int Level(NodeId node) const;
    std::size_t ChildCount(NodeId node) const;
    NodeId Child(NodeId node, std::size_t index) const;
    void ExpandRoot();
    void Repaint();

  private:
    struct Node {
        std::string Text;
        NodeId Parent = kNoNode;
        bool Item = false;
        std::size_t Hash = 0; // of (Parent, Text), kept so that growing the index need not hash again
        std::vector<NodeId> Children;
        bool Companion = false; // goes with the item above it
    };

    // One part of the index: an open-addressing table keyed by (parent, text); kNoNode marks a free slot.
    struct Shard {
        std::vector<NodeId> Slots; // a power of two of them
        std::size_t Count = 0;
    };
    static constexpr int ShardBits = 8;

    const Node& At(NodeId node) const;
    NodeId Append(NodeId parent, std::string_view text, std::size_t hash);
    Shard& ShardOf(std::size_t hash);
    const Shard& ShardOf(std::size_t hash) const;
    // The slot of the child of `parent` named `text`, or the empty slot where it would go.
    std::size_t SlotOf(const Shard& shard, NodeId parent, std::string_view text, std::size_t hash) const;
    static std::size_t FreeSlot(const Shard& shard, std::size_t hash);
    void Grow(Shard& shard);

    PreviewTreeView* view_ = nullptr;
    // A deque, so that a large tree never stops a preview to move every node to a larger block.
    std::deque<Node> nodes_;
    // Every node but the root, split by the top bits of its hash so that growing one shard rehashes a
    // small share of the nodes: a large preview never stops for its index either.
    std::array<Shard, std::size_t{1} << ShardBits> index_;
};

} // namespace varnolt
