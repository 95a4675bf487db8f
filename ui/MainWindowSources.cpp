// SPDX-License-Identifier: GPL-3.0-or-later
// The source list and the result location: adding, removing and reloading sources, dropped folders and
// files, the result folder's history, and the buttons that pick and open it.
#include "engine/Messages.h"
#include "platform/qt/QtTranslator.h"
#include "ui/DataFolder.h"
#include "ui/FileIcons.h"
#include "ui/MainWindow.h"
#include "ui/PersistedFields.h"
#include "ui/PreviewTreeModel.h"
#include "ui/SourceListOrder.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <algorithm>
#include <unordered_set>

namespace varnolt {

namespace {

constexpr const char* kAddFolderTitle = QT_TRANSLATE_NOOP("varnolt::MainWindow", "Add a folder to list");
constexpr const char* kSelectResultTitle =
    QT_TRANSLATE_NOOP("varnolt::MainWindow", "Select a folder to Save result");
constexpr const char* kResultFolderMissing =
    QT_TRANSLATE_NOOP("varnolt::MainWindow", "The result folder does not exist!");
constexpr const char* kAnyFileFilter = QT_TRANSLATE_NOOP("varnolt::MainWindow", "All Files (*)");
constexpr const char* kPathsLeftOut =
    QT_TRANSLATE_NOOP("varnolt::MainWindow", "These do not exist and were not added to the list:");

QString Readable(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string NativePath(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

QTreeWidgetItem* NewSourceRow(const std::string& path, const QIcon& icon) {
    auto* row = new QTreeWidgetItem({Readable(path)});
    // The bytes themselves, for a name that is not UTF-8.
    row->setData(0, Qt::UserRole, QByteArray::fromStdString(path));
    row->setIcon(0, icon);
    return row;
}

// Hands the source list's drops and clicks, and the location box's Delete key, to the window.
class SourceListEvents : public QObject {
  public:
    SourceListEvents(MainWindow& window, QObject* parent) : QObject(parent), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (!drag->mimeData()->hasUrls()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop:
            window_.onSourceListDropped(static_cast<QDropEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            window_.onSourceListClicked();
            break;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete)
                window_.onResultLocationDeleteKey(watched);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    MainWindow& window_;
};

} // namespace

void MainWindow::ConnectSourceList() {
    connect(addFolderButton, &QToolButton::clicked, this, &MainWindow::onAddFolderClicked);
    connect(addFolderAction, &QAction::triggered, this, &MainWindow::onAddFolderClicked);
    connect(addFilesButton, &QToolButton::clicked, this, &MainWindow::onAddFilesClicked);
    connect(addFilesAction, &QAction::triggered, this, &MainWindow::onAddFilesClicked);
    connect(removeButton, &QToolButton::clicked, this, &MainWindow::onRemoveClicked);
    connect(removeAction, &QAction::triggered, this, &MainWindow::onRemoveClicked);
    connect(sourceList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::onSourceSelectionChanged);
    connect(loadLastListButton, &QPushButton::clicked, this, &MainWindow::onLoadLastListClicked);
    connect(selectResultFolderButton, &QToolButton::clicked, this, &MainWindow::onSelectResultFolderClicked);
    connect(openResultFolderButton, &QToolButton::clicked, this, &MainWindow::onOpenResultFolderClicked);
    // Typing and picking an entry only: a text the program sets does not rename the result tree's root.
    connect(resultLocation, &QComboBox::textActivated, this, &MainWindow::onResultLocationChanged);
    connect(resultLocation->lineEdit(), &QLineEdit::textEdited, this, &MainWindow::onResultLocationChanged);
    // The hint always shows the whole location, however the text came.
    connect(resultLocation, &QComboBox::editTextChanged, resultLocation, &QWidget::setToolTip);

    auto* events = new SourceListEvents(*this, this);
    sourceList->setAcceptDrops(true);
    sourceList->viewport()->setAcceptDrops(true);
    sourceList->viewport()->installEventFilter(events);
    resultLocation->installEventFilter(events);
    resultLocation->view()->installEventFilter(events);
}

// Worked out once, when the row is added: a look at the disk at every paint would freeze the window on a
// source whose network mount hangs.
QIcon MainWindow::SourceIcon(const std::string& path) {
    if (fs_.FolderExists(path)) return fileIcons_->ForFolder();
    const std::size_t slash = path.rfind('/');
    return fileIcons_->ForFileName(Readable(slash == std::string::npos ? path : path.substr(slash + 1)));
}

std::string MainWindow::BrowseForFolder(const std::string& title) {
    return dialogs_.BrowseForFolder(title);
}

void MainWindow::AddSources(const std::vector<std::string>& paths) {
    std::vector<std::string> rows = options_.SourceList;
    std::unordered_set<std::string> listed(rows.begin(), rows.end());
    // The options would otherwise take the whole list again after every row.
    changingSourceRows_ = true;
    for (const std::string& path : paths) {
        if (!listed.insert(path).second) continue;
        const std::size_t at = SourceInsertPosition(rows, path);
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), path);
        sourceList->insertTopLevelItem(static_cast<int>(at), NewSourceRow(path, SourceIcon(path)));
    }
    changingSourceRows_ = false;
    SyncSourceList();
}

void MainWindow::OpenPaths(const std::vector<std::string>& paths) {
    if (!loadedSettings_) {
        pathsToOpen_.insert(pathsToOpen_.end(), paths.begin(), paths.end());
        return;
    }
    std::vector<std::string> existing;
    std::string leftOut;
    for (const std::string& path : paths) {
        if (fs_.FolderExists(path) || fs_.FileExists(path))
            existing.push_back(path);
        else
            leftOut += "\n" + path;
    }
    if (!existing.empty()) {
        AddSources(existing);
        sourceListHint->hide();
    }
    if (!leftOut.empty())
        boxes_.Show(tr(kPathsLeftOut).toStdString() + leftOut, TranslatedEngineText(Messages::Information),
                    Buttons::Ok, Icon::Information);
}

void MainWindow::onAddFolderClicked() {
    const std::string folder = BrowseForFolder(tr(kAddFolderTitle).toStdString());
    if (folder.empty()) return;
    AddSources({folder});
    sourceListHint->hide();
}

void MainWindow::onAddFilesClicked() {
    const auto files = dialogs_.OpenFiles(tr(kAnyFileFilter).toStdString(), true);
    if (files.empty()) return;
    AddSources(files);
    sourceListHint->hide();
}

void MainWindow::onSourceListDropped(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        std::string path = NativePath(url.toLocalFile());
        // A dragged folder may come with a trailing "/"; the Folder button gives none.
        while (path.size() > 1 && path.back() == '/')
            path.pop_back();
        paths.push_back(std::move(path));
    }
    event->acceptProposedAction();
    if (paths.empty()) return;
    AddSources(paths);
    sourceListHint->hide();
}

void MainWindow::SetRemoveEnabled(bool enabled) {
    removeButton->setEnabled(enabled);
    removeAction->setEnabled(enabled);
}

void MainWindow::onRemoveClicked() {
    changingSourceRows_ = true;
    qDeleteAll(sourceList->selectedItems());
    changingSourceRows_ = false;
    SyncSourceList();
    SetRemoveEnabled(false);
}

void MainWindow::onSourceSelectionChanged() {
    SetRemoveEnabled(true);
}

void MainWindow::onSourceListClicked() {
    if (sourceList->selectedItems().isEmpty()) SetRemoveEnabled(false);
}

void MainWindow::onLoadLastListClicked() {
    sourceList->clear();
    const std::string path = engine_.DataFolder() + kSourceListFileName;
    if (!fs_.FileExists(path)) return;
    std::string error;
    const auto bytes = fs_.ReadWholeFile(path, error);
    if (!bytes) {
        ReportSettingsError(boxes_, CannotOpenFileText(path, error));
        return;
    }
    std::vector<std::string> lines = DecodeTextFile(*bytes).Lines;
    if (lines.empty()) return;
    // Sorted first and added at once: a long list would otherwise be re-read after every row.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return CompareSourcePaths(a, b) < 0; });
    QList<QTreeWidgetItem*> rows;
    for (const std::string& line : lines)
        rows.append(NewSourceRow(line, SourceIcon(line)));
    sourceList->addTopLevelItems(rows);
    sourceListHint->hide();
}

void MainWindow::onSelectResultFolderClicked() {
    const std::string folder = BrowseForFolder(tr(kSelectResultTitle).toStdString());
    if (folder.empty()) return;
    resultLocation->setEditText(Readable(folder));
}

void MainWindow::onOpenResultFolderClicked() {
    const std::string location = NativePath(resultLocation->currentText());
    if (fs_.FolderExists(location)) {
        if (!shell_.OpenFolder(location)) host_.Notify({Notice::FolderNotOpened, location});
    } else
        boxes_.Show(tr(kResultFolderMissing).toStdString(), TranslatedEngineText(Messages::Information),
                    Buttons::Ok, Icon::Information);
}

void MainWindow::onResultLocationChanged() {
    const QString text = resultLocation->currentText();
    if (engine_.Preview().HasNodes()) {
        engine_.Preview().RenameRoot(text.toStdString());
        const bool exists = fs_.FolderExists(NativePath(text));
        previewModel_->SetRootIcon(resultTreeIcons[exists ? ClosedFolderImage : MarkedFolderImage]);
    }
}

void MainWindow::onResultLocationDeleteKey(QObject* watched) {
    int selected = -1;
    if (watched == resultLocation->view()) {
        // In the open drop-down the entry under the cursor is the selected one.
        selected = resultLocation->view()->currentIndex().row();
    } else if (resultLocation->currentIndex() >= 0 &&
               resultLocation->itemText(resultLocation->currentIndex()) == resultLocation->currentText()) {
        // A typed text that matches no entry leaves none selected.
        selected = resultLocation->currentIndex();
    }
    if (selected < 0) return;
    // Only the entry goes: the text stays, and the key then acts on it as usual.
    QLineEdit* edit = resultLocation->lineEdit();
    const QString text = edit->text();
    const int caret = edit->cursorPosition();
    resultLocation->removeItem(selected);
    edit->setText(text);
    edit->setCursorPosition(caret);
}

} // namespace varnolt
