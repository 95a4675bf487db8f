// The frame of the main window: navigation tree, work area with toolbar, source list, result location and
// result tree, and the status bar. The option column is built in TForm1Panels.cpp.
#include "ui/FileIcons.h"
#include "ui/PreviewTreeModel.h"
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
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

// Resources of a static library must be pulled in by name, outside any namespace.
static void InitVarnoltResources() { Q_INIT_RESOURCE(varnolt); }

namespace varnolt {

namespace {

constexpr int kNavigationTreeWidth = 171;
constexpr int kSourceAreaHeight = 216;
constexpr int kToolbarHeight = 52;
constexpr QSize kToolButtonSize{47, 52};
constexpr int kLocationBarHeight = 37;
constexpr int kLocationButtonSize = 28;
constexpr int kStatusPanel0Width = 750;

const char* const kMethodEntries[] = {"by file date", "by file name", "by file number", "by file type",
                                      "by file size"};
const char* const kMethodIcons[] = {"by-date", "by-name", "by-number", "by-type", "by-size"};

QIcon Glyph(const char* name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))); }

// The desktop's own icon where its theme has one; the window's glyph without a desktop theme.
QIcon ThemedGlyph(const char* themeName, const char* glyph) {
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor")) return Glyph(glyph);
    return QIcon::fromTheme(QLatin1String(themeName), Glyph(glyph));
}

// A flat toolbar button with its glyph above its caption.
QToolButton* NewToolButton(QWidget* parent, const char* name, const char* caption, const char* hint,
                           const char* glyph, const char* themeIcon, bool bold) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QLatin1String(caption));
    button->setToolTip(QLatin1String(hint));
    button->setIcon(ThemedGlyph(themeIcon, glyph));
    button->setIconSize({24, 24});
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    if (bold) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    }
    // The desktop's font may be wider than the button; then the button grows rather than cut its caption.
    button->setFixedSize(std::max(kToolButtonSize.width(), button->sizeHint().width()), kToolButtonSize.height());
    return button;
}

// A caption that lies over an empty list or tree, inviting the first step.
QFrame* NewCaptionPanel(QWidget* over, const char* name, const char* caption) {
    auto* panel = new QFrame(over);
    panel->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(panel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* label = new QLabel(QLatin1String(caption), panel);
    label->setObjectName(QLatin1String(name) + QStringLiteral("Caption"));
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(16);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    layout->addWidget(label, 0, Qt::AlignHCenter);
    return panel;
}

// Rows of the source list show the icon of their path, looked up when first drawn.
class SourceRowIcons : public QStyledItemDelegate {
public:
    SourceRowIcons(FileIcons& icons, QObject* parent) : QStyledItemDelegate(parent), icons_(icons) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!option->icon.isNull()) return;
        option->icon = icons_.ForPath(index.data().toString());
        option->features |= QStyleOptionViewItem::HasDecoration;
    }

private:
    FileIcons& icons_;
};

} // namespace

TForm1::TForm1(FileSystem& fs, MessageBoxes& boxes, MessagePump& pump, Shell& shell, SettingsStore& settings,
               FileDialogs& dialogs, const std::string& dataFolder, QWidget* parent)
    : QMainWindow(parent), fs_(fs), boxes_(boxes), shell_(shell), settings_(settings), dialogs_(dialogs),
      engine_(options_, {fs, boxes, pump, shell, *this, embeddedDates_}, dataFolder), fileIcons_(std::make_unique<FileIcons>()) {
    InitVarnoltResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Varnolt [ classify many files automatically ]"));
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

    BindOptions();
    ConnectInterlocks();
    ConnectCommands();

    setMinimumSize(720, 560);
    resize(890, 600);
    layout()->activate();
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
    for (const char* icon : kMethodIcons) ImageList1.push_back(Glyph(icon));
    ImageList2 = {Glyph("folder-open"), Glyph("folder-marked"), Glyph("folder-closed"), Glyph("file-unknown")};
}

void TForm1::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TForm1::BuildNavigationTree() {
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setFixedWidth(kNavigationTreeWidth);
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setIconSize({24, 24});
    TreeView1->setIndentation(27);
    // The top entry needs no branch of its own: the width goes to the entries' captions.
    TreeView1->setRootIsDecorated(false);
    TreeView1->setFrameShape(QFrame::NoFrame);

    auto* top = new QTreeWidgetItem(TreeView1, {QStringLiteral("Auto-Classify Files")});
    top->setIcon(0, ImageList1[0]);
    for (std::size_t i = 0; i < std::size(kMethodEntries); ++i) {
        auto* entry = new QTreeWidgetItem(top, {QLatin1String(kMethodEntries[i])});
        entry->setIcon(0, ImageList1[i + 1]);
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
    Panel3->setFixedHeight(kToolbarHeight);
    auto* layout = new QHBoxLayout(Panel3);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    SpeedButton1 = NewToolButton(Panel3, "SpeedButton1", "Run", "Classify Now", "run", "media-playback-start", true);
    SpeedButton11 = NewToolButton(Panel3, "SpeedButton11", "Stop", "Stop", "stop", "process-stop", false);
    SpeedButton12 = NewToolButton(Panel3, "SpeedButton12", "Preview", "Preview result", "preview",
                                  "document-print-preview", false);
    SpeedButton4 = NewToolButton(Panel3, "SpeedButton4", "Folder", "Add a folder", "add-folder", "folder-new", true);
    SpeedButton7 = NewToolButton(Panel3, "SpeedButton7", "Files", "Add files", "add-files", "document-open", false);
    SpeedButton2 = NewToolButton(Panel3, "SpeedButton2", "Remove", "Delete", "remove", "list-remove", false);
    SpeedButton10 =
        NewToolButton(Panel3, "SpeedButton10", "Undo", "Undo the last operation", "undo", "edit-undo", true);
    SpeedButton13 = NewToolButton(Panel3, "SpeedButton13", "Help", "Read help ", "help", "help-contents", false);
    SpeedButton8 = NewToolButton(Panel3, "SpeedButton8", "Close", "Exit", "close", "application-exit", false);
    // Alt+letter reaches each button from the keyboard; the captions stay exactly as shown.
    const std::pair<QToolButton*, Qt::Key> altKeys[] = {
        {SpeedButton1, Qt::Key_R},  {SpeedButton11, Qt::Key_S}, {SpeedButton12, Qt::Key_P},
        {SpeedButton4, Qt::Key_F},  {SpeedButton7, Qt::Key_I},  {SpeedButton2, Qt::Key_E},
        {SpeedButton10, Qt::Key_U}, {SpeedButton13, Qt::Key_H}, {SpeedButton8, Qt::Key_C}};
    for (const auto& [button, key] : altKeys) button->setShortcut(QKeyCombination(Qt::AltModifier, key));
    for (QToolButton* button : {SpeedButton1, SpeedButton11, SpeedButton12, SpeedButton4, SpeedButton7, SpeedButton2,
                                SpeedButton10, SpeedButton13, SpeedButton8})
        layout->addWidget(button);
    layout->addStretch(1);
    SpeedButton11->setEnabled(false);
    SpeedButton2->setEnabled(false);
    SpeedButton10->setEnabled(false);
}

void TForm1::BuildSourceList() {
    ListView1 = new QTreeWidget(Panel5);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({QStringLiteral("Add folder and file to be classified")});
    ListView1->header()->setSectionsClickable(false);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setItemDelegate(new SourceRowIcons(*fileIcons_, ListView1));

    PopupMenu2 = new QMenu(ListView1);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    AddFolder1 = PopupMenu2->addAction(QStringLiteral("Add Folder"));
    AddFolder1->setObjectName(QStringLiteral("AddFolder1"));
    Delete1 = PopupMenu2->addAction(QStringLiteral("Delete"));
    Delete1->setObjectName(QStringLiteral("Delete1"));
    Delete1->setEnabled(false);
    AddFiles1 = PopupMenu2->addAction(QStringLiteral("Add Files"));
    AddFiles1->setObjectName(QStringLiteral("AddFiles1"));
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu2->popup(ListView1->viewport()->mapToGlobal(at)); });

    Panel14 = NewCaptionPanel(ListView1->viewport(), "Panel14", "Add folder or files here");
    Button1 = new QPushButton(QStringLiteral("Load last list"), Panel14);
    Button1->setObjectName(QStringLiteral("Button1"));
    Panel14->layout()->addWidget(Button1);
    Panel14->layout()->setAlignment(Button1, Qt::AlignHCenter);
    Button1->hide();
    ListView1->viewport()->installEventFilter(this);
    Panel14->installEventFilter(this);
}

void TForm1::BuildResultLocationBar() {
    Panel9 = new QWidget(Panel5);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setFixedHeight(kLocationBarHeight);

    ResultLocationLabel = new QLabel(QStringLiteral("Result Location: "), Panel9);
    ResultLocationLabel->setObjectName(QStringLiteral("ResultLocationLabel"));
    QFont bold = ResultLocationLabel->font();
    bold.setBold(true);
    ResultLocationLabel->setFont(bold);
    ResultLocationLabel->adjustSize();
    ResultLocationLabel->move(6, (kLocationBarHeight - ResultLocationLabel->height()) / 2);

    ComboBox4 = new QComboBox(Panel9);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setEditable(true);
    ComboBox4->setCompleter(nullptr);
    ComboBox4->setInsertPolicy(QComboBox::NoInsert);
    ComboBox4->adjustSize();
    ComboBox4->move(ResultLocationLabel->geometry().right() + 4, (kLocationBarHeight - ComboBox4->height()) / 2);

    const int buttonTop = (kLocationBarHeight - kLocationButtonSize) / 2;
    SpeedButton6 = new QToolButton(Panel9);
    SpeedButton6->setObjectName(QStringLiteral("SpeedButton6"));
    SpeedButton6->setToolTip(QStringLiteral("Select a folder"));
    SpeedButton6->setIcon(Glyph("select-folder"));
    SpeedButton6->setAutoRaise(true);
    SpeedButton6->setGeometry(0, buttonTop, kLocationButtonSize, kLocationButtonSize);
    SpeedButton9 = new QToolButton(Panel9);
    SpeedButton9->setObjectName(QStringLiteral("SpeedButton9"));
    SpeedButton9->setToolTip(QStringLiteral("Open the folder"));
    SpeedButton9->setIcon(Glyph("open-folder"));
    SpeedButton9->setAutoRaise(true);
    SpeedButton9->setGeometry(0, buttonTop, kLocationButtonSize, kLocationButtonSize);
    Panel9->installEventFilter(this);
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

    Panel15 = NewCaptionPanel(TreeView2->viewport(), "Panel15", "Preview results here");
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
    statusTimer_.setSingleShot(true);
    statusTimer_.setInterval(PreviewTreeModel::kBatchMilliseconds);
    connect(&statusTimer_, &QTimer::timeout, this, &TForm1::ShowStatusTexts);
}

void TForm1::CentreCaptionPanel(QWidget* panel) {
    const QWidget* area = panel->parentWidget();
    panel->move((area->width() - panel->width()) / 2, (area->height() - panel->height()) / 2);
}

} // namespace varnolt
