// SPDX-License-Identifier: GPL-3.0-or-later
// The result tree's model over the engine's preview tree: nodes reach the view in batches, and the model
// stays consistent for any view (checked by QAbstractItemModelTester at every change).
#include "ui/PreviewTreeModel.h"

#include "engine/PreviewTree.h"
#include "ui/FileIcons.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QPixmap>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

using namespace varnolt;

namespace {

QIcon Coloured(Qt::GlobalColor colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// Icons told apart by their first pixel.
QRgb ColourOf(const QVariant& icon) {
    return icon.value<QIcon>().pixmap(16, 16).toImage().pixel(0, 0);
}

} // namespace

class PreviewTreeModelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PreviewTree> tree;
    std::unique_ptr<PreviewTreeModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
    QStringList itemIconsAskedFor;

    // Places an item as a preview does: its category levels, then the item node.
    void Place(const std::string& category, const std::string& item) {
        NodeId node = PreviewTree::Root;
        std::string rest = category;
        for (auto slash = rest.find('/'); slash != std::string::npos; slash = rest.find('/')) {
            node = tree->FindOrAddChild(node, rest.substr(0, slash));
            rest.erase(0, slash + 1);
        }
        tree->AddItemNode(tree->FindOrAddChild(node, rest), item);
        tree->ExpandRoot();
    }
    QModelIndex Root() const { return model->index(0, 0); }
    QString Text(const QModelIndex& index) const { return index.data().toString(); }

  private slots:
    void init() {
        tree = std::make_unique<PreviewTree>();
        itemIconsAskedFor.clear();
        model = std::make_unique<PreviewTreeModel>(
            *tree,
            PreviewTreeModel::Icons{Coloured(Qt::red), Coloured(Qt::yellow), [this](const QString& name) {
                                        itemIconsAskedFor << name;
                                        return Coloured(Qt::blue);
                                    }});
        tree->SetView(model.get());
        tester = std::make_unique<QAbstractItemModelTester>(
            model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    void cleanup() {
        tester.reset();
        tree->SetView(nullptr);
        model.reset();
        tree.reset();
    }

    void newNodesWaitForTheNextBatch() {
        tree->AddRoot("/out");
        Place("2011/3/7", "a.txt");
        QCOMPARE(model->rowCount(), 0);
        QVERIFY(model->HasWaitingNodes());
        model->Flush();
        QVERIFY(!model->HasWaitingNodes());
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(Text(Root()), QStringLiteral("/out"));
        const QModelIndex year = model->index(0, 0, Root());
        const QModelIndex month = model->index(0, 0, year);
        const QModelIndex day = model->index(0, 0, month);
        QCOMPARE(Text(year), QStringLiteral("2011"));
        QCOMPARE(Text(month), QStringLiteral("3"));
        QCOMPARE(Text(day), QStringLiteral("7"));
        QCOMPARE(Text(model->index(0, 0, day)), QStringLiteral("a.txt"));
        QCOMPARE(model->parent(model->index(0, 0, day)), day);
    }

    void aBatchInsertsEachParentsNewChildrenAtOnce() {
        tree->AddRoot("/out");
        Place("Docs", "first.txt");
        model->Flush();
        const QModelIndex docs = model->index(0, 0, Root());
        QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
        for (int i = 0; i < 100; ++i)
            Place("Docs", "file" + std::to_string(i) + ".txt");
        Place("Music", "song.mp3");
        QCOMPARE(inserted.size(), 0);
        model->Flush();
        // One insertion below "Docs" (rows 1 to 100), one below the root for "Music" with its item.
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(inserted[0][0].value<QModelIndex>(), docs);
        QCOMPARE(inserted[0][1].toInt(), 1);
        QCOMPARE(inserted[0][2].toInt(), 100);
        QCOMPARE(inserted[1][0].value<QModelIndex>(), Root());
        QCOMPARE(inserted[1][1].toInt(), 1);
        QCOMPARE(inserted[1][2].toInt(), 1);
        QCOMPARE(model->rowCount(docs), 101);
        QCOMPARE(Text(model->index(100, 0, docs)), QStringLiteral("file99.txt"));
        QCOMPARE(model->rowCount(model->index(1, 0, Root())), 1);
    }

    void repaintHandsOverAtMostEveryFiftyMilliseconds() {
        tree->AddRoot("/out");
        tree->Repaint();
        model->Flush();
        Place("Docs", "a.txt");
        tree->Repaint(); // just after a batch: waits
        QCOMPARE(model->rowCount(Root()), 0);
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(Root()), 1, 1000);
        QTest::qWait(PreviewTreeModel::kBatchMilliseconds + 10);
        Place("Music", "b.mp3");
        tree->Repaint(); // long after the last batch: at once
        QCOMPARE(model->rowCount(Root()), 2);
    }

    void rootIsOpenedOnceItIsShown() {
        QSignalSpy expand(model.get(), &PreviewTreeModel::rootExpandRequested);
        tree->AddRoot("/out");
        Place("Docs", "a.txt");
        QCOMPARE(expand.size(), 0);
        model->Flush();
        QCOMPARE(expand.size(), 1);
        QCOMPARE(expand[0][0].value<QModelIndex>(), Root());
        model->Flush();
        QCOMPARE(expand.size(), 1);
    }

    void clearingEmptiesTheView() {
        tree->AddRoot("/out");
        Place("Docs", "a.txt");
        model->Flush();
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        tree->Clear();
        QCOMPARE(reset.size(), 1);
        QCOMPARE(model->rowCount(), 0);
        tree->AddRoot("[Target Folder]");
        Place("Music", "b.mp3");
        model->Flush();
        QCOMPARE(Text(Root()), QStringLiteral("[Target Folder]"));
        QCOMPARE(Text(model->index(0, 0, Root())), QStringLiteral("Music"));
    }

    void renamingTheRootUpdatesIt() {
        tree->AddRoot("/out");
        model->Flush();
        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        tree->RenameRoot("/elsewhere");
        QCOMPARE(changed.size(), 1);
        QCOMPARE(Text(Root()), QStringLiteral("/elsewhere"));
    }

    void iconsByPlace() {
        tree->AddRoot("/out");
        Place("Docs", "a.txt");
        Place("2011/3", "b.jpg");
        tree->AddItemNode(PreviewTree::Root, ".bashrc.bak"); // into the result location itself
        model->Flush();
        const QModelIndex docs = model->index(0, 0, Root());
        const QModelIndex year = model->index(1, 0, Root());
        const QModelIndex month = model->index(0, 0, year);
        QCOMPARE(ColourOf(Root().data(Qt::DecorationRole)), QColor(Qt::red).rgb());
        QCOMPARE(ColourOf(docs.data(Qt::DecorationRole)), QColor(Qt::yellow).rgb());
        QCOMPARE(ColourOf(month.data(Qt::DecorationRole)), QColor(Qt::yellow).rgb());
        QCOMPARE(ColourOf(model->index(0, 0, month).data(Qt::DecorationRole)), QColor(Qt::blue).rgb());
        QVERIFY(itemIconsAskedFor.contains(QStringLiteral("b.jpg")));
        QCOMPARE(ColourOf(model->index(2, 0, Root()).data(Qt::DecorationRole)), QColor(Qt::blue).rgb());

        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        model->SetRootIcon(Coloured(Qt::green));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(ColourOf(Root().data(Qt::DecorationRole)), QColor(Qt::green).rgb());
        // The next preview's root has its own image, whatever the last location showed.
        tree->Clear();
        tree->AddRoot("/out");
        Place("Docs", "a.txt");
        model->Flush();
        QCOMPARE(ColourOf(Root().data(Qt::DecorationRole)), QColor(Qt::red).rgb());
    }

    void itemIconsAreCachedByTheWholeExtension() {
        FileIcons icons;
        QCOMPARE(icons.CacheKey(QStringLiteral("backup.tar.gz")),
                 std::optional<QString>(QStringLiteral("tar.gz")));
        QCOMPARE(icons.CacheKey(QStringLiteral("notes.GZ")), std::optional<QString>(QStringLiteral("gz")));
        QCOMPARE(icons.CacheKey(QStringLiteral("scan.unknownext")),
                 std::optional<QString>(QStringLiteral("unknownext")));
        for (const char* own : {"Makefile", "README", ".profile"})
            QVERIFY2(!icons.CacheKey(QLatin1String(own)), own);
        QVERIFY(!icons.ForFileName(QStringLiteral("Makefile")).isNull());
    }

    void aLargeTreeStaysConsistent() {
        tester.reset(); // it checks every row at every change, far too slow here
        tree->AddRoot("/out");
        for (int i = 0; i < 20000; ++i) {
            Place("cat" + std::to_string(i % 37) + "/" + std::to_string(i % 5), "f" + std::to_string(i));
            if (i % 997 == 0) model->Flush();
        }
        model->Flush();
        int items = 0;
        for (int c = 0; c < model->rowCount(Root()); ++c) {
            const QModelIndex category = model->index(c, 0, Root());
            for (int s = 0; s < model->rowCount(category); ++s) {
                const QModelIndex sub = model->index(s, 0, category);
                QCOMPARE(model->parent(sub), category);
                items += model->rowCount(sub);
            }
        }
        QCOMPARE(model->rowCount(Root()), 37);
        QCOMPARE(items, 20000);
    }
};

QTEST_MAIN(PreviewTreeModelTest)
#include "PreviewTreeModelTest.moc"
