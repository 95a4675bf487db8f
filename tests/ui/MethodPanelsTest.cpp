// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a method in the navigation tree, the option interlocks and the resize rule. Which region grows
// on resize is in LayoutTest.
#include "engine/Messages.h"
#include "support/TestWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace varnolt;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

const QStringList kMethodPanels{"Panel1", "Panel10", "Panel11", "Panel12", "Panel13"};
const char* const kFolderSizeRefused = "Do not support folder size.";

} // namespace

class MethodPanelsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> t;

    QTreeWidgetItem* Entry(const QString& text) const { return t->Entry(text); }
    void Select(const QString& text) const { t->SelectEntry(text); }
    QStringList VisiblePanels() const {
        QStringList shown;
        for (const QString& panel : kMethodPanels)
            if (t->Find<QWidget>(qPrintable(panel))->isVisibleTo(t->window.get())) shown << panel;
        return shown;
    }
    bool TypeFilterShown() const {
        const QWidget* w = t->window.get();
        const bool box = t->Find<QWidget>("CheckBox28")->isVisibleTo(w);
        if (t->Find<QWidget>("ComboBox1")->isVisibleTo(w) != box ||
            t->Find<QWidget>("Edit1")->isVisibleTo(w) != box)
            qFatal("the type-filter controls disagree");
        return box;
    }
    QCheckBox* Box(const char* name) const { return t->Find<QCheckBox>(name); }
    bool Shown(const char* name) const { return t->Find<QWidget>(name)->isVisibleTo(t->window.get()); }
    int FolderSizeRefusals() const {
        return static_cast<int>(
            std::count_if(t->boxes.Shown.begin(), t->boxes.Shown.end(),
                          [](const ShownMessage& m) { return m.Text == kFolderSizeRefused; }));
    }

  private slots:
    void initTestCase() { UseTestLocale(); }
    void init() { t = std::make_unique<TestWindow>(); }
    void cleanup() { t.reset(); }

    void startUpStepSelectsByFileDate() {
        t->window->show();
        QTRY_COMPARE(Q(t->window->MethodKey()), QStringLiteral("date"));
        QVERIFY(!t->window->startupTimer.isActive());
        QCOMPARE(t->window->methodTree->currentItem()->text(0), QStringLiteral("by file date"));
        QVERIFY(t->window->methodTree->topLevelItem(0)->isExpanded());
        QCOMPARE(VisiblePanels(), QStringList{"Panel12"});
        QVERIFY(TypeFilterShown());
    }

    void eachEntryShowsItsPanelAndSetsItsKey_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("typeFilter");
        QTest::newRow("date") << "by file date"
                              << "date"
                              << "Panel12" << true;
        QTest::newRow("name") << "by file name"
                              << "name"
                              << "Panel1" << true;
        QTest::newRow("number") << "by file number"
                                << "number"
                                << "Panel13" << true;
        QTest::newRow("type") << "by file type"
                              << "type"
                              << "Panel10" << false;
        QTest::newRow("size") << "by file size"
                              << "size"
                              << "Panel11" << true;
    }

    void eachEntryShowsItsPanelAndSetsItsKey() {
        QFETCH(QString, entry);
        QFETCH(QString, key);
        QFETCH(QString, panel);
        QFETCH(bool, typeFilter);
        Select(entry);
        QCOMPARE(Q(t->window->MethodKey()), key);
        QCOMPARE(Q(t->window->Options().MethodKey), key);
        QCOMPARE(VisiblePanels(), QStringList{panel});
        QCOMPARE(TypeFilterShown(), typeFilter);
    }

    void entriesWithoutAMethodHideEveryPanel_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("top") << "Auto-Classify Files";
    }

    // The line below the methods is not an entry: a click or the keys leave the method as it was.
    void theSeparatorLineCannotBeChosen() {
        t->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t->window.get()));
        Select(QStringLiteral("by file size"));
        QTreeWidget* tree = t->window->methodTree;
        QTreeWidgetItem* line = tree->topLevelItem(1);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(line).center());
        QCOMPARE(t->window->MethodKey(), std::string(Method::Size));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_End);
        QVERIFY(tree->currentItem() != line);
        QVERIFY(!line->isSelected());
    }

    void entriesWithoutAMethodHideEveryPanel() {
        QFETCH(QString, entry);
        Select(QStringLiteral("by file type"));
        Select(entry);
        QVERIFY(t->window->MethodKey().empty());
        QVERIFY(VisiblePanels().isEmpty());
        QVERIFY(TypeFilterShown());
    }

    void typeFilterComesBackAfterTheTypeMethodAndStays() {
        Select(QStringLiteral("by file type"));
        QVERIFY(!TypeFilterShown());
        Select(QStringLiteral("by file name"));
        QVERIFY(TypeFilterShown());
        QVERIFY(Shown("ComboBox1"));
        Select(QStringLiteral("by file size"));
        QVERIFY(Shown("ComboBox1"));
    }

    void theEntryDecidesTheMethodNotItsText() {
        // As a translation could put them: the size entry reads like the type entry, the top like size.
        QTreeWidgetItem* size = Entry(QStringLiteral("by file size"));
        QTreeWidgetItem* top = Entry(QStringLiteral("Auto-Classify Files"));
        size->setText(0, QStringLiteral("by file type"));
        top->setText(0, QStringLiteral("by file size"));
        t->window->methodTree->setCurrentItem(size);
        QCOMPARE(Q(t->window->MethodKey()), QStringLiteral("size"));
        QCOMPARE(VisiblePanels(), QStringList{"Panel11"});
        t->window->methodTree->setCurrentItem(top);
        QVERIFY(t->window->MethodKey().empty());
        QVERIFY(VisiblePanels().isEmpty());
    }

    void sizeUnchecksTheFolderOptionsWithoutAMessage() {
        Box("CheckBox1")->setChecked(true);
        Box("CheckBox5")->setChecked(true);
        Select(QStringLiteral("by file size"));
        QVERIFY(!Box("CheckBox1")->isChecked());
        QVERIFY(!Box("CheckBox5")->isChecked());
        QVERIFY(!t->window->Options().OnlyClassifySubfolder);
        QVERIFY(t->boxes.Shown.empty());
    }

    void folderOptionsAreRefusedUnderSize_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("only subfolders") << "CheckBox1";
        QTest::newRow("folder name") << "CheckBox5";
    }

    void folderOptionsAreRefusedUnderSize() {
        QFETCH(QString, box);
        QCheckBox* option = Box(qPrintable(box));
        Select(QStringLiteral("by file size"));
        bool checkedWhileShown = false;
        t->boxes.OnShow = [&](const ShownMessage&) { checkedWhileShown = option->isChecked(); };
        option->setChecked(true);
        QCOMPARE(FolderSizeRefusals(), 1);
        const ShownMessage& shown = t->boxes.Shown.back();
        QCOMPARE(Q(shown.Caption), QStringLiteral("Information"));
        QVERIFY(shown.Buttons == Buttons::Ok);
        QVERIFY(shown.Icon == Icon::Information);
        QVERIFY(checkedWhileShown);
        QVERIFY(!option->isChecked());
        // Another method leaves it unchecked, and takes it again without a word.
        Select(QStringLiteral("by file date"));
        QVERIFY(!option->isChecked());
        option->setChecked(true);
        QVERIFY(option->isChecked());
        QCOMPARE(FolderSizeRefusals(), 1);
    }

    void doubleClickAppliesTheSelectedEntryAgain() {
        t->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t->window.get()));
        t->window->onStartupTimer();
        Select(QStringLiteral("by file size"));
        // Checked behind the interlock's back, as a settings load might.
        for (const char* name : {"CheckBox1", "CheckBox5"}) {
            const QSignalBlocker quiet(Box(name));
            Box(name)->setChecked(true);
        }
        QTreeWidget* tree = t->window->methodTree;
        const QRect row = tree->visualItemRect(Entry(QStringLiteral("by file size")));
        QSignalSpy doubleClicks(tree, &QTreeWidget::itemDoubleClicked);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(doubleClicks.size(), 1);
        QVERIFY(!Box("CheckBox1")->isChecked());
        QVERIFY(!Box("CheckBox5")->isChecked());
        QCOMPARE(Q(t->window->MethodKey()), QStringLiteral("size"));
        QCOMPARE(FolderSizeRefusals(), 0);
    }

    // The top entry has no branch mark to open it again, so neither the mouse nor the keyboard closes it.
    void theMethodsCannotBeClosedOutOfReach() {
        t->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t->window.get()));
        t->window->onStartupTimer();
        QTreeWidget* tree = t->window->methodTree;
        QTreeWidgetItem* top = Entry(QStringLiteral("Auto-Classify Files"));
        const QPoint at = tree->visualItemRect(top).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::keyClick(tree, Qt::Key_Left);
        QTest::keyClick(tree, Qt::Key_Minus);
        QVERIFY(top->isExpanded());
        QVERIFY(tree->visualItemRect(Entry(QStringLiteral("by file size"))).isValid());
    }

    void doubleClickWithNothingSelectedDoesNothing() {
        Select(QStringLiteral("by file name"));
        QTreeWidget* tree = t->window->methodTree;
        tree->clearSelection();
        t->window->SelectMethodEntry(*Entry(QStringLiteral("Auto-Classify Files")));
        emit tree->itemDoubleClicked(Entry(QStringLiteral("by file name")), 0);
        QVERIFY(t->window->MethodKey().empty());
    }

    void hourShowsItsSubOptionsAndHidingKeepsTheirChecks() {
        QVERIFY(!Shown("CheckBox20"));
        Box("CheckBox19")->setChecked(true);
        QVERIFY(Shown("CheckBox20"));
        QVERIFY(!Shown("CheckBox21"));
        Box("CheckBox20")->setChecked(true);
        QVERIFY(Shown("CheckBox21"));
        Box("CheckBox21")->setChecked(true);

        Box("CheckBox19")->setChecked(false);
        QVERIFY(!Shown("CheckBox20"));
        QVERIFY(!Shown("CheckBox21"));
        QVERIFY(Box("CheckBox20")->isChecked());
        QVERIFY(Box("CheckBox21")->isChecked());
        QVERIFY(t->window->Options().IncludeSecond);

        Box("CheckBox19")->setChecked(true);
        QVERIFY(Shown("CheckBox20"));
        QVERIFY(Shown("CheckBox21"));
        QVERIFY(Box("CheckBox21")->isChecked());
    }

    void secondFollowsMinute() {
        Box("CheckBox19")->setChecked(true);
        Box("CheckBox20")->setChecked(true);
        QVERIFY(Shown("CheckBox21"));
        Box("CheckBox20")->setChecked(false);
        QVERIFY(!Shown("CheckBox21"));
        // Without "by hour" neither sub-option shows, whatever the code sets.
        Box("CheckBox19")->setChecked(false);
        Box("CheckBox20")->setChecked(true);
        QVERIFY(!Shown("CheckBox20"));
        QVERIFY(!Shown("CheckBox21"));
    }

    void monthNamingsExcludeEachOther() {
        Box("CheckBox23")->setChecked(true);
        QVERIFY(!Box("CheckBox22")->isChecked());
        QVERIFY(t->window->Options().AbbrMonth);
        QVERIFY(!t->window->Options().NumberMonth);
        Box("CheckBox23")->setChecked(false);
        QVERIFY(!Box("CheckBox22")->isChecked());
        QVERIFY(!Box("CheckBox23")->isChecked());
        Box("CheckBox22")->setChecked(true);
        Box("CheckBox23")->setChecked(true);
        QVERIFY(!Box("CheckBox22")->isChecked());
        Box("CheckBox22")->setChecked(true);
        QVERIFY(!Box("CheckBox23")->isChecked());
    }

    void resizePlacesTheLocationBarAndTheStatusPanel_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("start") << QSize(890, 600);
        QTest::newRow("wider") << QSize(1240, 760);
        QTest::newRow("narrowest") << QSize(1, 1);
    }

    void resizePlacesTheLocationBarAndTheStatusPanel() {
        QFETCH(QSize, size);
        t->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t->window.get()));
        // From a wide window: the status bar's panel must not hold the window at its last width.
        const QSize content = t->window->minimumSize();
        t->window->resize(1600, 1000);
        QTRY_COMPARE(t->window->width(), 1600);
        t->window->resize(size);
        QTRY_COMPARE(t->window->size(), size.expandedTo(content));
        const QWidget* bar = t->Find<QWidget>("Panel9");
        const QWidget* open = t->Find<QWidget>("SpeedButton9");
        const QWidget* select = t->Find<QWidget>("SpeedButton6");
        const QWidget* location = t->Find<QWidget>("ComboBox4");
        QTRY_COMPARE(open->x(), bar->width() - 35);
        QCOMPARE(select->x(), open->x() - 35);
        QCOMPARE(location->x() + location->width(), select->x() - 5);
        QVERIFY(location->x() > t->Find<QLabel>("ResultLocationLabel")->geometry().right());
        QCOMPARE(t->window->statusPanels[0]->width(), t->window->statusLine->width() - 226);
        QTRY_VERIFY(t->window->statusPanels[1]->x() > t->window->statusPanels[0]->geometry().right());
    }
};

QTEST_MAIN(MethodPanelsTest)
#include "MethodPanelsTest.moc"
