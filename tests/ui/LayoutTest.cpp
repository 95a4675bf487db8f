// SPDX-License-Identifier: GPL-3.0-or-later
// The window at the fonts Linux desktops use: every caption whole, no control cut or covered, whichever
// method is shown, at the size of start and at the window's minimum size. Also run at scale factors 1.5
// and 2 (QT_SCALE_FACTOR, see CMakeLists.txt).
#include "platform/qt/QtTranslator.h"
#include "support/TestWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace varnolt;

namespace {

const char* const kMethodEntries[] = {"by file date", "by file name", "by file number",
                                      "by file type", "by file size", "Auto-Classify Files"};
const char* const kToolbar[] = {"SpeedButton1",  "SpeedButton11", "SpeedButton12",
                                "SpeedButton4",  "SpeedButton7",  "SpeedButton2",
                                "SpeedButton10", "SpeedButton13", "SpeedButton8"};

// Cut by a parent that is too small for it. A column that scrolls shows all of its content, as far as the
// scroll bar reaches (checked on its own).
bool CutByParent(const QWidget* control) {
    QRect shown = control->rect();
    QPoint at;
    for (const QWidget* w = control; !w->isWindow(); w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        if (const auto* area = qobject_cast<const QScrollArea*>(parent->parentWidget());
            area && area->viewport() == parent)
            break;
        at += w->pos();
        shown &= parent->rect().translated(-at);
    }
    return shown != control->rect();
}

// What of `control` does not show: its text cut by its own size, or the control cut by a parent.
QString Cut(const QWidget* control) {
    const QString name = control->objectName().isEmpty()
                             ? QString::fromLatin1(control->metaObject()->className())
                             : control->objectName();
    QSize need = control->sizeHint();
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractSpinBox*>(control) ||
        qobject_cast<const QPlainTextEdit*>(control))
        need = control->minimumSizeHint();
    if (const auto* label = qobject_cast<const QLabel*>(control); label && label->wordWrap())
        need = {0, label->heightForWidth(label->width())};
    if (control->width() < need.width() || control->height() < need.height())
        return QStringLiteral("%1 is %2x%3, needs %4x%5")
            .arg(name)
            .arg(control->width())
            .arg(control->height())
            .arg(need.width())
            .arg(need.height());
    if (CutByParent(control)) return name + QStringLiteral(" is cut by its parent");
    return {};
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> t;
    QFont designFont_;

    // By its English caption, in whatever language the window speaks.
    void Select(const char* entry) const {
        t->SelectEntry(QCoreApplication::translate("varnolt::MainWindow", entry));
    }
    // The option column's scroll bar, coming or going, lays the window out again, in more than one round.
    static void Settle() {
        for (int round = 0; round < 4; ++round)
            QApplication::processEvents();
    }

    // Every shown caption, option and field of the window, and the navigation tree's entries.
    QStringList Faults() const {
        QStringList faults;
        Settle();
        const QWidget* window = t->window.get();
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisible() || control->window() != window) continue;
            const bool text =
                qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QComboBox*>(control) ||
                qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractSpinBox*>(control);
            const auto* label = qobject_cast<const QLabel*>(control);
            // The status panels show what a run says, elided by design.
            const bool caption =
                label && !label->text().isEmpty() && !control->objectName().startsWith("StatusBar1");
            if (!text && !caption) continue;
            if (control->parentWidget()->inherits("QComboBox") ||
                control->parentWidget()->inherits("QAbstractSpinBox"))
                continue; // the box's own line edit
            if (const QString cut = Cut(control); !cut.isEmpty()) faults << cut;
        }
        for (const QScrollArea* area : window->findChildren<QScrollArea*>()) {
            const QWidget* content = area->widget();
            if (content->width() > area->viewport()->width() ||
                content->width() < content->minimumSizeHint().width())
                faults << area->objectName() + QStringLiteral(" cuts its content at the side");
            if (content->height() > area->viewport()->height() &&
                area->verticalScrollBar()->maximum() < content->height() - area->viewport()->height())
                faults << area->objectName() + QStringLiteral(" cannot scroll to all of its content");
        }
        const QTreeWidget* tree = t->window->methodTree;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* top = tree->topLevelItem(i);
            std::vector<const QTreeWidgetItem*> entries{top};
            for (int c = 0; c < top->childCount(); ++c)
                entries.push_back(top->child(c));
            for (const QTreeWidgetItem* entry : entries) {
                const QRect shown = tree->visualItemRect(entry);
                // The separator line has no icon to make room for.
                const int icon = entry->icon(0).isNull() ? 0 : tree->iconSize().width();
                const int need = QFontMetrics(tree->font()).horizontalAdvance(entry->text(0));
                if (shown.right() > tree->viewport()->width() || shown.width() < need + icon)
                    faults << entry->text(0) + QStringLiteral(" is cut");
            }
        }
        return faults;
    }

    // The toolbar's buttons stand in their order, none over another.
    QStringList ToolbarFaults() const {
        QStringList faults;
        int right = -1;
        for (const char* name : kToolbar) {
            const QWidget* button = t->Find<QWidget>(name);
            if (button->x() <= right)
                faults << QLatin1String(name) + QStringLiteral(" overlaps its neighbour");
            right = button->geometry().right();
        }
        return faults;
    }

    void WalkEverything(const QString& where) {
        for (const char* entry : kMethodEntries) {
            Select(entry);
            // The sub-options of "by hour" show only when it is checked.
            for (bool subOptions : {false, true}) {
                t->window->byHour->setChecked(subOptions);
                t->window->includeMinute->setChecked(subOptions);
                const QStringList faults = Faults() + ToolbarFaults();
                QVERIFY2(faults.isEmpty(),
                         qPrintable(where + QStringLiteral(", ") + QLatin1String(entry) +
                                    QStringLiteral(": ") + faults.join(QStringLiteral("; "))));
            }
        }
    }

  private slots:
    void initTestCase() {
        UseTestLocale();
        // As at the program's start, LANGUAGE picks the translation: the captions are whole in any.
        const std::string language = InstallTranslations(VARNOLT_TRANSLATIONS_DIR);
        if (qEnvironmentVariableIsSet("VARNOLT_EXPECT_LANGUAGE"))
            QCOMPARE(QString::fromStdString(language), qEnvironmentVariable("VARNOLT_EXPECT_LANGUAGE"));
        designFont_ = QApplication::font();
    }
    void cleanup() {
        t.reset();
        QApplication::setFont(designFont_);
        qApp->setStyleSheet(QString());
    }

    void everyCaptionIsWholeAtEveryFont_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("styleSheet");
        QTest::addColumn<int>("whileShown"); // the desktop's font changed while the window is open
        for (int points : {9, 10, 12, 14}) {
            QTest::addRow("%d pt", points) << points << false << 0;
            QTest::addRow("%d pt style sheet", points) << points << true << 0;
        }
        QTest::addRow("9 pt, then 14 pt") << 9 << false << 14;
    }

    void everyCaptionIsWholeAtEveryFont() {
        QFETCH(int, points);
        QFETCH(bool, styleSheet);
        QFETCH(int, whileShown);
        const auto useFont = [styleSheet](int size) {
            if (styleSheet) {
                qApp->setStyleSheet(QStringLiteral("* { font-size: %1pt; }").arg(size));
            } else {
                QFont font = QApplication::font();
                font.setPointSize(size);
                QApplication::setFont(font);
            }
        };
        useFont(points);
        t = std::make_unique<TestWindow>();
        t->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t->window.get()));
        t->window->onStartupTimer();
        if (whileShown > 0) {
            // The window lays itself out again as its events come in.
            useFont(whileShown);
            QTRY_VERIFY(Faults().isEmpty());
        }
        WalkEverything(QStringLiteral("at start"));

        // The least size the window takes is one at which everything still shows, scrolled to in the option
        // column, and one that a screen of 1280 x 800 holds with a title bar and a desktop panel.
        t->window->resize(1, 1);
        Settle();
        QTRY_COMPARE(t->window->size(), t->window->minimumSize());
        QVERIFY2(t->window->width() <= 1280 && t->window->height() <= 720,
                 qPrintable(QStringLiteral("%1x%2").arg(t->window->width()).arg(t->window->height())));
        WalkEverything(QStringLiteral("at the minimum size"));
    }

    // The design's sizes are the sizes at start at the design font; the tree and the option column keep
    // their widths, the general options their height, and the result tree takes what the window gains.
    void whichRegionGrows() {
        t = std::make_unique<TestWindow>();
        t->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(t->window.get()));
        Settle();
        QWidget* tree = t->Find<QWidget>("TreeView1");
        QWidget* column = t->Find<QWidget>("Panel7");
        QWidget* general = t->Find<QWidget>("Panel4");
        QWidget* sources = t->Find<QWidget>("Panel5");
        QWidget* results = t->Find<QWidget>("TreeView2");
        QVERIFY(tree->width() >= 171);
        QVERIFY(column->width() >= 172);
        QVERIFY(general->height() >= 291);
        QCOMPARE(sources->height(), 216);
        QVERIFY(t->Find<QWidget>("Panel3")->height() >= 52);
        QVERIFY(t->Find<QWidget>("Panel9")->height() >= 37);
        QCOMPARE(t->Find<QSplitter>("Splitter1")->handleWidth(), 2);
        QVERIFY(!t->Find<QScrollArea>("Panel7")->verticalScrollBar()->isVisible());

        const int treeWidth = tree->width();
        const int columnWidth = column->width();
        const int generalHeight = general->height();
        const QSize resultsSize = results->size();
        t->window->resize(t->window->size() + QSize(300, 200));
        QTRY_COMPARE(results->size(), resultsSize + QSize(300, 200));
        QCOMPARE(tree->width(), treeWidth);
        QCOMPARE(column->width(), columnWidth);
        QCOMPARE(general->height(), generalHeight);
        QCOMPARE(sources->height(), 216);
        // Left to right: tree, option column, work area; in the column the method above the general options,
        // which stay at the bottom whatever is shown.
        QVERIFY(tree->geometry().right() < column->x());
        QVERIFY(column->geometry().right() < t->Find<QWidget>("Panel2")->x());
        for (const char* entry : kMethodEntries) {
            Select(entry);
            QCOMPARE(general->geometry().bottom(), column->height() - 1);
        }
        QVERIFY(sources->y() < results->y());
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
