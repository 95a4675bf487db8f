// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PreviewTree.h"

#include <functional>
#include <stdexcept>

namespace varnolt {

namespace {

// Mixed well enough that the low bits, which pick the slot, depend on every bit of both parts.
std::size_t HashOf(NodeId parent, std::string_view text) {
    std::size_t h =
        std::hash<std::string_view>{}(text) ^ (static_cast<std::size_t>(parent) * 0x9E3779B97F4A7C15ull);
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 32);
}

} // namespace

void PreviewTree::Clear() {
    nodes_.clear();
    index_.fill(Shard{});
    if (view_) view_->TreeCleared();
}

void PreviewTree::AddRoot(const std::string& text) {
    if (HasNodes()) Clear();
    nodes_.push_back(Node{text, kNoNode, false, 0, {}, false});
    if (view_) view_->NodeAppended(kNoNode, Root);
}

bool PreviewTree::HasNodes() const {
    return !nodes_.empty();
}

void PreviewTree::RenameRoot(const std::string& text) {
    if (!HasNodes()) return;
    nodes_[Root].Text = text;
    if (view_) view_->RootRenamed();
}

NodeId PreviewTree::FindOrAddChild(NodeId parent, std::string_view text) {
    At(parent);
    const std::size_t hash = HashOf(parent, text);
    const Shard& shard = ShardOf(hash);
    const NodeId found = shard.Slots.empty() ? kNoNode : shard.Slots[SlotOf(shard, parent, text, hash)];
    return found != kNoNode ? found : Append(parent, text, hash);
}

NodeId PreviewTree::AddItemNode(NodeId parent, std::string_view text) {
    const NodeId node = FindOrAddChild(parent, text);
    nodes_[node].Item = true;
    return node;
}

void PreviewTree::AddCompanionNode(NodeId parent, std::string_view text) {
    const NodeId node = AddItemNode(parent, text);
    nodes_[node].Companion = true;
}

bool PreviewTree::IsItem(NodeId node) const {
    return At(node).Item;
}

bool PreviewTree::IsFileItem(NodeId node) const {
    const Node& shown = At(node);
    return shown.Item && (shown.Children.empty() || nodes_[shown.Children.front()].Companion);
}

std::size_t PreviewTree::NodeCount() const {
    return nodes_.size();
}
const std::string& PreviewTree::Text(NodeId node) const {
    return At(node).Text;
}
NodeId PreviewTree::Parent(NodeId node) const {
    return At(node).Parent;
}

int PreviewTree::Level(NodeId node) const {
    int level = 0;
    for (NodeId up = At(node).Parent; up != kNoNode; up = nodes_[up].Parent)
        ++level;
    return level;
}

std::size_t PreviewTree::ChildCount(NodeId node) const {
    return At(node).Children.size();
}
NodeId PreviewTree::Child(NodeId node, std::size_t index) const {
    return At(node).Children.at(index);
}

void PreviewTree::ExpandRoot() {
    if (view_) view_->RootExpanded();
}

void PreviewTree::Repaint() {
    if (view_) view_->Repaint();
}

const PreviewTree::Node& PreviewTree::At(NodeId node) const {
    if (node >= nodes_.size()) throw std::out_of_range("no such preview node");
    return nodes_[node];
}

NodeId PreviewTree::Append(NodeId parent, std::string_view text, std::size_t hash) {
    if (nodes_.size() >= kNoNode) throw std::length_error("preview tree full");
    Shard& shard = ShardOf(hash);
    // Keep each table at most three quarters full so that probes stay short.
    if ((shard.Count + 1) * 4 > shard.Slots.size() * 3) Grow(shard);
    const auto node = static_cast<NodeId>(nodes_.size());
    nodes_.push_back(Node{std::string(text), parent, false, hash, {}, false});
    nodes_[parent].Children.push_back(node);
    shard.Slots[FreeSlot(shard, hash)] = node;
    ++shard.Count;
    if (view_) view_->NodeAppended(parent, node);
    return node;
}

PreviewTree::Shard& PreviewTree::ShardOf(std::size_t hash) {
    return index_[hash >> (std::numeric_limits<std::size_t>::digits - ShardBits)];
}

const PreviewTree::Shard& PreviewTree::ShardOf(std::size_t hash) const {
    return index_[hash >> (std::numeric_limits<std::size_t>::digits - ShardBits)];
}

std::size_t PreviewTree::SlotOf(const Shard& shard, NodeId parent, std::string_view text,
                                std::size_t hash) const {
    const std::size_t mask = shard.Slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const NodeId candidate = shard.Slots[slot];
        if (candidate == kNoNode) return slot;
        const Node& n = nodes_[candidate];
        if (n.Hash == hash && n.Parent == parent && n.Text == text) return slot;
    }
}

// For a node known not to be in the table yet.
std::size_t PreviewTree::FreeSlot(const Shard& shard, std::size_t hash) {
    const std::size_t mask = shard.Slots.size() - 1;
    std::size_t slot = hash & mask;
    while (shard.Slots[slot] != kNoNode)
        slot = (slot + 1) & mask;
    return slot;
}

void PreviewTree::Grow(Shard& shard) {
    std::vector<NodeId> old(shard.Slots.empty() ? 16 : shard.Slots.size() * 2, kNoNode);
    old.swap(shard.Slots);
    for (const NodeId node : old)
        if (node != kNoNode) shard.Slots[FreeSlot(shard, nodes_[node].Hash)] = node;
}

} // namespace varnolt
