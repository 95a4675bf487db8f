// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the main window: navigation tree, work area with toolbar, source list, result location and
// result tree, and the status bar. The option column is built in MainWindowPanels.cpp.
#include "ui/DesignSize.h"
#include "ui/FileIcons.h"
#include "ui/MainWindow.h"
#include "ui/PreviewTreeModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

// Resources of a static library must be pulled in by name, outside any namespace.
static void InitVarnoltResources() {
    Q_INIT_RESOURCE(varnolt);
}

namespace varnolt {

namespace {

// The sizes of the design at the design font: the sizes at start and the least ones, never limits.
constexpr QSize kClientSizeAtStart{890, 600};
constexpr int kNavigationTreeWidth = 171;
constexpr int kSourceAreaHeight = 216;
constexpr QSize kToolButtonSize{47, 52};
constexpr int kLocationBarHeight = 37;
constexpr int kLocationButtonSize = 28;
constexpr int kLocationButtonStep = 35;
constexpr int kLocationBoxGap = 5;
constexpr int kStatusPanel0Width = 750;
constexpr int kCaptionPixelSize = 16;
// The least contrast of a caption against what it lies on, as for readable text.
constexpr double kCaptionContrast = 4.5;

// The navigation tree's method entries, top to bottom. Each item keeps its method key, so that the
// method does not depend on the (translated) caption.
struct MethodEntry {
    const char* Caption;
    const char* Key;
    const char* Glyph;
};
const MethodEntry kMethodEntries[] = {
    {QT_TRANSLATE_NOOP("varnolt::MainWindow", "by file date"), Method::Date, "by-date"},
    {QT_TRANSLATE_NOOP("varnolt::MainWindow", "by file name"), Method::Name, "by-name"},
    {QT_TRANSLATE_NOOP("varnolt::MainWindow", "by file number"), Method::Number, "by-number"},
    {QT_TRANSLATE_NOOP("varnolt::MainWindow", "by file type"), Method::Type, "by-type"},
    {QT_TRANSLATE_NOOP("varnolt::MainWindow", "by file size"), Method::Size, "by-size"},
};

QIcon Glyph(const char* name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

// The desktop's own icon where its theme has one; the window's glyph without a desktop theme.
QIcon ThemedGlyph(const char* themeName, const char* glyph) {
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor")) return Glyph(glyph);
    return QIcon::fromTheme(QLatin1String(themeName), Glyph(glyph));
}

// A toolbar button is at least as large as the design draws it, and larger when its caption needs more.
class ToolbarButton : public QToolButton {
  public:
    using QToolButton::QToolButton;
    QSize sizeHint() const override { return QToolButton::sizeHint().expandedTo(kToolButtonSize); }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// The navigation tree shows every entry whole, open or not, and is never narrower than the design.
class NavigationTree : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;
    QSize sizeHint() const override { return {EntriesSize().width(), QTreeWidget::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return EntriesSize(); }

  private:
    QSize EntriesSize() const {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        int width = 0;
        int height = 0;
        for (QTreeWidgetItemIterator it(const_cast<NavigationTree*>(this)); *it; ++it) {
            const QModelIndex index = indexFromItem(*it);
            const QSize entry = itemDelegate()->sizeHint(option, index);
            int depth = 0;
            for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
                ++depth;
            width = std::max(width, entry.width() + depth * indentation());
            height += entry.height();
        }
        const int frame = 2 * frameWidth();
        return {std::max(kNavigationTreeWidth, width + frame), height + frame};
    }
};

// A flat toolbar button with its glyph above its caption. Alt with its letter reaches it from the
// keyboard; the caption stays as it is and the tooltip tells the key.
QToolButton* NewToolButton(QWidget* parent, const QString& caption, const QString& hint, const char* glyph,
                           const char* themeIcon, bool bold, Qt::Key altKey) {
    auto* button = new ToolbarButton(parent);
    button->setText(caption);
    const QKeySequence key(QKeyCombination(Qt::AltModifier, altKey));
    button->setShortcut(key);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(hint, key.toString(QKeySequence::NativeText)));
    button->setIcon(ThemedGlyph(themeIcon, glyph));
    button->setIconSize({24, 24});
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    if (bold) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    }
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

// The toolbar from left to right. Its texts are translated where the buttons are made.
struct ToolbarEntry {
    QToolButton* MainWindow::*Button;
    const char* Caption;
    const char* Hint;
    const char* Glyph;
    const char* ThemeIcon;
    bool Bold;
    Qt::Key AltKey;
};
const ToolbarEntry kToolbar[] = {
    {&MainWindow::runButton, QT_TRANSLATE_NOOP("varnolt::MainWindow", "Run"),
     QT_TRANSLATE_NOOP("varnolt::MainWindow", "Classify Now"), "run", "media-playback-start", true,
     Qt::Key_R},
    {&MainWindow::stopButton, QT_TRANSLATE_NOOP("varnolt::MainWindow", "Stop"),
     QT_TRANSLATE_NOOP("varnolt::MainWindow", "Stop"), "stop", "process-stop", false, Qt::Key_S},
    {&MainWindow::previewButton, QT_TRANSLATE_NOOP("varnolt::MainWindow", "Preview"),
     QT_TRANSLATE_NOOP("varnolt::MainWindow", "Preview result"), "preview", "document-print-preview", false,
     Qt::Key_P},
    {&MainWindow::addFolderButton, QT_TRANSLATE_NOOP("varnolt::MainWindow", "Folder"),
     QT_TRANSLATE_NOOP("varnolt::MainWindow", "Add a folder"), "add-folder", "folder-new", true, Qt::Key_F},
    {&MainWindow::addFilesButton, QT_TRANSLATE_NOOP("varnolt::MainWindow", "Files"),
     QT_TRANSLATE_NOOP("varnolt::MainWindow", "Add files"), "add-files", "document-open", false, Qt::Key_I},
    {&MainWindow::removeButton, QT_TRANSLATE_NOOP("varnolt::MainWindow", "Remove"),
     QT_TRANSLATE_NOOP("varnolt::MainWindow", "Delete"), "remove", "list-remove", false, Qt::Key_E},
    {&MainWindow::undoButton, QT_TRANSLATE_NOOP("varnolt::MainWindow", "Undo"),
     QT_TRANSLATE_NOOP("varnolt::MainWindow", "Undo the last operation"), "undo", "edit-undo", true,
     Qt::Key_U},
    {&MainWindow::helpButton, QT_TRANSLATE_NOOP("varnolt::MainWindow", "Help"),
     QT_TRANSLATE_NOOP("varnolt::MainWindow", "Read help "), "help", "help-contents", false, Qt::Key_H},
    {&MainWindow::closeButton, QT_TRANSLATE_NOOP("varnolt::MainWindow", "Close"),
     QT_TRANSLATE_NOOP("varnolt::MainWindow", "Exit"), "close", "application-exit", false, Qt::Key_C},
};

// The relative luminance and the contrast of two colours, as the accessibility guidelines define them.
double Luminance(const QColor& colour) {
    const auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a) + 0.05, lb = Luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

// The colour made darker on a light background, or lighter on a dark one, until it reads there.
QColor ReadableOn(const QColor& colour, const QColor& background) {
    const bool lighter = Contrast(Qt::white, background) > Contrast(Qt::black, background);
    QColor readable = colour.toHsl();
    while (Contrast(readable, background) < kCaptionContrast) {
        const int lightness = readable.lightness() + (lighter ? 4 : -4);
        if (lightness < 0 || lightness > 255) return lighter ? QColor(Qt::white) : QColor(Qt::black);
        readable.setHsl(readable.hslHue(), readable.hslSaturation(), lightness);
    }
    return readable.toRgb();
}

// A caption that lies over an empty list or tree, inviting the first step.
QFrame* NewCaptionPanel(QWidget* over, const QString& caption) {
    auto* panel = new QFrame(over);
    auto* layout = new QVBoxLayout(panel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* label = new QLabel(caption, panel);
    layout->addWidget(label, 0, Qt::AlignHCenter);
    return panel;
}

} // namespace

MainWindow::MainWindow(FileSystem& fs, MessageBoxes& boxes, MessagePump& pump, Shell& shell,
                       SettingsStore& settings, FileDialogs& dialogs, EmbeddedDates& dates,
                       Translator& engineTexts, const std::string& dataFolder, QWidget* parent)
    : QMainWindow(parent), fs_(fs), boxes_(boxes), shell_(shell), settings_(settings), dialogs_(dialogs),
      host_(*this, boxes, engineTexts), engine_(options_, {fs, host_, pump, shell, dates}, dataFolder),
      fileIcons_(std::make_unique<FileIcons>()) {
    InitVarnoltResources();
    setWindowTitle(tr("Varnolt [ classify many files automatically ]"));
    setWindowIcon(Glyph("varnolt"));
    LoadImages();

    auto* client = new QWidget(this);
    auto* columns = new QHBoxLayout(client);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    BuildNavigationTree();
    columns->addWidget(methodTree);
    columns->addWidget(BuildOptionColumn());
    columns->addWidget(BuildWorkArea(), 1);
    setCentralWidget(client);
    BuildStatusBar();
    NameControls();
    BuildMenuBar();
    StyleCaptionPanels();

    BindOptions();
    ConnectInterlocks();
    ConnectCommands();

    // The window is never smaller than its content needs at the current font; that is its minimum size.
    layout()->activate();
    resize(SizeAtStart());
    layout()->activate();
    // The columns get their heights now, so that the option column does not show its scroll bar for
    // the moment before (which would widen the window for good).
    centralWidget()->layout()->activate();
    splitter->setSizes({kSourceAreaHeight, splitter->height() - kSourceAreaHeight - splitter->handleWidth()});
    CentreOnScreen();
    RestorePlace();
    startupTimer.setSingleShot(true);
    startupTimer.setInterval(300);
    connect(&startupTimer, &QTimer::timeout, this, &MainWindow::onStartupTimer);
    startupTimer.start();
}

// The design's ids of the predefined groups' check boxes and "Change" buttons, in the order of
// kTypeGroups. A group added after them has none: its controls are named after its key ("archiveGroup",
// "archiveChange").
namespace {
struct GroupIds {
    const char* Box;
    const char* Change;
};
constexpr GroupIds kGroupIds[] = {
    {"CheckBox10", "Button4"}, {"CheckBox7", "Button5"}, {"CheckBox6", "Button6"},
    {"CheckBox9", "Button7"},  {"CheckBox8", "Button8"},
};
} // namespace

// The object name of every control: the id of the original design, which tests, style sheets and users
// find it by. The one place that pairs the two.
void MainWindow::NameControls() {
    const std::pair<QObject*, const char*> ids[] = {
        {this, "Form1"},
        {&startupTimer, "Timer1"},
        // Navigation tree and toolbar
        {methodTree, "TreeView1"},
        {workArea, "Panel2"},
        {sourceArea, "Panel5"},
        {toolbar, "Panel3"},
        {runButton, "SpeedButton1"},
        {stopButton, "SpeedButton11"},
        {previewButton, "SpeedButton12"},
        {addFolderButton, "SpeedButton4"},
        {addFilesButton, "SpeedButton7"},
        {removeButton, "SpeedButton2"},
        {undoButton, "SpeedButton10"},
        {helpButton, "SpeedButton13"},
        {closeButton, "SpeedButton8"},
        // Source list, result location, result tree, status bar
        {sourceList, "ListView1"},
        {sourceListMenu, "PopupMenu2"},
        {addFolderAction, "AddFolder1"},
        {removeAction, "Delete1"},
        {addFilesAction, "AddFiles1"},
        {sourceListHint, "Panel14"},
        {sourceListHint->findChild<QLabel*>(), "Panel14Caption"},
        {loadLastListButton, "Button1"},
        {locationBar, "Panel9"},
        {resultLocationLabel, "ResultLocationLabel"},
        {resultLocation, "ComboBox4"},
        {selectResultFolderButton, "SpeedButton6"},
        {openResultFolderButton, "SpeedButton9"},
        {splitter, "Splitter1"},
        {previewTree, "TreeView2"},
        {previewHint, "Panel15"},
        {previewHint->findChild<QLabel*>(), "Panel15Caption"},
        {statusLine, "StatusBar1"},
        {statusPanels[0], "StatusBar1Panel0"},
        {statusPanels[1], "StatusBar1Panel1"},
        // Option column
        {optionColumn, "Panel7"},
        {optionColumn->widget(), "OptionColumnContent"},
        {methodPanels_, "MethodPanels"},
        // Method "date"
        {datePanel, "Panel12"},
        {byYear, "CheckBox15"},
        {byMonth, "CheckBox16"},
        {byWeek, "CheckBox17"},
        {byDay, "CheckBox18"},
        {byHour, "CheckBox19"},
        {includeMinute, "CheckBox20"},
        {includeSecond, "CheckBox21"},
        {timeKind, "ComboBox3"},
        {groupedSubfolders, "CheckBox14"},
        {numberMonth, "CheckBox22"},
        {abbrMonth, "CheckBox23"},
        // Method "name"
        {namePanel, "Panel1"},
        {byHeadLetters, "RadioButton6"},
        {headLetterCount, "Edit2"},
        {byWordList, "RadioButton8"},
        {wordList, "Memo1"},
        {saveWordListButton, "Button2"},
        {loadWordListButton, "Button3"},
        // Method "type"
        {typePanel, "Panel10"},
        // The predefined groups' check boxes and "Change" buttons follow, from kGroupIds.
        {otherGroup1, "CheckBox11"},
        {otherGroup1Folder, "Edit3"},
        {otherGroup1Types, "Edit4"},
        {otherGroup2, "CheckBox12"},
        {otherGroup2Folder, "Edit5"},
        {otherGroup2Types, "Edit6"},
        {everyTypeFolder, "CheckBox13"},
        // Method "size"
        {sizePanel, "Panel11"},
        {sizeStep, "Edit7"},
        {sizeUnit, "ComboBox2"},
        // Method "number"
        {numberPanel, "Panel13"},
        {maxFilesPerFolder, "Edit8"},
        {subfolderName, "Edit9"},
        // General options
        {generalOptions, "Panel4"},
        {moveSourceFiles, "CheckBox3"},
        {includeSubfolders, "CheckBox4"},
        {includeFolderName, "CheckBox5"},
        {onlyClassifySubfolder, "CheckBox1"},
        {excludeShortcut, "CheckBox2"},
        {excludeFolderInfoFile, "CheckBox25"},
        {excludeThumbFile, "CheckBox26"},
        {keepSidecars, "keepSidecars"},
        {limitPreview, "CheckBox27"},
        {previewLimit, "Edit10"},
        {useTypeFilter, "CheckBox28"},
        {typeFilterGroup, "ComboBox1"},
        {typeFilterText, "Edit1"},
    };
    for (const auto& [control, id] : ids)
        control->setObjectName(QLatin1String(id));
    for (std::size_t i = 0; i < kTypeGroupCount; ++i) {
        const bool designed = i < std::size(kGroupIds);
        const QString key = QLatin1String(kTypeGroups[i].Key);
        groupBoxes[i]->setObjectName(designed ? QLatin1String(kGroupIds[i].Box)
                                              : key + QStringLiteral("Group"));
        groupChangeButtons[i]->setObjectName(designed ? QLatin1String(kGroupIds[i].Change)
                                                      : key + QStringLiteral("Change"));
    }
}

MainWindow::~MainWindow() {
    // The controls go after the window's own members: what they signal on the way out has no receiver.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    // The tree the result view shows goes with the engine, before the view.
    previewTree->setModel(nullptr);
    engine_.Preview().SetView(nullptr);
}

void MainWindow::LoadImages() {
    navigationIcons.push_back(Glyph("classify"));
    for (const MethodEntry& entry : kMethodEntries)
        navigationIcons.push_back(Glyph(entry.Glyph));
    resultTreeIcons = {Glyph("folder-open"), Glyph("folder-marked"), Glyph("folder-closed"),
                       Glyph("file-unknown")};
}

// The design's size, or larger where the content needs it; and taller, as far as the screen allows, where
// the option column would otherwise scroll.
QSize MainWindow::SizeAtStart() const {
    const QSize minimum = minimumSizeHint();
    // The design's client area lies below the menu bar.
    QSize size = (kClientSizeAtStart + QSize(0, menuBar()->sizeHint().height())).expandedTo(minimum);
    // What the window has besides its columns: the menu bar and the status bar.
    const int besides = minimum.height() - centralWidget()->minimumSizeHint().height();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Room for the title bar the window manager adds.
        const int room =
            screen->availableGeometry().height() - style()->pixelMetric(QStyle::PM_TitleBarHeight);
        size.setHeight(std::max(size.height(), std::min(besides + optionColumn->UnscrolledHeight(), room)));
    }
    return size;
}

void MainWindow::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::BuildNavigationTree() {
    methodTree = new NavigationTree(this);
    methodTree->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    methodTree->setHeaderHidden(true);
    methodTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    methodTree->setIconSize({24, 24});
    methodTree->setIndentation(27);
    // The top entry needs no branch of its own: the width goes to the entries' captions. Without a branch
    // mark the user could not open it again, so the entries stay open.
    methodTree->setRootIsDecorated(false);
    methodTree->setItemsExpandable(false);
    methodTree->setExpandsOnDoubleClick(false);
    methodTree->setFrameShape(QFrame::NoFrame);

    methodTree->setAccessibleName(tr("Classification methods"));
    auto* top = new QTreeWidgetItem(methodTree, {tr("Auto-Classify Files")});
    top->setIcon(0, navigationIcons[0]);
    for (std::size_t i = 0; i < std::size(kMethodEntries); ++i) {
        auto* entry = new QTreeWidgetItem(top, {tr(kMethodEntries[i].Caption)});
        entry->setIcon(0, navigationIcons[i + 1]);
        entry->setData(0, MethodKeyRole, QLatin1String(kMethodEntries[i].Key));
    }
    // A line between entries, not one to choose.
    auto* separator = new QTreeWidgetItem(methodTree, {QString(26, u'-')});
    separator->setFlags(Qt::NoItemFlags);
}

QWidget* MainWindow::BuildWorkArea() {
    workArea = new QWidget(this);
    auto* layout = new QVBoxLayout(workArea);
    layout->setContentsMargins(0, 0, 0, 0);

    sourceArea = new QWidget(workArea);
    auto* upper = new QVBoxLayout(sourceArea);
    upper->setContentsMargins(0, 0, 0, 0);
    upper->setSpacing(0);
    BuildToolbar();
    BuildSourceList();
    BuildResultLocationBar();
    upper->addWidget(toolbar);
    upper->addWidget(sourceList, 1);
    upper->addWidget(locationBar);

    BuildResultTree();
    splitter = new QSplitter(Qt::Vertical, workArea);
    splitter->setHandleWidth(2);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(sourceArea);
    splitter->addWidget(previewTree);
    // The source area keeps its height when the window grows; the result tree takes the rest.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter);
    return workArea;
}

void MainWindow::BuildToolbar() {
    toolbar = new QWidget(sourceArea);
    toolbar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(toolbar);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    for (const ToolbarEntry& entry : kToolbar) {
        this->*entry.Button = NewToolButton(toolbar, tr(entry.Caption), tr(entry.Hint), entry.Glyph,
                                            entry.ThemeIcon, entry.Bold, entry.AltKey);
        layout->addWidget(this->*entry.Button);
    }
    layout->addStretch(1);
    stopButton->setEnabled(false);
    removeButton->setEnabled(false);
    undoButton->setEnabled(false);
}

void MainWindow::BuildSourceList() {
    sourceList = new QTreeWidget(sourceArea);
    sourceList->setColumnCount(1);
    sourceList->setHeaderLabels({tr("Add folder and file to be classified")});
    sourceList->setAccessibleName(tr("Folders and files to classify"));
    sourceList->header()->setSectionsClickable(false);
    sourceList->setRootIsDecorated(false);
    sourceList->setUniformRowHeights(true);
    sourceList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    sourceList->setEditTriggers(QAbstractItemView::NoEditTriggers);

    sourceListMenu = new QMenu(sourceList);
    addFolderAction = sourceListMenu->addAction(tr("Add Folder"));
    removeAction = sourceListMenu->addAction(tr("Delete"));
    removeAction->setEnabled(false);
    addFilesAction = sourceListMenu->addAction(tr("Add Files"));
    sourceList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sourceList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { sourceListMenu->popup(sourceList->viewport()->mapToGlobal(at)); });

    sourceListHint = NewCaptionPanel(sourceList->viewport(), tr("Add folder or files here"));
    loadLastListButton = new QPushButton(tr("Load last list"), sourceListHint);
    sourceListHint->layout()->addWidget(loadLastListButton);
    sourceListHint->layout()->setAlignment(loadLastListButton, Qt::AlignHCenter);
    loadLastListButton->hide();
    sourceList->viewport()->installEventFilter(this);
    sourceListHint->installEventFilter(this);
}

void MainWindow::BuildResultLocationBar() {
    locationBar = new DesignSizedPanel({0, kLocationBarHeight}, sourceArea);
    locationBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    resultLocationLabel = new QLabel(tr("Result Location: "), locationBar);
    QFont bold = resultLocationLabel->font();
    bold.setBold(true);
    resultLocationLabel->setFont(bold);

    resultLocation = new QComboBox(locationBar);
    resultLocation->setEditable(true);
    resultLocation->setCompleter(nullptr);
    resultLocation->setInsertPolicy(QComboBox::NoInsert);
    resultLocation->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    resultLocationLabel->setBuddy(resultLocation);

    selectResultFolderButton = new QToolButton(locationBar);
    selectResultFolderButton->setToolTip(tr("Select a folder"));
    selectResultFolderButton->setAccessibleName(selectResultFolderButton->toolTip());
    selectResultFolderButton->setIcon(Glyph("select-folder"));
    selectResultFolderButton->setAutoRaise(true);
    selectResultFolderButton->setFixedSize(kLocationButtonSize, kLocationButtonSize);
    openResultFolderButton = new QToolButton(locationBar);
    openResultFolderButton->setToolTip(tr("Open the folder"));
    openResultFolderButton->setAccessibleName(openResultFolderButton->toolTip());
    openResultFolderButton->setIcon(Glyph("open-folder"));
    openResultFolderButton->setAutoRaise(true);
    openResultFolderButton->setFixedSize(kLocationButtonSize, kLocationButtonSize);

    // The open-folder button 35 px left of the bar's right edge, the select-folder button 35 px left of
    // it, the location box ending 5 px before that and taking every width the label leaves.
    const int buttonGap = kLocationButtonStep - kLocationButtonSize;
    auto* row = new QHBoxLayout(locationBar);
    row->setContentsMargins(6, 0, buttonGap, 0);
    row->setSpacing(0);
    row->addWidget(resultLocationLabel);
    row->addSpacing(4);
    row->addWidget(resultLocation, 1);
    row->addSpacing(kLocationBoxGap);
    row->addWidget(selectResultFolderButton);
    row->addSpacing(buttonGap);
    row->addWidget(openResultFolderButton);
}

void MainWindow::BuildResultTree() {
    previewTree = new QTreeView(this);
    previewTree->setHeaderHidden(true);
    previewTree->setUniformRowHeights(true);
    previewTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewTree->setIconSize({16, 16});
    previewModel_ = new PreviewTreeModel(
        engine_.Preview(),
        {resultTreeIcons[OpenFolderImage], resultTreeIcons[ClosedFolderImage],
         [icons = fileIcons_.get()](const QString& name) { return icons->ForFileName(name); }},
        this);
    previewTree->setModel(previewModel_);
    engine_.Preview().SetView(previewModel_);
    connect(previewModel_, &PreviewTreeModel::rootExpandRequested, previewTree, &QTreeView::expand);

    previewTree->setAccessibleName(tr("Preview results"));
    previewHint = NewCaptionPanel(previewTree->viewport(), tr("Preview results here"));
    previewTree->viewport()->installEventFilter(this);
    previewHint->installEventFilter(this);
}

void MainWindow::BuildStatusBar() {
    statusLine = new QStatusBar(this);
    for (std::size_t i = 0; i < statusPanels.size(); ++i) {
        statusPanels[i] = new QLabel(statusLine);
        statusPanels[i]->setFrameShape(QFrame::StyledPanel);
        statusPanels[i]->setFrameShadow(QFrame::Sunken);
        statusPanels[i]->setTextFormat(Qt::PlainText);
        // A long path must not widen the window.
        statusPanels[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    // Panel 1 takes what panel 0 leaves.
    statusPanels[0]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    statusPanels[0]->setFixedWidth(kStatusPanel0Width);
    statusLine->addWidget(statusPanels[0]);
    statusLine->addWidget(statusPanels[1], 1);
    setStatusBar(statusLine);
    statusLine->installEventFilter(this);
}

// The two invitations are bold, 16 px at the design font and a third larger than the text at a larger
// one, in the palette's link colour (a blue, mostly), made darker or lighter where it would not read on
// the list.
void MainWindow::StyleCaptionPanels() {
    const int textPixels = QFontInfo(font()).pixelSize();
    const int captionPixels = std::max(kCaptionPixelSize, (textPixels * 4 + 1) / 3);
    for (const QFrame* panel : {sourceListHint, previewHint}) {
        auto* caption = panel->findChild<QLabel*>(panel->objectName() + QStringLiteral("Caption"));
        // The window's own palette: at its change the lists below it have not taken the new one yet.
        const QPalette& palette = this->palette();
        const QColor blue = ReadableOn(palette.color(QPalette::Link), palette.color(QPalette::Base));
        QFont font = caption->font();
        font.setBold(true);
        font.setPixelSize(captionPixels);
        caption->setFont(font);
        // A style sheet, as a palette would give way to the desktop's or the user's style sheet.
        const QString colour = QStringLiteral("color: %1;").arg(blue.name());
        if (caption->styleSheet() != colour) caption->setStyleSheet(colour);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) StyleCaptionPanels();
}

void MainWindow::CentreCaptionPanel(QWidget* panel) {
    const QWidget* area = panel->parentWidget();
    panel->move((area->width() - panel->width()) / 2, (area->height() - panel->height()) / 2);
}

} // namespace varnolt
