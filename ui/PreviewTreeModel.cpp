// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PreviewTreeModel.h"

#include "engine/Messages.h"
#include "platform/qt/QtTranslator.h"

#include <utility>

namespace varnolt {

PreviewTreeModel::PreviewTreeModel(const PreviewTree& tree, Icons icons, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree), icons_(std::move(icons)), previewRoot_(icons_.Root) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kBatchMilliseconds);
    connect(&flushTimer_, &QTimer::timeout, this, &PreviewTreeModel::Flush);
    sinceFlush_.start();
}

void PreviewTreeModel::Flush() {
    flushTimer_.stop();
    sinceFlush_.restart();
    if (rootWaiting_) {
        rootWaiting_ = false;
        beginInsertRows({}, 0, 0);
        MarkShown(PreviewTree::Root);
        endInsertRows();
    }
    // A parent not shown yet is taken in whole when its own parent's new children are shown.
    for (const NodeId parent : dirtyParents_) {
        shown_[parent].Dirty = false;
        if (shown_[parent].Visible) ShowWaitingChildren(parent);
    }
    dirtyParents_.clear();
    if (rootExpandWaiting_ && rowCount() > 0) {
        rootExpandWaiting_ = false;
        emit rootExpandRequested(IndexOf(PreviewTree::Root));
    }
}

void PreviewTreeModel::SetRootIcon(const QIcon& icon) {
    icons_.Root = icon;
    if (rowCount() > 0) {
        const QModelIndex root = IndexOf(PreviewTree::Root);
        emit dataChanged(root, root, {Qt::DecorationRole});
    }
}

void PreviewTreeModel::MarkShown(NodeId node) {
    markPending_.push_back(node);
    while (!markPending_.empty()) {
        const NodeId current = markPending_.back();
        markPending_.pop_back();
        Shown& shown = shown_[current];
        shown.Visible = true;
        // Most nodes shown are items: their own entry tells that, without a look into the tree.
        shown.Children = shown.HasChildren ? static_cast<std::uint32_t>(tree_.ChildCount(current)) : 0;
        for (std::uint32_t i = 0; i < shown.Children; ++i)
            markPending_.push_back(tree_.Child(current, i));
    }
}

void PreviewTreeModel::ShowWaitingChildren(NodeId parent) {
    const std::uint32_t known = shown_[parent].Children;
    const auto count = static_cast<std::uint32_t>(tree_.ChildCount(parent));
    if (count <= known) return;
    beginInsertRows(IndexOf(parent), static_cast<int>(known), static_cast<int>(count - 1));
    for (std::uint32_t i = known; i < count; ++i)
        MarkShown(tree_.Child(parent, i));
    shown_[parent].Children = count;
    endInsertRows();
}

QModelIndex PreviewTreeModel::IndexOf(NodeId node) const {
    return createIndex(static_cast<int>(shown_[node].Row), 0, static_cast<quintptr>(node));
}

QModelIndex PreviewTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column != 0) return {};
    if (!parent.isValid()) return row < rowCount() ? IndexOf(PreviewTree::Root) : QModelIndex();
    const NodeId node = NodeOf(parent);
    if (static_cast<std::uint32_t>(row) >= shown_[node].Children) return {};
    return createIndex(row, 0, static_cast<quintptr>(tree_.Child(node, static_cast<std::size_t>(row))));
}

QModelIndex PreviewTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    const NodeId up = tree_.Parent(NodeOf(child));
    return up == kNoNode ? QModelIndex() : IndexOf(up);
}

int PreviewTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    if (!parent.isValid()) return !shown_.empty() && shown_[PreviewTree::Root].Visible ? 1 : 0;
    return static_cast<int>(shown_[NodeOf(parent)].Children);
}

int PreviewTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool PreviewTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant PreviewTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const NodeId node = NodeOf(index);
    if (node >= tree_.NodeCount()) return {};
    switch (role) {
    case Qt::DisplayRole:
        // A root without text stands for a result location not chosen yet.
        if (node == PreviewTree::Root && tree_.Text(node).empty())
            return QString::fromStdString(TranslatedEngineText(Messages::NoResultLocationRoot));
        return QString::fromStdString(tree_.Text(node));
    case Qt::DecorationRole:
        if (node == PreviewTree::Root) return icons_.Root;
        // Nested category levels are folders too, though they sit where items sit.
        if (!tree_.IsFileItem(node)) return icons_.Category;
        return icons_.Item(QString::fromStdString(tree_.Text(node)));
    default:
        return {};
    }
}

void PreviewTreeModel::TreeCleared() {
    flushTimer_.stop();
    beginResetModel();
    shown_.clear();
    dirtyParents_.clear();
    rootWaiting_ = false;
    rootExpandWaiting_ = false;
    icons_.Root = previewRoot_;
    endResetModel();
}

void PreviewTreeModel::NodeAppended(NodeId parent, NodeId node) {
    if (shown_.size() <= node) shown_.resize(static_cast<std::size_t>(node) + 1);
    if (parent == kNoNode) {
        rootWaiting_ = true;
        return;
    }
    shown_[node].Row = static_cast<std::uint32_t>(tree_.ChildCount(parent) - 1);
    Shown& above = shown_[parent];
    above.HasChildren = true;
    if (!above.Dirty) {
        above.Dirty = true;
        dirtyParents_.push_back(parent);
    }
}

void PreviewTreeModel::RootExpanded() {
    rootExpandWaiting_ = true;
}

void PreviewTreeModel::RootRenamed() {
    if (rowCount() == 0) return;
    const QModelIndex root = IndexOf(PreviewTree::Root);
    emit dataChanged(root, root, {Qt::DisplayRole});
}

void PreviewTreeModel::Repaint() {
    if (sinceFlush_.elapsed() >= kBatchMilliseconds)
        Flush();
    else if (!flushTimer_.isActive())
        flushTimer_.start();
}

} // namespace varnolt
