// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PreviewTree.h"

#include "support/EngineFixture.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace varnolt {
namespace {

// Records what the window would be told.
class RecordingTreeView : public PreviewTreeView {
  public:
    std::vector<std::pair<NodeId, NodeId>> Appended;
    int Cleared = 0, Expanded = 0, Renamed = 0, Repaints = 0;

    void TreeCleared() override { ++Cleared; }
    void NodeAppended(NodeId parent, NodeId node) override { Appended.emplace_back(parent, node); }
    void RootExpanded() override { ++Expanded; }
    void RootRenamed() override { ++Renamed; }
    void Repaint() override { ++Repaints; }
};

std::vector<std::string> ChildTexts(const PreviewTree& tree, NodeId node) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < tree.ChildCount(node); ++i)
        texts.push_back(tree.Text(tree.Child(node, i)));
    return texts;
}

// The child of `node` with that text; fails the test when there is none.
NodeId ChildNamed(const PreviewTree& tree, NodeId node, const std::string& text) {
    for (std::size_t i = 0; i < tree.ChildCount(node); ++i) {
        if (tree.Text(tree.Child(node, i)) == text) return tree.Child(node, i);
    }
    ADD_FAILURE() << "no child '" << text << "' below '" << tree.Text(node) << "'";
    return kNoNode;
}

class PreviewPlacementTest : public EngineFixture {
  protected:
    PreviewPlacementTest() {
        tree_().SetView(&treeView);
        tree_().AddRoot("R");
    }
    PreviewTree& tree_() { return engine.Preview(); }

    RecordingTreeView treeView;
};

TEST_F(PreviewPlacementTest, NestedCategoryBuildsOneNodePerLevelWithTheItemInside) {
    engine.AddPreviewItem("/in/a.jpg", "2011/3/7");
    const PreviewTree& t = tree_();
    const NodeId year = ChildNamed(t, PreviewTree::Root, "2011");
    const NodeId day = ChildNamed(t, ChildNamed(t, year, "3"), "7");
    EXPECT_EQ(ChildTexts(t, day), std::vector<std::string>{"a.jpg"});
    EXPECT_EQ(t.Level(t.Child(day, 0)), 4);
    EXPECT_EQ(t.ChildCount(PreviewTree::Root), 1u);
    EXPECT_EQ(treeView.Expanded, 1);
    EXPECT_EQ(treeView.Repaints, 1);
    EXPECT_EQ(pump.Count, 1);
    EXPECT_EQ(engine.State().FolderFillCount, 1);
}

TEST_F(PreviewPlacementTest, LaterItemsReuseCategoriesAndKeepInsertionOrder) {
    engine.AddPreviewItem("/in/b.jpg", "2011/3/7");
    engine.AddPreviewItem("/in/a.jpg", "2011/3/7");
    engine.AddPreviewItem("/in/c.jpg", "2011/4/1");
    engine.AddPreviewItem("/in/d.mp3", "Music files");
    const PreviewTree& t = tree_();
    const NodeId year = ChildNamed(t, PreviewTree::Root, "2011");
    EXPECT_EQ(ChildTexts(t, PreviewTree::Root), (std::vector<std::string>{"2011", "Music files"}));
    EXPECT_EQ(ChildTexts(t, year), (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(ChildTexts(t, ChildNamed(t, ChildNamed(t, year, "3"), "7")),
              (std::vector<std::string>{"b.jpg", "a.jpg"}));
    EXPECT_EQ(t.NodeCount(), 11u);
}

TEST_F(PreviewPlacementTest, SameNameTwiceShowsOnceButCountsTwice) {
    engine.AddPreviewItem("/in/x/a.txt", "Docs");
    engine.AddPreviewItem("/in/y/a.txt", "Docs");
    EXPECT_EQ(ChildTexts(tree_(), ChildNamed(tree_(), PreviewTree::Root, "Docs")),
              std::vector<std::string>{"a.txt"});
    EXPECT_EQ(engine.State().FolderFillCount, 2);
    EXPECT_EQ(pump.Count, 2);
}

TEST_F(PreviewPlacementTest, MatchingIsExactAndIgnoresTheKindOfNode) {
    engine.AddPreviewItem("/in/a.txt", "Docs");
    engine.AddPreviewItem("/in/b.txt", "docs");
    engine.AddPreviewItem("/in/Docs", "2011");       // a folder item
    engine.AddPreviewItem("/in/c.txt", "2011/Docs"); // its node serves as the category
    engine.AddPreviewItem("/in/d.txt", "M/sub");
    engine.AddPreviewItem("/in/sub", "M"); // shown there already as a category
    const PreviewTree& t = tree_();
    EXPECT_EQ(ChildTexts(t, PreviewTree::Root), (std::vector<std::string>{"Docs", "docs", "2011", "M"}));
    const NodeId folderItem = ChildNamed(t, ChildNamed(t, PreviewTree::Root, "2011"), "Docs");
    EXPECT_EQ(ChildTexts(t, folderItem), std::vector<std::string>{"c.txt"});
    const NodeId m = ChildNamed(t, PreviewTree::Root, "M");
    EXPECT_EQ(ChildTexts(t, m), std::vector<std::string>{"sub"});
    EXPECT_EQ(ChildTexts(t, ChildNamed(t, m, "sub")), std::vector<std::string>{"d.txt"});
    // A photo's sidecar hangs below it, and the photo stays a file; a folder item with items in it is
    // shown as a category.
    engine.AddPreviewItem("/in/IMG.CR2", "Docs", std::vector<std::string>{"/in/IMG.xmp"});
    const NodeId photo = ChildNamed(t, ChildNamed(t, PreviewTree::Root, "Docs"), "IMG.CR2");
    EXPECT_EQ(ChildTexts(t, photo), std::vector<std::string>{"IMG.xmp"});
    EXPECT_TRUE(t.IsFileItem(photo));
    EXPECT_FALSE(t.IsFileItem(folderItem));
}

TEST_F(PreviewPlacementTest, EmptyPartsBecomeNodesWithEmptyText) {
    engine.AddPreviewItem("/in/a.txt", "a//b/");
    const PreviewTree& t = tree_();
    const NodeId a = ChildNamed(t, PreviewTree::Root, "a");
    const NodeId last = ChildNamed(t, ChildNamed(t, ChildNamed(t, a, ""), "b"), "");
    EXPECT_EQ(ChildTexts(t, last), std::vector<std::string>{"a.txt"});
}

TEST(PreviewTree, TellsTheViewAboutEveryChangeInOrder) {
    PreviewTree tree;
    RecordingTreeView view;
    tree.SetView(&view);
    tree.AddRoot("R");
    const NodeId a = tree.FindOrAddChild(PreviewTree::Root, "a");
    EXPECT_EQ(tree.FindOrAddChild(PreviewTree::Root, "a"), a);
    tree.AddItemNode(a, "x");
    tree.AddItemNode(a, "x");
    EXPECT_EQ(view.Appended, (std::vector<std::pair<NodeId, NodeId>>{{kNoNode, 0}, {0, 1}, {1, 2}}));

    tree.RenameRoot("");
    EXPECT_EQ(tree.Text(PreviewTree::Root), "");
    EXPECT_EQ(view.Renamed, 1);

    tree.Clear();
    EXPECT_FALSE(tree.HasNodes());
    EXPECT_EQ(view.Cleared, 1);
    tree.RenameRoot("ignored on an empty tree");
    EXPECT_EQ(view.Renamed, 1);
    tree.AddRoot("S");
    EXPECT_EQ(tree.FindOrAddChild(PreviewTree::Root, "a"), 1u)
        << "nothing of the old tree may be found again";
    EXPECT_EQ(tree.NodeCount(), 2u);
}

TEST(PreviewTree, AddingARootStartsANewTree) {
    PreviewTree tree;
    tree.AddRoot("R");
    tree.FindOrAddChild(PreviewTree::Root, "a");
    tree.AddRoot("S");
    EXPECT_EQ(tree.NodeCount(), 1u);
    EXPECT_EQ(tree.Text(PreviewTree::Root), "S");
}

TEST(PreviewTree, UnknownNodesAreRefused) {
    PreviewTree tree;
    EXPECT_THROW(tree.FindOrAddChild(PreviewTree::Root, "a"), std::out_of_range);
    tree.AddRoot("R");
    EXPECT_THROW(tree.FindOrAddChild(7, "a"), std::out_of_range);
    EXPECT_THROW(tree.Child(PreviewTree::Root, 0), std::out_of_range);
}

// The index must agree with a plain scan of the siblings, across many growths of its table and with
// the same texts below many parents.
TEST(PreviewTree, IndexAgreesWithAScanOfTheChildren) {
    PreviewTree tree;
    tree.AddRoot("R");
    std::mt19937 random(12345);
    std::vector<NodeId> parents{PreviewTree::Root};
    for (int step = 0; step < 60000; ++step) {
        const NodeId parent = parents[random() % parents.size()];
        const std::string text = "n" + std::to_string(random() % 300);
        NodeId scanned = kNoNode;
        for (std::size_t i = 0; i < tree.ChildCount(parent) && scanned == kNoNode; ++i) {
            if (tree.Text(tree.Child(parent, i)) == text) scanned = tree.Child(parent, i);
        }
        const std::size_t before = tree.NodeCount();
        const NodeId found = tree.FindOrAddChild(parent, text);
        if (scanned != kNoNode) {
            ASSERT_EQ(found, scanned);
            ASSERT_EQ(tree.NodeCount(), before);
        } else {
            ASSERT_EQ(found, before);
            ASSERT_EQ(tree.Child(parent, tree.ChildCount(parent) - 1), found);
            ASSERT_EQ(tree.Parent(found), parent);
            if (random() % 4 == 0) parents.push_back(found);
        }
    }
}

} // namespace
} // namespace varnolt
