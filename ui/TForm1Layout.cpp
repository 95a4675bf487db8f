// The frame of the main window: navigation tree, work area with toolbar, source list, result location and
// result tree, and the status bar. The option column is built in TForm1Panels.cpp.
#include "ui/DesignSize.h"
#include "ui/FileIcons.h"
#include "ui/PreviewTreeModel.h"
#include "ui/BoundOptions.h"
#include "ui/TForm1.h"

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

// Resources of a static library must be pulled in by name, outside any namespace.
static void InitVarnoltResources() { Q_INIT_RESOURCE(varnolt); }

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
// A blue as light as a dark list needs to be read on.
constexpr QRgb kBlueOnDark = 0xff8ab4f8;

// The navigation tree's method entries, top to bottom. Each item keeps its method key, so that the
// method does not depend on the (translated) caption.
struct MethodEntry {
    const char* Caption;
    const char* Key;
    const char* Glyph;
};
const MethodEntry kMethodEntries[] = {
    {QT_TRANSLATE_NOOP("varnolt::TForm1", "by file date"), Method::Date, "by-date"},
    {QT_TRANSLATE_NOOP("varnolt::TForm1", "by file name"), Method::Name, "by-name"},
    {QT_TRANSLATE_NOOP("varnolt::TForm1", "by file number"), Method::Number, "by-number"},
    {QT_TRANSLATE_NOOP("varnolt::TForm1", "by file type"), Method::Type, "by-type"},
    {QT_TRANSLATE_NOOP("varnolt::TForm1", "by file size"), Method::Size, "by-size"},
};

QIcon Glyph(const char* name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))); }

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
            for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent()) ++depth;
            width = std::max(width, entry.width() + depth * indentation());
            height += entry.height();
        }
        const int frame = 2 * frameWidth();
        return {std::max(kNavigationTreeWidth, width + frame), height + frame};
    }
};

// A flat toolbar button with its glyph above its caption. Alt with its letter reaches it from the
// keyboard; the caption stays as it is and the tooltip tells the key.
QToolButton* NewToolButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                           const char* glyph, const char* themeIcon, bool bold, Qt::Key altKey) {
    auto* button = new ToolbarButton(parent);
    button->setObjectName(QLatin1String(name));
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
    QToolButton* TForm1::*Button;
    const char* Name;
    const char* Caption;
    const char* Hint;
    const char* Glyph;
    const char* ThemeIcon;
    bool Bold;
    Qt::Key AltKey;
};
const ToolbarEntry kToolbar[] = {
    {&TForm1::SpeedButton1, "SpeedButton1", QT_TRANSLATE_NOOP("varnolt::TForm1", "Run"), QT_TRANSLATE_NOOP("varnolt::TForm1", "Classify Now"), "run",
     "media-playback-start", true, Qt::Key_R},
    {&TForm1::SpeedButton11, "SpeedButton11", QT_TRANSLATE_NOOP("varnolt::TForm1", "Stop"), QT_TRANSLATE_NOOP("varnolt::TForm1", "Stop"), "stop", "process-stop", false,
     Qt::Key_S},
    {&TForm1::SpeedButton12, "SpeedButton12", QT_TRANSLATE_NOOP("varnolt::TForm1", "Preview"), QT_TRANSLATE_NOOP("varnolt::TForm1", "Preview result"), "preview",
     "document-print-preview", false, Qt::Key_P},
    {&TForm1::SpeedButton4, "SpeedButton4", QT_TRANSLATE_NOOP("varnolt::TForm1", "Folder"), QT_TRANSLATE_NOOP("varnolt::TForm1", "Add a folder"), "add-folder",
     "folder-new", true, Qt::Key_F},
    {&TForm1::SpeedButton7, "SpeedButton7", QT_TRANSLATE_NOOP("varnolt::TForm1", "Files"), QT_TRANSLATE_NOOP("varnolt::TForm1", "Add files"), "add-files",
     "document-open", false, Qt::Key_I},
    {&TForm1::SpeedButton2, "SpeedButton2", QT_TRANSLATE_NOOP("varnolt::TForm1", "Remove"), QT_TRANSLATE_NOOP("varnolt::TForm1", "Delete"), "remove", "list-remove",
     false, Qt::Key_E},
    {&TForm1::SpeedButton10, "SpeedButton10", QT_TRANSLATE_NOOP("varnolt::TForm1", "Undo"), QT_TRANSLATE_NOOP("varnolt::TForm1", "Undo the last operation"), "undo",
     "edit-undo", true, Qt::Key_U},
    {&TForm1::SpeedButton13, "SpeedButton13", QT_TRANSLATE_NOOP("varnolt::TForm1", "Help"), QT_TRANSLATE_NOOP("varnolt::TForm1", "Read help "), "help",
     "help-contents", false, Qt::Key_H},
    {&TForm1::SpeedButton8, "SpeedButton8", QT_TRANSLATE_NOOP("varnolt::TForm1", "Close"), QT_TRANSLATE_NOOP("varnolt::TForm1", "Exit"), "close", "application-exit",
     false, Qt::Key_C},
};

// A caption that lies over an empty list or tree, inviting the first step.
QFrame* NewCaptionPanel(QWidget* over, const char* name, const QString& caption) {
    auto* panel = new QFrame(over);
    panel->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(panel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* label = new QLabel(caption, panel);
    label->setObjectName(QLatin1String(name) + QStringLiteral("Caption"));
    layout->addWidget(label, 0, Qt::AlignHCenter);
    return panel;
}

} // namespace

TForm1::TForm1(FileSystem& fs, MessageBoxes& boxes, MessagePump& pump, Shell& shell, SettingsStore& settings,
               FileDialogs& dialogs, const std::string& dataFolder, QWidget* parent)
    : QMainWindow(parent), fs_(fs), boxes_(boxes), shell_(shell), settings_(settings), dialogs_(dialogs),
      host_(*this, boxes, engineTexts_), engine_(options_, {fs, host_, pump, shell, embeddedDates_}, dataFolder),
      fileIcons_(std::make_unique<FileIcons>()) {
    InitVarnoltResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Varnolt [ classify many files automatically ]"));
    setWindowIcon(Glyph("varnolt"));
    LoadImages();

    auto* client = new QWidget(this);
    auto* columns = new QHBoxLayout(client);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    BuildNavigationTree();
    columns->addWidget(TreeView1);
    columns->addWidget(BuildOptionColumn());
    columns->addWidget(BuildWorkArea(), 1);
    setCentralWidget(client);
    BuildStatusBar();
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
    Splitter1->setSizes({kSourceAreaHeight, Splitter1->height() - kSourceAreaHeight - Splitter1->handleWidth()});
    CentreOnScreen();

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setInterval(300);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1.start();
}

TForm1::~TForm1() {
    // The controls go after the window's own members: what they signal on the way out has no receiver.
    for (QObject* child : findChildren<QObject*>()) child->blockSignals(true);
    // The tree the result view shows goes with the engine, before the view.
    TreeView2->setModel(nullptr);
    engine_.Preview().SetView(nullptr);
}

void TForm1::LoadImages() {
    ImageList1.push_back(Glyph("classify"));
    for (const MethodEntry& entry : kMethodEntries)
        ImageList1.push_back(Glyph(entry.Glyph));
    ImageList2 = {Glyph("folder-open"), Glyph("folder-marked"), Glyph("folder-closed"), Glyph("file-unknown")};
}

// The design's size, or larger where the content needs it; and taller, as far as the screen allows, where
// the option column would otherwise scroll.
QSize TForm1::SizeAtStart() const {
    const QSize minimum = minimumSizeHint();
    QSize size = kClientSizeAtStart.expandedTo(minimum);
    // What the window has besides its columns: the status bar.
    const int besides = minimum.height() - centralWidget()->minimumSizeHint().height();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // Room for the title bar the window manager adds.
        const int room =
            screen->availableGeometry().height() - style()->pixelMetric(QStyle::PM_TitleBarHeight);
        size.setHeight(std::max(size.height(), std::min(besides + Panel7->UnscrolledHeight(), room)));
    }
    return size;
}

void TForm1::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TForm1::BuildNavigationTree() {
    TreeView1 = new NavigationTree(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setIconSize({24, 24});
    TreeView1->setIndentation(27);
    // The top entry needs no branch of its own: the width goes to the entries' captions. Without a branch
    // mark the user could not open it again, so the entries stay open.
    TreeView1->setRootIsDecorated(false);
    TreeView1->setItemsExpandable(false);
    TreeView1->setExpandsOnDoubleClick(false);
    TreeView1->setFrameShape(QFrame::NoFrame);

    TreeView1->setAccessibleName(tr("Classification methods"));
    auto* top = new QTreeWidgetItem(TreeView1, {tr("Auto-Classify Files")});
    top->setIcon(0, ImageList1[0]);
    for (std::size_t i = 0; i < std::size(kMethodEntries); ++i) {
        auto* entry = new QTreeWidgetItem(top, {tr(kMethodEntries[i].Caption)});
        entry->setIcon(0, ImageList1[i + 1]);
        entry->setData(0, MethodKeyRole, QLatin1String(kMethodEntries[i].Key));
    }
    new QTreeWidgetItem(TreeView1, {QString(26, u'-')});
}

QWidget* TForm1::BuildWorkArea() {
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* layout = new QVBoxLayout(Panel2);
    layout->setContentsMargins(0, 0, 0, 0);

    Panel5 = new QWidget(Panel2);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    auto* upper = new QVBoxLayout(Panel5);
    upper->setContentsMargins(0, 0, 0, 0);
    upper->setSpacing(0);
    BuildToolbar();
    BuildSourceList();
    BuildResultLocationBar();
    upper->addWidget(Panel3);
    upper->addWidget(ListView1, 1);
    upper->addWidget(Panel9);

    BuildResultTree();
    Splitter1 = new QSplitter(Qt::Vertical, Panel2);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(2);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(Panel5);
    Splitter1->addWidget(TreeView2);
    // The source area keeps its height when the window grows; the result tree takes the rest.
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    layout->addWidget(Splitter1);
    return Panel2;
}

void TForm1::BuildToolbar() {
    Panel3 = new QWidget(Panel5);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(Panel3);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    for (const ToolbarEntry& entry : kToolbar) {
        this->*entry.Button = NewToolButton(Panel3, entry.Name, tr(entry.Caption), tr(entry.Hint), entry.Glyph,
                                            entry.ThemeIcon, entry.Bold, entry.AltKey);
        layout->addWidget(this->*entry.Button);
    }
    layout->addStretch(1);
    SpeedButton11->setEnabled(false);
    SpeedButton2->setEnabled(false);
    SpeedButton10->setEnabled(false);
}

void TForm1::BuildSourceList() {
    ListView1 = new QTreeWidget(Panel5);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({tr("Add folder and file to be classified")});
    ListView1->setAccessibleName(tr("Folders and files to classify"));
    ListView1->header()->setSectionsClickable(false);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    PopupMenu2 = new QMenu(ListView1);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    AddFolder1 = PopupMenu2->addAction(tr("Add Folder"));
    AddFolder1->setObjectName(QStringLiteral("AddFolder1"));
    Delete1 = PopupMenu2->addAction(tr("Delete"));
    Delete1->setObjectName(QStringLiteral("Delete1"));
    Delete1->setEnabled(false);
    AddFiles1 = PopupMenu2->addAction(tr("Add Files"));
    AddFiles1->setObjectName(QStringLiteral("AddFiles1"));
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu2->popup(ListView1->viewport()->mapToGlobal(at)); });

    Panel14 = NewCaptionPanel(ListView1->viewport(), "Panel14", tr("Add folder or files here"));
    Button1 = new QPushButton(tr("Load last list"), Panel14);
    Button1->setObjectName(QStringLiteral("Button1"));
    Panel14->layout()->addWidget(Button1);
    Panel14->layout()->setAlignment(Button1, Qt::AlignHCenter);
    Button1->hide();
    ListView1->viewport()->installEventFilter(this);
    Panel14->installEventFilter(this);
}

void TForm1::BuildResultLocationBar() {
    Panel9 = new DesignSizedPanel({0, kLocationBarHeight}, Panel5);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    ResultLocationLabel = new QLabel(tr("Result Location: "), Panel9);
    ResultLocationLabel->setObjectName(QStringLiteral("ResultLocationLabel"));
    QFont bold = ResultLocationLabel->font();
    bold.setBold(true);
    ResultLocationLabel->setFont(bold);

    ComboBox4 = new QComboBox(Panel9);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setEditable(true);
    ComboBox4->setCompleter(nullptr);
    ComboBox4->setInsertPolicy(QComboBox::NoInsert);
    ComboBox4->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ResultLocationLabel->setBuddy(ComboBox4);

    SpeedButton6 = new QToolButton(Panel9);
    SpeedButton6->setObjectName(QStringLiteral("SpeedButton6"));
    SpeedButton6->setToolTip(tr("Select a folder"));
    SpeedButton6->setAccessibleName(SpeedButton6->toolTip());
    SpeedButton6->setIcon(Glyph("select-folder"));
    SpeedButton6->setAutoRaise(true);
    SpeedButton6->setFixedSize(kLocationButtonSize, kLocationButtonSize);
    SpeedButton9 = new QToolButton(Panel9);
    SpeedButton9->setObjectName(QStringLiteral("SpeedButton9"));
    SpeedButton9->setToolTip(tr("Open the folder"));
    SpeedButton9->setAccessibleName(SpeedButton9->toolTip());
    SpeedButton9->setIcon(Glyph("open-folder"));
    SpeedButton9->setAutoRaise(true);
    SpeedButton9->setFixedSize(kLocationButtonSize, kLocationButtonSize);

    // The open-folder button 35 px left of the bar's right edge, the select-folder button 35 px left of
    // it, the location box ending 5 px before that and taking every width the label leaves.
    const int buttonGap = kLocationButtonStep - kLocationButtonSize;
    auto* row = new QHBoxLayout(Panel9);
    row->setContentsMargins(6, 0, buttonGap, 0);
    row->setSpacing(0);
    row->addWidget(ResultLocationLabel);
    row->addSpacing(4);
    row->addWidget(ComboBox4, 1);
    row->addSpacing(kLocationBoxGap);
    row->addWidget(SpeedButton6);
    row->addSpacing(buttonGap);
    row->addWidget(SpeedButton9);
}

void TForm1::BuildResultTree() {
    TreeView2 = new QTreeView(this);
    TreeView2->setObjectName(QStringLiteral("TreeView2"));
    TreeView2->setHeaderHidden(true);
    TreeView2->setUniformRowHeights(true);
    TreeView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView2->setIconSize({16, 16});
    previewModel_ = new PreviewTreeModel(
        engine_.Preview(),
        {ImageList2[OpenFolderImage], ImageList2[ClosedFolderImage],
         [icons = fileIcons_.get()](const QString& name) { return icons->ForFileName(name); }},
        this);
    TreeView2->setModel(previewModel_);
    engine_.Preview().SetView(previewModel_);
    connect(previewModel_, &PreviewTreeModel::rootExpandRequested, TreeView2, &QTreeView::expand);

    TreeView2->setAccessibleName(tr("Preview results"));
    Panel15 = NewCaptionPanel(TreeView2->viewport(), "Panel15", tr("Preview results here"));
    TreeView2->viewport()->installEventFilter(this);
    Panel15->installEventFilter(this);
}

void TForm1::BuildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        StatusPanels[i] = new QLabel(StatusBar1);
        StatusPanels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        StatusPanels[i]->setFrameShape(QFrame::StyledPanel);
        StatusPanels[i]->setFrameShadow(QFrame::Sunken);
        StatusPanels[i]->setTextFormat(Qt::PlainText);
        // A long path must not widen the window.
        StatusPanels[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    // Panel 1 takes what panel 0 leaves.
    StatusPanels[0]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    StatusPanels[0]->setFixedWidth(kStatusPanel0Width);
    StatusBar1->addWidget(StatusPanels[0]);
    StatusBar1->addWidget(StatusPanels[1], 1);
    setStatusBar(StatusBar1);
    StatusBar1->installEventFilter(this);
}

// The two invitations are blue and bold, 16 px at the design font and a third larger than the text at a
// larger one. On a dark list the blue is a light one, so that it stays readable.
void TForm1::StyleCaptionPanels() {
    const int textPixels = QFontInfo(font()).pixelSize();
    const int captionPixels = std::max(kCaptionPixelSize, (textPixels * 4 + 1) / 3);
    for (const QFrame* panel : {Panel14, Panel15}) {
        auto* caption = panel->findChild<QLabel*>(panel->objectName() + QStringLiteral("Caption"));
        const QColor background = panel->parentWidget()->palette().color(QPalette::Base);
        const QColor blue = background.lightness() < 128 ? QColor::fromRgb(kBlueOnDark) : QColor(Qt::blue);
        QFont font = caption->font();
        font.setBold(true);
        font.setPixelSize(captionPixels);
        caption->setFont(font);
        // A style sheet, as a palette would give way to the desktop's or the user's style sheet.
        const QString colour = QStringLiteral("color: %1;").arg(blue.name());
        if (caption->styleSheet() != colour) caption->setStyleSheet(colour);
    }
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) StyleCaptionPanels();
}

void TForm1::CentreCaptionPanel(QWidget* panel) {
    const QWidget* area = panel->parentWidget();
    panel->move((area->width() - panel->width()) / 2, (area->height() - panel->height()) / 2);
}

} // namespace varnolt
