// SPDX-License-Identifier: GPL-3.0-or-later
// The source list and the result location in the window: adding, refusing duplicates, order, removing,
// reloading, dropping, and the location box with its history and its root renaming.
#include "engine/Messages.h"
#include "support/TestWindow.h"
#include "ui/DataFolder.h"
#include "ui/PreviewTreeModel.h"
#include "ui/SourceListOrder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

using namespace varnolt;

namespace {

QStringList Entries(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

// As a drag from the file manager arrives: it enters, then drops. Returns whether the drop was taken.
bool Drop(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

class SourceListTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> w;
    MainWindow* window = nullptr;

    void ClickFolder(const std::string& answer) {
        w->dialogs.Folders.push_back(answer);
        window->addFolderButton->click();
    }

  private slots:
    void initTestCase() { UseTestLocale(); }

    void init() {
        w = std::make_unique<TestWindow>();
        window = w->window.get();
        window->show();
    }
    void cleanup() { w.reset(); }

    void folderButtonRefusesExactDuplicatesOnly() {
        ClickFolder("/data/Photos");
        ClickFolder("/data/Photos");
        ClickFolder("/data/photos");
        QCOMPARE(Rows(window->sourceList), (QStringList{"/data/photos", "/data/Photos"}));
        QCOMPARE(w->dialogs.FolderTitles.front(), std::string("Add a folder to list"));
        QCOMPARE(window->Options().SourceList, (std::vector<std::string>{"/data/photos", "/data/Photos"}));
    }

    void cancelledDialogsChangeNothing() {
        window->addFolderButton->click();
        window->addFilesButton->click();
        QCOMPARE(w->dialogs.Shown, 2);
        QVERIFY(window->sourceList->topLevelItemCount() == 0);
        QVERIFY(!window->sourceListHint->isHidden());
    }

    void aListedFolderStillHidesTheCaptionPanel() {
        w->AddSource("/data/a");
        QVERIFY(!window->sourceListHint->isHidden());
        ClickFolder("/data/a");
        QCOMPARE(window->sourceList->topLevelItemCount(), 1);
        QVERIFY(window->sourceListHint->isHidden());
    }

    void filesAreAddedInSortedOrderWithoutTheListedOne() {
        ClickFolder("/m/b.txt");
        w->dialogs.OpenedFiles.push_back({"/m/c.txt", "/m/b.txt", "/m/a.txt", "/m/c.txt"});
        window->addFilesAction->trigger();
        QCOMPARE(Rows(window->sourceList), (QStringList{"/m/a.txt", "/m/b.txt", "/m/c.txt"}));
        QCOMPARE(w->dialogs.OpenFilters.front(), std::string("All Files (*)"));
    }

    void orderIsLocaleAwareCaseSensitiveAndTotal() {
        QVERIFY(CompareSourcePaths("/a/apple", "/a/Banana") < 0);
        QVERIFY(CompareSourcePaths("/a/Banana", "/a/cherry") < 0);
        QVERIFY(CompareSourcePaths("/a/x", "/a/X") != 0);
        QCOMPARE(CompareSourcePaths("/a/x", "/a/x"), 0);
        QVERIFY((CompareSourcePaths("/a/x", "/a/X") < 0) != (CompareSourcePaths("/a/X", "/a/x") < 0));
        const std::vector<std::string> sorted = {"/a", "/b", "/c"};
        QCOMPARE(SourceInsertPosition(sorted, "/bb"), std::size_t(2));
        QCOMPARE(SourceInsertPosition(sorted, "/b"), std::size_t(2));
        QCOMPARE(SourceInsertPosition({}, "/b"), std::size_t(0));
    }

    void removeFollowsSelectionAndClicks() {
        for (const char* folder : {"/r/1", "/r/2", "/r/3"})
            ClickFolder(folder);
        QVERIFY(!window->removeButton->isEnabled() && !window->removeAction->isEnabled());
        window->sourceList->topLevelItem(0)->setSelected(true);
        window->sourceList->topLevelItem(2)->setSelected(true);
        QVERIFY(window->removeButton->isEnabled() && window->removeAction->isEnabled());
        window->removeAction->trigger();
        QCOMPARE(Rows(window->sourceList), QStringList{"/r/2"});
        QVERIFY(!window->removeButton->isEnabled() && !window->removeAction->isEnabled());

        window->sourceList->topLevelItem(0)->setSelected(true);
        window->sourceList->clearSelection();
        QVERIFY(window->removeButton->isEnabled()); // unselecting counts as a change of selection
        QTest::mouseClick(window->sourceList->viewport(), Qt::LeftButton, {},
                          QPoint(5, window->sourceList->viewport()->height() - 3));
        QVERIFY(!window->removeButton->isEnabled());

        window->sourceList->selectAll();
        window->removeButton->click();
        QCOMPARE(window->sourceList->topLevelItemCount(), 0);
        QVERIFY(window->sourceListHint->isHidden());
    }

    void loadLastListTakesEveryLineAsItIs() {
        w->data.File(kSourceListFileName, "/gone/b\r\n/gone/a\r\n/gone/b\r\n");
        window->onStartupTimer();
        QVERIFY(window->loadLastListButton->isVisible());
        window->loadLastListButton->click();
        QCOMPARE(Rows(window->sourceList), (QStringList{"/gone/a", "/gone/b", "/gone/b"}));
        QVERIFY(window->sourceListHint->isHidden());
    }

    void loadLastListWithoutItsFileOnlyEmptiesTheList() {
        w->AddSource("/x");
        window->onLoadLastListClicked();
        QCOMPARE(window->sourceList->topLevelItemCount(), 0);
        QVERIFY(!window->sourceListHint->isHidden());
    }

    void droppedFoldersAndFilesAreAddedAsTheButtonsAddThem() {
        const std::string photos = w->data.Folder("drop/Photos");
        const std::string music = w->data.Folder("drop/Music");
        const std::string file = w->data.File("drop/notes.txt", "x");
        ClickFolder(music);
        window->sourceListHint->show();
        QVERIFY(
            Drop(window->sourceList->viewport(), {QUrl::fromLocalFile(QString::fromStdString(photos) + "/"),
                                                  QUrl::fromLocalFile(QString::fromStdString(music)),
                                                  QUrl::fromLocalFile(QString::fromStdString(file))}));
        QCOMPARE(window->Options().SourceList, (std::vector<std::string>{music, file, photos}));
        QVERIFY(window->sourceListHint->isHidden());
    }

    // Once, when the row is added, from the row's own bytes: a name that is not UTF-8 is still a folder.
    void rowIconsComeFromThePathBytes() {
        const std::string photos = w->data.Folder("icons/Photos");
        const std::string latin1 = w->data.Folder("icons/caf\xe9");
        const std::string file = w->data.File("icons/notes.txt", "x");
        window->AddSources({photos, latin1, file});
        const auto icon = [&](const std::string& path) {
            for (int i = 0; i < window->sourceList->topLevelItemCount(); ++i)
                if (MainWindow::SourcePathOf(window->sourceList->topLevelItem(i)) == path)
                    return window->sourceList->topLevelItem(i)->icon(0);
            return QIcon();
        };
        QVERIFY(!icon(photos).isNull());
        QCOMPARE(icon(latin1).cacheKey(), icon(photos).cacheKey());
        QVERIFY(!icon(file).isNull());
        QVERIFY(icon(file).cacheKey() != icon(photos).cacheKey());
    }

    void selectingAFolderSetsTextAndHintButNotTheRoot() {
        window->ClassifyEngine().StartPreviewTree();
        w->dialogs.Folders.push_back("/chosen/folder");
        window->selectResultFolderButton->click();
        QCOMPARE(window->resultLocation->currentText(), QString("/chosen/folder"));
        QCOMPARE(window->resultLocation->toolTip(), QString("/chosen/folder"));
        QCOMPARE(w->dialogs.FolderTitles.back(), std::string("Select a folder to Save result"));
        QCOMPARE(window->ClassifyEngine().Preview().Text(PreviewTree::Root), std::string());
        window->PreviewModel().Flush();
        const QModelIndex root = window->PreviewModel().index(0, 0);
        QCOMPARE(root.data().toString(), QString(Messages::NoResultLocationRoot));

        window->resultLocation->setFocus();
        window->resultLocation->lineEdit()->end(false);
        QTest::keyClicks(window->resultLocation, "x");
        QCOMPARE(window->ClassifyEngine().Preview().Text(PreviewTree::Root), std::string("/chosen/folderx"));
        QCOMPARE(window->resultLocation->toolTip(), QString("/chosen/folderx"));
    }

    void typingRenamesTheRootWithItsFolderImage() {
        window->ClassifyEngine().StartPreviewTree();
        window->PreviewModel().Flush();
        const QModelIndex root = window->PreviewModel().index(0, 0);
        const auto image = [&] {
            return window->PreviewModel().data(root, Qt::DecorationRole).value<QIcon>().cacheKey();
        };
        window->resultLocation->setFocus();
        QTest::keyClicks(window->resultLocation, QString::fromStdString(w->data.Path()));
        QCOMPARE(image(), window->resultTreeIcons[ClosedFolderImage].cacheKey());
        QTest::keyClicks(window->resultLocation, "missing");
        QCOMPARE(image(), window->resultTreeIcons[MarkedFolderImage].cacheKey());
        QCOMPARE(window->PreviewModel().data(root).toString(),
                 QString::fromStdString(w->data.Path() + "missing"));
    }

    void typingWithoutAPreviewOnlySetsTheHint() {
        window->resultLocation->setFocus();
        QTest::keyClicks(window->resultLocation, "/out");
        QVERIFY(!window->ClassifyEngine().Preview().HasNodes());
        QCOMPARE(window->resultLocation->toolTip(), QString("/out"));
    }

    void rememberedLocationReplacesItsCaseVariant() {
        window->resultLocation->addItems({"/data/out", "/e/x"});
        window->RememberResultLocation("/Data/Out");
        QCOMPARE(Entries(window->resultLocation), (QStringList{"/Data/Out", "/e/x"}));
        QCOMPARE(window->resultLocation->currentText(), QString("/Data/Out"));
    }

    void deleteKeyRemovesTheSelectedHistoryEntryOnly() {
        window->resultLocation->addItems({"/a", "/e/x", "/c"});
        window->resultLocation->setCurrentIndex(1);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->resultLocation->setFocus();
        // The key goes where the keyboard focus is, as a pressed key does.
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        window->resultLocation->lineEdit()->home(false);
        press(Qt::Key_Delete);
        QCOMPARE(Entries(window->resultLocation), (QStringList{"/a", "/c"}));
        // The key still acts on the text.
        QCOMPARE(window->resultLocation->currentText(), QString("e/x"));
        // A typed text selects no entry.
        window->resultLocation->setEditText("/typed");
        press(Qt::Key_Delete);
        QCOMPARE(Entries(window->resultLocation), (QStringList{"/a", "/c"}));
        press(Qt::Key_Return);
        QCOMPARE(Entries(window->resultLocation), (QStringList{"/a", "/c"}));
    }

    void deleteKeyInTheDropDownRemovesTheHighlightedEntry() {
        window->resultLocation->addItems({"/a", "/e/x", "/c"});
        window->resultLocation->setEditText("/kept");
        window->resultLocation->view()->setCurrentIndex(window->resultLocation->model()->index(1, 0));
        QTest::keyClick(window->resultLocation->view(), Qt::Key_Delete);
        QCOMPARE(Entries(window->resultLocation), (QStringList{"/a", "/c"}));
        QCOMPARE(window->resultLocation->currentText(), QString("/kept"));
    }

    void openFolderOpensAnExistingFolderOnly() {
        window->resultLocation->setEditText(QString::fromStdString(w->data.Path()));
        window->openResultFolderButton->click();
        QCOMPARE(w->shell.OpenedFolders, std::vector<std::string>{w->data.Path()});
        window->resultLocation->setEditText(QString::fromStdString(w->data.Path() + "nothing"));
        window->openResultFolderButton->click();
        QCOMPARE(w->boxes.Texts(), std::vector<std::string>{"The result folder does not exist!"});
        QCOMPARE(w->shell.OpenedFolders.size(), std::size_t(1));
    }
};

QTEST_MAIN(SourceListTest)
#include "SourceListTest.moc"
