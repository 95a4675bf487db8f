// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it is created: every control's caption, tooltip, default, range and state, and the options
// that follow the controls. The sizes of the regions are in LayoutTest.
#include "engine/Options.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <cmath>

using namespace varnolt;

namespace {
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

class MainWindowDefaultsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> t;

  private slots:
    void initTestCase() { UseTestLocale(); }
    void init() { t = std::make_unique<TestWindow>(); }
    void cleanup() { t.reset(); }

    void captionAndClientSize() {
        QCOMPARE(t->window->windowTitle(), QStringLiteral("Varnolt [ classify many files automatically ]"));
        // The design's client area is below the menu bar.
        const QSize menuBar(0, t->window->menuBar()->sizeHint().height());
        QCOMPARE(t->window->size(), (QSize(890, 600) + menuBar).expandedTo(t->window->minimumSize()));
    }

    // Each check box, found by its id, starts at the default of the option it holds, and the option
    // follows it.
    void checkBoxesHoldTheirOptions() {
        const std::pair<const char*, bool ClassifyOptions::*> boxes[] = {
            {"CheckBox15", &ClassifyOptions::ByYear},
            {"CheckBox16", &ClassifyOptions::ByMonth},
            {"CheckBox17", &ClassifyOptions::ByWeek},
            {"CheckBox18", &ClassifyOptions::ByDay},
            {"CheckBox19", &ClassifyOptions::ByHour},
            {"CheckBox20", &ClassifyOptions::IncludeMinute},
            {"CheckBox21", &ClassifyOptions::IncludeSecond},
            {"CheckBox14", &ClassifyOptions::GroupedSubfolders},
            {"CheckBox22", &ClassifyOptions::NumberMonth},
            {"CheckBox23", &ClassifyOptions::AbbrMonth},
            {"CheckBox11", &ClassifyOptions::Other1Enabled},
            {"CheckBox12", &ClassifyOptions::Other2Enabled},
            {"CheckBox13", &ClassifyOptions::EveryTypeFolder},
            {"CheckBox3", &ClassifyOptions::MoveSourceFiles},
            {"CheckBox4", &ClassifyOptions::IncludeSubfolders},
            {"CheckBox5", &ClassifyOptions::IncludeFolderName},
            {"CheckBox1", &ClassifyOptions::OnlyClassifySubfolder},
            {"CheckBox2", &ClassifyOptions::ExcludeShortcut},
            {"CheckBox25", &ClassifyOptions::ExcludeFolderInfoFile},
            {"CheckBox26", &ClassifyOptions::ExcludeThumbFile},
            {"keepSidecars", &ClassifyOptions::KeepSidecars},
            {"CheckBox27", &ClassifyOptions::LimitPreview},
            {"CheckBox28", &ClassifyOptions::UseTypeFilter},
        };
        const ClassifyOptions defaults;
        const ClassifyOptions& o = t->window->Options();
        for (const auto& [id, field] : boxes) {
            auto* box = t->Find<QCheckBox>(id);
            QVERIFY2(box->isChecked() == defaults.*field, id);
            QVERIFY2(o.*field == defaults.*field, id);
            box->setChecked(!box->isChecked());
            QVERIFY2(o.*field == box->isChecked(), id);
        }
    }

    // One row per group of the table, under the design's ids where the design had the group, and named
    // after its key where it did not.
    void typeGroupRowsFollowTheTable() {
        const char* const ids[][2] = {{"CheckBox10", "Button4"}, {"CheckBox7", "Button5"},
                                      {"CheckBox6", "Button6"},  {"CheckBox9", "Button7"},
                                      {"CheckBox8", "Button8"},  {"archiveGroup", "archiveChange"}};
        QCOMPARE(std::size(ids), kTypeGroupCount);
        const ClassifyOptions defaults;
        const ClassifyOptions& o = t->window->Options();
        for (std::size_t i = 0; i < kTypeGroupCount; ++i) {
            auto* box = t->Find<QCheckBox>(ids[i][0]);
            QCOMPARE(box, t->window->groupBoxes[i]);
            QCOMPARE(t->Find<QPushButton>(ids[i][1]), t->window->groupChangeButtons[i]);
            QCOMPARE(box->text(), QString::fromLatin1(kTypeGroups[i].Caption));
            // The tooltip shows the list the options hold.
            QCOMPARE(box->toolTip(), Q(defaults.Groups[i].Types));
            QCOMPARE(box->isChecked(), defaults.Groups[i].Enabled);
            box->setChecked(true);
            QVERIFY(o.Groups[i].Enabled);
        }
    }

    void toolbarInOrder() {
        const char* names[] = {"SpeedButton1",  "SpeedButton11", "SpeedButton12",
                               "SpeedButton4",  "SpeedButton7",  "SpeedButton2",
                               "SpeedButton10", "SpeedButton13", "SpeedButton8"};
        const char* captions[] = {"Run",    "Stop", "Preview", "Folder", "Files",
                                  "Remove", "Undo", "Help",    "Close"};
        // The hint, and the Alt key that presses the button.
        const char* hints[] = {"Classify Now (Alt+R)",
                               "Stop (Alt+S)",
                               "Preview result (Alt+P)",
                               "Add a folder (Alt+F)",
                               "Add files (Alt+I)",
                               "Delete (Alt+E)",
                               "Undo the last operation (Alt+U)",
                               "Read help  (Alt+H)",
                               "Exit (Alt+C)"};
        const bool enabled[] = {true, false, true, true, true, false, false, true, true};
        const bool bold[] = {true, false, false, true, false, false, true, false, false};
        t->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t->window.get()));
        int left = -1;
        for (std::size_t i = 0; i < std::size(names); ++i) {
            const auto* button = t->Find<QToolButton>(names[i]);
            QCOMPARE(button->text(), QString::fromLatin1(captions[i]));
            QCOMPARE(button->toolTip(), QString::fromLatin1(hints[i]));
            QCOMPARE(button->isEnabled(), enabled[i]);
            QCOMPARE(button->font().bold(), bold[i]);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            QVERIFY(!button->icon().isNull());
            QVERIFY(button->height() >= 52);
            QVERIFY(button->width() >= 47);
            QVERIFY2(button->x() > left, names[i]);
            left = button->x();
        }
    }

    void navigationTreeEntries() {
        const auto* tree = t->Find<QTreeWidget>("TreeView1");
        QCOMPARE(tree->topLevelItemCount(), 2);
        const QTreeWidgetItem* classify = tree->topLevelItem(0);
        QCOMPARE(classify->text(0), QStringLiteral("Auto-Classify Files"));
        const QStringList methods{"by file date", "by file name", "by file number", "by file type",
                                  "by file size"};
        QCOMPARE(classify->childCount(), methods.size());
        for (int i = 0; i < methods.size(); ++i) {
            QCOMPARE(classify->child(i)->text(0), methods[i]);
            QVERIFY(!classify->child(i)->icon(0).isNull());
        }
        QCOMPARE(tree->topLevelItem(1)->text(0), QString(26, u'-'));
        QCOMPARE(tree->iconSize(), QSize(24, 24));
        QCOMPARE(tree->indentation(), 27);
        QCOMPARE(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void numberBoxes_data() {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Edit2") << 1 << 100 << 1 << "1";
        QTest::newRow("Edit7") << 1 << 32767 << 100 << "100";
        QTest::newRow("Edit8") << 1 << 32767 << 100 << "100";
        QTest::newRow("Edit10") << 1 << 32767 << 1000 << "1,000";
    }

    void numberBoxes() {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(QString, shown);
        auto* box = t->Find<QSpinBox>(QTest::currentDataTag());
        QCOMPARE(box->minimum(), minimum);
        QCOMPARE(box->maximum(), maximum);
        QCOMPARE(box->value(), value);
        QCOMPARE(box->text(), shown);
        box->setValue(maximum);
        QCOMPARE(box->value(), maximum);
        box->setValue(maximum + 1);
        QCOMPARE(box->value(), maximum);
    }

    void largeNumbersShowSeparators() {
        auto* step = t->Find<QSpinBox>("Edit7");
        step->setValue(32767);
        QCOMPARE(step->text(), QStringLiteral("32,767"));
    }

    void aNumberBoxKeepsItsLastValidValue() {
        auto* step = t->Find<QSpinBox>("Edit7");
        step->setValue(250);
        step->selectAll();
        QTest::keyClicks(step, QStringLiteral("abc"));
        step->interpretText();
        QCOMPARE(step->value(), 250);
        QCOMPARE(t->window->Options().SizeStep, 250);
    }

    void dropDownLists_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("selected");
        QTest::newRow("ComboBox3") << QStringList{"Creation Time", "Last Access Time", "Last Write Time",
                                                  "Date Taken"}
                                   << 2;
        QTest::newRow("ComboBox2") << QStringList{"byte", "KB", "MB", "GB"} << 1;
        QTest::newRow("ComboBox1") << QStringList{"Music Files",   "Image Files",    "Vedio Files",
                                                  "Program Files", "Document Files", "Archive Files",
                                                  "Custom Files"}
                                   << 0;
    }

    void dropDownLists() {
        QFETCH(QStringList, items);
        QFETCH(int, selected);
        const auto* box = t->Find<QComboBox>(QTest::currentDataTag());
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(box->currentIndex(), selected);
        QVERIFY(!box->isEditable());
    }

    void textControls() {
        QCOMPARE(t->Find<QRadioButton>("RadioButton6")->text(), QStringLiteral("by head letters of name"));
        QVERIFY(t->Find<QRadioButton>("RadioButton6")->isChecked());
        QCOMPARE(t->Find<QRadioButton>("RadioButton8")->text(), QStringLiteral("by word of the below list "));
        QVERIFY(!t->Find<QRadioButton>("RadioButton8")->isChecked());
        for (const char* edit : {"Edit3", "Edit4", "Edit5", "Edit6", "Edit9"})
            QVERIFY2(t->Find<QLineEdit>(edit)->text().isEmpty(), edit);
        // The "Change file type" dialog has an typeFilterText of its own: take the one of the general
        // options.
        auto* filterEdit = t->Find<QWidget>("Panel4")->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QVERIFY(filterEdit);
        QCOMPARE(filterEdit->toolTip(), QStringLiteral("Seperate each with ';'"));
        QCOMPARE(filterEdit->text(), QString::fromLatin1(InfoOf(TypeGroup::Music).DefaultTypes));
        // A list set by the program shows its first entries, also when it is set again unchanged.
        for (int i = 0; i < 2; ++i) {
            filterEdit->setText(QString::fromLatin1(InfoOf(TypeGroup::Image).DefaultTypes));
            QCOMPARE(filterEdit->cursorPosition(), 0);
        }
        const auto* memo = t->Find<QPlainTextEdit>("Memo1");
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        for (const char* change : {"Button4", "Button5", "Button6", "Button7", "Button8"})
            QCOMPARE(t->Find<QPushButton>(change)->text(), QStringLiteral("Change"));
        QCOMPARE(t->Find<QPushButton>("Button2")->text(), QStringLiteral("Save as"));
        QCOMPARE(t->Find<QPushButton>("Button3")->text(), QStringLiteral("Load"));
        QCOMPARE(t->Find<QPushButton>("Button1")->text(), QStringLiteral("Load last list"));
    }

    void sourceListAndLocation() {
        const auto* list = t->Find<QTreeWidget>("ListView1");
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Add folder and file to be classified"));
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(list->topLevelItemCount(), 0);
        const auto* menu = t->Find<QMenu>("PopupMenu2");
        QStringList entries;
        for (const QAction* action : menu->actions())
            entries << action->text();
        QCOMPARE(entries, (QStringList{"Add Folder", "Delete", "Add Files"}));
        QVERIFY(!t->Find<QAction>("Delete1")->isEnabled());

        const auto* location = t->Find<QComboBox>("ComboBox4");
        QVERIFY(location->isEditable());
        QVERIFY(location->currentText().isEmpty());
        QCOMPARE(location->count(), 0);
        QVERIFY(location->completer() == nullptr);
        QCOMPARE(t->Find<QToolButton>("SpeedButton6")->toolTip(), QStringLiteral("Select a folder"));
        QCOMPARE(t->Find<QToolButton>("SpeedButton9")->toolTip(), QStringLiteral("Open the folder"));
        QCOMPARE(t->Find<QLabel>("Panel14Caption")->text(), QStringLiteral("Add folder or files here"));
        QCOMPARE(t->Find<QLabel>("Panel15Caption")->text(), QStringLiteral("Preview results here"));
        for (const char* caption : {"Panel14Caption", "Panel15Caption"}) {
            const QFont font = t->Find<QLabel>(caption)->font();
            QVERIFY(font.bold());
            QCOMPARE(font.pixelSize(), 16);
        }
    }

    // In the palette's link colour, made darker or lighter where it would not read on the list's own
    // background, light or dark (a contrast of 4.5 or more).
    void captionsTakeTheLinkColourAndAreReadable_data() {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("link");
        QTest::newRow("light") << QColor(Qt::white) << QColor(0x00, 0x00, 0xff);
        QTest::newRow("light, pale link") << QColor(0xfc, 0xfc, 0xfc) << QColor(0x9e, 0xc5, 0xff);
        QTest::newRow("dark, deep link") << QColor(0x2a, 0x2a, 0x2e) << QColor(0x00, 0x00, 0xee);
        QTest::newRow("dark, light link") << QColor(0x23, 0x26, 0x29) << QColor(0x8a, 0xb4, 0xf8);
        QTest::newRow("grey, green link") << QColor(0x80, 0x80, 0x80) << QColor(0x30, 0xa0, 0x30);
    }
    void captionsTakeTheLinkColourAndAreReadable() {
        QFETCH(QColor, background);
        QFETCH(QColor, link);
        const auto luminance = [](const QColor& c) {
            const auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
        };
        const QPalette before = QApplication::palette();
        QPalette palette = before;
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
            palette.setColor(role, background);
        palette.setColor(QPalette::Link, link);
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // the widgets hear of it in the event loop
        for (const char* name : {"Panel14Caption", "Panel15Caption"}) {
            auto* caption = t->Find<QLabel>(name);
            caption->ensurePolished();
            const QColor text = caption->palette().color(QPalette::WindowText);
            QVERIFY2(std::abs(text.hslHue() - link.hslHue()) <= 6, qPrintable(text.name()));
            const double a = luminance(text) + 0.05, b = luminance(background) + 0.05;
            QVERIFY2(std::max(a, b) / std::min(a, b) >= 4.5,
                     qPrintable(text.name() + " on " + background.name()));
            // A link colour that reads already is kept as it is.
            const double l = luminance(link) + 0.05;
            if (std::max(l, b) / std::min(l, b) >= 4.5) QCOMPARE(text.name(), link.name());
        }
        QApplication::setPalette(before);
    }

    // Only "date" shows, yet no method is chosen until the start-up step.
    void stateAtCreation() {
        QWidget* w = t->window.get();
        QVERIFY(t->window->MethodKey().empty());
        QVERIFY(t->Find<QWidget>("Panel12")->isVisibleTo(w));
        for (const char* panel : {"Panel1", "Panel10", "Panel11", "Panel13"})
            QVERIFY2(!t->Find<QWidget>(panel)->isVisibleTo(w), panel);
        for (const char* hidden : {"ComboBox1", "CheckBox20", "CheckBox21", "Button1"})
            QVERIFY2(!t->Find<QWidget>(hidden)->isVisibleTo(w), hidden);
        QVERIFY(t->Find<QWidget>("CheckBox28")->isVisibleTo(w));
        QVERIFY(t->Find<QWidget>("Edit1")->isVisibleTo(w));
        QVERIFY(t->Find<QWidget>("Panel14")->isVisibleTo(w));
        QVERIFY(t->Find<QWidget>("Panel15")->isVisibleTo(w));
        for (const char* disabled : {"Memo1", "Button2", "Button3"})
            QVERIFY2(!t->Find<QWidget>(disabled)->isEnabled(), disabled);
        QVERIFY(t->window->startupTimer.isActive());
        QCOMPARE(t->window->startupTimer.interval(), 300);
        QVERIFY(t->window->startupTimer.isSingleShot());
    }

    void optionsStartAtTheControlsDefaults() {
        const ClassifyOptions defaults;
        const ClassifyOptions& o = t->window->Options();
        QCOMPARE(Q(o.TypeFilterText), Q(defaults.TypeFilterText));
        QCOMPARE(o.TypeFilterGroup, defaults.TypeFilterGroup);
        QCOMPARE(o.PreviewLimit, defaults.PreviewLimit);
        QCOMPARE(o.TimeKind, defaults.TimeKind);
        QCOMPARE(o.SizeUnit, defaults.SizeUnit);
        QCOMPARE(o.SizeStep, defaults.SizeStep);
        QCOMPARE(o.MaxFilesPerFolder, defaults.MaxFilesPerFolder);
        QCOMPARE(o.HeadLetterCount, defaults.HeadLetterCount);
        QCOMPARE(o.NameByWordList, defaults.NameByWordList);
        for (std::size_t i = 0; i < kTypeGroupCount; ++i)
            QCOMPARE(Q(o.Groups[i].Types), Q(defaults.Groups[i].Types));
        QVERIFY(o.SourceList.empty());
        QVERIFY(o.Words.empty());
        QVERIFY(o.ResultLocation.empty());
    }

    // The engine reads the options while a command runs; each control change must reach them at once.
    void optionsFollowEveryKindOfControl() {
        const ClassifyOptions& o = t->window->Options();
        t->Find<QCheckBox>("CheckBox3")->setChecked(false);
        QVERIFY(!o.MoveSourceFiles);
        t->Find<QRadioButton>("RadioButton8")->setChecked(true);
        QVERIFY(o.NameByWordList);
        t->Find<QRadioButton>("RadioButton6")->setChecked(true);
        QVERIFY(!o.NameByWordList);
        t->Find<QSpinBox>("Edit10")->setValue(25);
        QCOMPARE(o.PreviewLimit, 25);
        t->Find<QComboBox>("ComboBox2")->setCurrentIndex(UnitGB);
        QCOMPARE(o.SizeUnit, static_cast<int>(UnitGB));
        t->Find<QLineEdit>("Edit5")->setText(QStringLiteral("Fotos ä"));
        QCOMPARE(Q(o.Other2Folder), QStringLiteral("Fotos ä"));
        t->Find<QComboBox>("ComboBox4")->setEditText(QStringLiteral("/tmp/out"));
        QCOMPARE(Q(o.ResultLocation), QStringLiteral("/tmp/out"));
        t->window->SetGroupTypes(TypeGroup::Image, "jpg;raw");
        QCOMPARE(Q(o.Group(TypeGroup::Image).Types), QStringLiteral("jpg;raw"));
        QCOMPARE(t->Find<QCheckBox>("CheckBox7")->toolTip(), QStringLiteral("jpg;raw"));
    }

    void wordsAreTheLinesOfTheWordBox() {
        const ClassifyOptions& o = t->window->Options();
        auto* memo = t->Find<QPlainTextEdit>("Memo1");
        memo->setPlainText(QStringLiteral("Holiday\n\n  \nWork\n"));
        QCOMPARE(o.Words, (std::vector<std::string>{"Holiday", "", "  ", "Work"}));
        memo->setPlainText(QString());
        QVERIFY(o.Words.empty());
    }

    void sourceListFollowsTheRows() {
        const ClassifyOptions& o = t->window->Options();
        t->AddSource("/data/b");
        t->AddSource("/data/a");
        QCOMPARE(o.SourceList, (std::vector<std::string>{"/data/b", "/data/a"}));
        auto* list = t->Find<QTreeWidget>("ListView1");
        list->topLevelItem(0)->setText(0, QStringLiteral("/data/c"));
        QCOMPARE(o.SourceList, (std::vector<std::string>{"/data/c", "/data/a"}));
        delete list->takeTopLevelItem(0);
        QCOMPARE(o.SourceList, (std::vector<std::string>{"/data/a"}));
        // A name that is not UTF-8 travels as its bytes.
        auto* raw = new QTreeWidgetItem({QStringLiteral("/data/?")});
        raw->setData(0, Qt::UserRole, QByteArray("/data/\xff"));
        list->addTopLevelItem(raw);
        QCOMPARE(o.SourceList.back(), std::string("/data/\xff"));
    }
};

QTEST_MAIN(MainWindowDefaultsTest)
#include "MainWindowDefaultsTest.moc"
