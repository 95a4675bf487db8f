#include "engine/PreviewTree.h"

#include <functional>
#include <stdexcept>

namespace varnolt {

namespace {

// Mixed well enough that the low bits, which pick the slot, depend on every bit of both parts.
std::size_t HashOf(NodeId parent, std::string_view text) {
    std::size_t h = std::hash<std::string_view>{}(text) ^ (static_cast<std::size_t>(parent) * 0x9E3779B97F4A7C15ull);
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 32);
}

} // namespace

void PreviewTree::Clear() {
    nodes_.clear();
    index_.clear();
    if (view_) view_->TreeCleared();
}

void PreviewTree::AddRoot(const std::string& text) {
    if (HasNodes()) Clear();
    nodes_.push_back(Node{text, kNoNode, 0, {}});
    if (view_) view_->NodeAppended(kNoNode, Root);
}

bool PreviewTree::HasNodes() const { return !nodes_.empty(); }

void PreviewTree::RenameRoot(const std::string& text) {
    if (!HasNodes()) return;
    nodes_[Root].Text = text;
    if (view_) view_->RootRenamed();
}

NodeId PreviewTree::FindOrAddChild(NodeId parent, std::string_view text) {
    At(parent);
    const std::size_t hash = HashOf(parent, text);
    const NodeId found = index_.empty() ? kNoNode : index_[SlotOf(parent, text, hash)];
    return found != kNoNode ? found : Append(parent, text, hash);
}

void PreviewTree::AddItemNode(NodeId parent, std::string_view text) { FindOrAddChild(parent, text); }

std::size_t PreviewTree::NodeCount() const { return nodes_.size(); }
const std::string& PreviewTree::Text(NodeId node) const { return At(node).Text; }
NodeId PreviewTree::Parent(NodeId node) const { return At(node).Parent; }

int PreviewTree::Level(NodeId node) const {
    int level = 0;
    for (NodeId up = At(node).Parent; up != kNoNode; up = nodes_[up].Parent) ++level;
    return level;
}

std::size_t PreviewTree::ChildCount(NodeId node) const { return At(node).Children.size(); }
NodeId PreviewTree::Child(NodeId node, std::size_t index) const { return At(node).Children.at(index); }

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
    // Keep the table at most three quarters full so that probes stay short.
    if ((nodes_.size() + 1) * 4 > index_.size() * 3) GrowIndex();
    const auto node = static_cast<NodeId>(nodes_.size());
    nodes_.push_back(Node{std::string(text), parent, hash, {}});
    nodes_[parent].Children.push_back(node);
    index_[FreeSlot(hash)] = node;
    if (view_) view_->NodeAppended(parent, node);
    return node;
}

std::size_t PreviewTree::SlotOf(NodeId parent, std::string_view text, std::size_t hash) const {
    const std::size_t mask = index_.size() - 1; // the size is a power of two
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const NodeId candidate = index_[slot];
        if (candidate == kNoNode) return slot;
        const Node& n = nodes_[candidate];
        if (n.Hash == hash && n.Parent == parent && n.Text == text) return slot;
    }
}

// For a node known not to be in the table yet.
std::size_t PreviewTree::FreeSlot(std::size_t hash) const {
    const std::size_t mask = index_.size() - 1;
    std::size_t slot = hash & mask;
    while (index_[slot] != kNoNode) slot = (slot + 1) & mask;
    return slot;
}

void PreviewTree::GrowIndex() {
    index_.assign(index_.empty() ? 64 : index_.size() * 2, kNoNode);
    for (NodeId node = Root + 1; node < nodes_.size(); ++node) index_[FreeSlot(nodes_[node].Hash)] = node;
}

} // namespace varnolt
