// The source list and the result location: adding, removing and reloading sources, dropped folders and
// files, the result folder's history, and the buttons that pick and open it.
#include "engine/Messages.h"
#include "ui/DataFolder.h"
#include "ui/FileIcons.h"
#include "ui/PersistedFields.h"
#include "ui/PreviewTreeModel.h"
#include "ui/SourceListOrder.h"
#include "ui/TForm1.h"

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

constexpr const char* kAddFolderTitle = QT_TRANSLATE_NOOP("varnolt::TForm1", "Add a folder to list");
constexpr const char* kSelectResultTitle = QT_TRANSLATE_NOOP("varnolt::TForm1", "Select a folder to Save result");
constexpr const char* kResultFolderMissing = QT_TRANSLATE_NOOP("varnolt::TForm1", "The result folder does not exist!");
constexpr const char* kAnyFileFilter = QT_TRANSLATE_NOOP("varnolt::TForm1", "All Files (*)");
constexpr const char* kPathsLeftOut =
    QT_TRANSLATE_NOOP("varnolt::TForm1", "These do not exist and were not added to the list:");

QString Readable(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string NativePath(const QString& text) { return QFile::encodeName(text).toStdString(); }

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
    SourceListEvents(TForm1& window, QObject* parent) : QObject(parent), window_(window) {}

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
            window_.ListView1Drop(static_cast<QDropEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            window_.ListView1Click();
            break;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) window_.ComboBox4KeyDown(watched);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TForm1& window_;
};

} // namespace

void TForm1::ConnectSourceList() {
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(AddFolder1, &QAction::triggered, this, &TForm1::SpeedButton4Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm1::SpeedButton7Click);
    connect(AddFiles1, &QAction::triggered, this, &TForm1::SpeedButton7Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(Delete1, &QAction::triggered, this, &TForm1::SpeedButton2Click);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TForm1::ListView1SelectItem);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &TForm1::SpeedButton9Click);
    // Typing and picking an entry only: a text the program sets does not rename the result tree's root.
    connect(ComboBox4, &QComboBox::textActivated, this, &TForm1::ComboBox4Change);
    connect(ComboBox4->lineEdit(), &QLineEdit::textEdited, this, &TForm1::ComboBox4Change);
    // The hint always shows the whole location, however the text came.
    connect(ComboBox4, &QComboBox::editTextChanged, ComboBox4, &QWidget::setToolTip);

    auto* events = new SourceListEvents(*this, this);
    ListView1->setAcceptDrops(true);
    ListView1->viewport()->setAcceptDrops(true);
    ListView1->viewport()->installEventFilter(events);
    ComboBox4->installEventFilter(events);
    ComboBox4->view()->installEventFilter(events);
}

// Worked out once, when the row is added: a look at the disk at every paint would freeze the window on a
// source whose network mount hangs.
QIcon TForm1::SourceIcon(const std::string& path) {
    if (fs_.FolderExists(path)) return fileIcons_->ForFolder();
    const std::size_t slash = path.rfind('/');
    return fileIcons_->ForFileName(Readable(slash == std::string::npos ? path : path.substr(slash + 1)));
}

std::string TForm1::BrowseForFolder(const std::string& title) { return dialogs_.BrowseForFolder(title); }

void TForm1::AddSources(const std::vector<std::string>& paths) {
    std::vector<std::string> rows = options_.SourceList;
    std::unordered_set<std::string> listed(rows.begin(), rows.end());
    // The options would otherwise take the whole list again after every row.
    changingSourceRows_ = true;
    for (const std::string& path : paths) {
        if (!listed.insert(path).second) continue;
        const std::size_t at = SourceInsertPosition(rows, path);
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), path);
        ListView1->insertTopLevelItem(static_cast<int>(at), NewSourceRow(path, SourceIcon(path)));
    }
    changingSourceRows_ = false;
    SyncSourceList();
}

void TForm1::OpenPaths(const std::vector<std::string>& paths) {
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
        Panel14->hide();
    }
    if (!leftOut.empty())
        boxes_.Show(tr(kPathsLeftOut).toStdString() + leftOut, TranslatedEngineText(Messages::Information),
                    Buttons::Ok, Icon::Information);
}

void TForm1::SpeedButton4Click() {
    const std::string folder = BrowseForFolder(tr(kAddFolderTitle).toStdString());
    if (folder.empty()) return;
    AddSources({folder});
    Panel14->hide();
}

void TForm1::SpeedButton7Click() {
    const auto files = dialogs_.OpenFiles(tr(kAnyFileFilter).toStdString(), true);
    if (files.empty()) return;
    AddSources(files);
    Panel14->hide();
}

void TForm1::ListView1Drop(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        std::string path = NativePath(url.toLocalFile());
        // A dragged folder may come with a trailing "/"; the Folder button gives none.
        while (path.size() > 1 && path.back() == '/') path.pop_back();
        paths.push_back(std::move(path));
    }
    event->acceptProposedAction();
    if (paths.empty()) return;
    AddSources(paths);
    Panel14->hide();
}

void TForm1::SetRemoveEnabled(bool enabled) {
    SpeedButton2->setEnabled(enabled);
    Delete1->setEnabled(enabled);
}

void TForm1::SpeedButton2Click() {
    changingSourceRows_ = true;
    qDeleteAll(ListView1->selectedItems());
    changingSourceRows_ = false;
    SyncSourceList();
    SetRemoveEnabled(false);
}

void TForm1::ListView1SelectItem() { SetRemoveEnabled(true); }

void TForm1::ListView1Click() {
    if (ListView1->selectedItems().isEmpty()) SetRemoveEnabled(false);
}

void TForm1::Button1Click() {
    ListView1->clear();
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
    for (const std::string& line : lines) rows.append(NewSourceRow(line, SourceIcon(line)));
    ListView1->addTopLevelItems(rows);
    Panel14->hide();
}

void TForm1::SpeedButton6Click() {
    const std::string folder = BrowseForFolder(tr(kSelectResultTitle).toStdString());
    if (folder.empty()) return;
    ComboBox4->setEditText(Readable(folder));
}

void TForm1::SpeedButton9Click() {
    const std::string location = NativePath(ComboBox4->currentText());
    if (fs_.FolderExists(location))
        shell_.OpenFolder(location);
    else
        boxes_.Show(tr(kResultFolderMissing).toStdString(), TranslatedEngineText(Messages::Information),
                    Buttons::Ok, Icon::Information);
}

void TForm1::ComboBox4Change() {
    const QString text = ComboBox4->currentText();
    if (engine_.Preview().HasNodes()) {
        engine_.Preview().RenameRoot(text.toStdString());
        const bool exists = fs_.FolderExists(NativePath(text));
        previewModel_->SetRootIcon(ImageList2[exists ? ClosedFolderImage : MarkedFolderImage]);
    }
}

void TForm1::ComboBox4KeyDown(QObject* watched) {
    int selected = -1;
    if (watched == ComboBox4->view()) {
        // In the open drop-down the entry under the cursor is the selected one.
        selected = ComboBox4->view()->currentIndex().row();
    } else if (ComboBox4->currentIndex() >= 0 &&
               ComboBox4->itemText(ComboBox4->currentIndex()) == ComboBox4->currentText()) {
        // A typed text that matches no entry leaves none selected.
        selected = ComboBox4->currentIndex();
    }
    if (selected < 0) return;
    // Only the entry goes: the text stays, and the key then acts on it as usual.
    QLineEdit* edit = ComboBox4->lineEdit();
    const QString text = edit->text();
    const int caret = edit->cursorPosition();
    ComboBox4->removeItem(selected);
    edit->setText(text);
    edit->setCursorPosition(caret);
}

} // namespace varnolt
