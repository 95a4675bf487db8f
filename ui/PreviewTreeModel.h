// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The item model of the result tree over the engine's PreviewTree. A preview appends nodes one item at a
// time and lets events run after each; handing every node to the view at once would re-lay out and repaint
// the tree per item. So new nodes wait here and reach the view in batches, at most every 50 ms, while the
// user still watches the tree grow.
#include "engine/PreviewTree.h"

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

namespace varnolt {

class PreviewTreeModel : public QAbstractItemModel, public PreviewTreeView {
    Q_OBJECT

  public:
    static constexpr int kBatchMilliseconds = 50;

    struct Icons {
        QIcon Root;
        QIcon Category; // also a node below a category that has nodes of its own
        std::function<QIcon(const QString& name)> Item; // by the item's type
    };

    PreviewTreeModel(const PreviewTree& tree, Icons icons, QObject* parent = nullptr);

    // Hands every waiting node to the view now.
    void Flush();
    bool HasWaitingNodes() const { return !dirtyParents_.empty() || rootWaiting_; }
    // The root shows whether its location exists, until the next preview gives it its own image again.
    void SetRootIcon(const QIcon& icon);

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;

    // PreviewTreeView
    void TreeCleared() override;
    void NodeAppended(NodeId parent, NodeId node) override;
    void RootExpanded() override;
    void RootRenamed() override;
    void Repaint() override;

  signals:
    // The view should open the root (it is shown by then).
    void rootExpandRequested(const QModelIndex& root);

  private:
    struct Shown {
        std::uint32_t Row = 0;      // place among its parent's children
        std::uint32_t Children = 0; // children the view knows of; valid once the node is shown
        bool Visible = false;
        bool Dirty = false; // has children the view does not know of yet
        bool HasChildren = false;
    };

    QModelIndex IndexOf(NodeId node) const;
    NodeId NodeOf(const QModelIndex& index) const { return static_cast<NodeId>(index.internalId()); }
    // The node and everything below it become known to the view.
    void MarkShown(NodeId node);
    void ShowWaitingChildren(NodeId parent);

    const PreviewTree& tree_;
    Icons icons_;
    QIcon previewRoot_;        // the root's image at the start of every preview
    std::vector<Shown> shown_; // by NodeId
    std::vector<NodeId> dirtyParents_;
    std::vector<NodeId> markPending_; // MarkShown's nodes still to visit, kept to spare an allocation a node
    bool rootWaiting_ = false;
    bool rootExpandWaiting_ = false;
    QElapsedTimer sinceFlush_;
    QTimer flushTimer_;
};

} // namespace varnolt
