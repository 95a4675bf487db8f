// SPDX-License-Identifier: GPL-3.0-or-later
// The type groups and the type filter, the word list with its file buttons, the name fields, and the
// settings that outlive a restart.
#include "engine/Messages.h"
#include "engine/WordListFile.h"
#include "ui/FileTypesDialog.h"
#include "ui/MainWindow.h"
#include "ui/NameChecks.h"
#include "ui/SettingsLoader.h"
#include "ui/SettingsSaver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace varnolt {

namespace {

constexpr const char* kWordListSaveFilter = QT_TRANSLATE_NOOP("varnolt::MainWindow", "Text File (*.txt)");
constexpr const char* kWordListOpenFilter =
    QT_TRANSLATE_NOOP("varnolt::MainWindow", "Text Files (*.txt);;All Files (*)");

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The word box's text as it was typed or loaded: toPlainText() would turn a no-break space into a
// plain one.
std::string WordBoxText(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
    return text.toStdString();
}

} // namespace

// The window's fields as the settings loader and saver see them: the controls themselves, read and
// written at the moment the loader or the saver runs.
class WindowFields : public PersistedFields {
  public:
    explicit WindowFields(MainWindow& window) : w_(window) {}

    std::string GroupTypes(TypeGroup group) const override { return w_.options_.Group(group).Types; }
    void SetGroupTypes(TypeGroup group, const std::string& types) override { w_.SetGroupTypes(group, types); }
    std::string OtherFolder(int group) const override {
        return (group == 0 ? w_.otherGroup1Folder : w_.otherGroup2Folder)->text().toStdString();
    }
    std::string OtherTypes(int group) const override {
        return (group == 0 ? w_.otherGroup1Types : w_.otherGroup2Types)->text().toStdString();
    }
    void SetOtherGroup(int group, const std::string& folder, const std::string& types) override {
        (group == 0 ? w_.otherGroup1Folder : w_.otherGroup2Folder)->setText(Text(folder));
        (group == 0 ? w_.otherGroup1Types : w_.otherGroup2Types)->setText(Text(types));
    }
    void SetCustomTypeList(const std::string& types) override { w_.customTypeList_ = types; }

    int TypeFilterGroup() const override { return w_.typeFilterGroup->currentIndex(); }
    bool UseTypeFilter() const override { return w_.useTypeFilter->isChecked(); }
    std::string TypeFilterText() const override { return w_.typeFilterText->text().toStdString(); }
    void SetTypeFilterText(const std::string& text) override { w_.typeFilterText->setText(Text(text)); }

    std::string WordListText() const override { return WordBoxText(w_.wordList); }
    TextEncoding WordListEncoding() const override { return w_.wordListEncoding_; }
    void LoadWordList(const TextFileContent& content) override { w_.ShowWordList(content); }

    std::vector<std::string> SourcePaths() const override { return w_.Options().SourceList; }
    std::vector<std::string> ResultHistory() const override { return w_.ResultHistory(); }
    void AppendResultHistory(const std::string& location) override {
        w_.resultLocation->addItem(Text(location));
        // The box's own text is not restored: it starts empty, the history waits in the drop-down.
        w_.resultLocation->setCurrentIndex(-1);
    }

    void EnableUndo() override { w_.SetUndoEnabled(true); }
    void ShowLoadLastList() override { w_.loadLastListButton->show(); }

    WindowPlace Place() const override {
        const QRect normal = w_.normalGeometry();
        WindowPlace place;
        place.Geometry = std::array<int, 4>{normal.x(), normal.y(), normal.width(), normal.height()};
        place.Maximized = w_.isMaximized();
        for (const int size : w_.splitter->sizes())
            place.SplitterSizes.push_back(size);
        place.MethodKey = w_.MethodKey();
        return place;
    }
    void ShowMethod(const std::string& methodKey) override {
        // A method this version does not know leaves the default one.
        const QString key = Text(methodKey);
        for (QTreeWidgetItemIterator it(w_.methodTree); *it; ++it)
            if ((*it)->data(0, MainWindow::MethodKeyRole).toString() == key)
                w_.methodTree->setCurrentItem(*it);
    }

  private:
    MainWindow& w_;
};

void MainWindow::ConnectFieldHandlers() {
    fileTypesDialog = new FileTypesDialog(this);
    for (const auto& group : kTypeGroups)
        connect(GroupChangeButton(group.Group), &QPushButton::clicked, this,
                [this, which = group.Group] { EditGroupTypes(which); });
    connect(typeFilterGroup, &QComboBox::activated, this, &MainWindow::onTypeFilterGroupChosen);
    connect(typeFilterText, &QLineEdit::textChanged, this, &MainWindow::onTypeFilterTextChanged);

    connect(byWordList, &QRadioButton::toggled, this, &MainWindow::onByWordListToggled);
    connect(saveWordListButton, &QPushButton::clicked, this, &MainWindow::onSaveWordListClicked);
    connect(loadWordListButton, &QPushButton::clicked, this, &MainWindow::onLoadWordListClicked);
    for (QLineEdit* name : {subfolderName, otherGroup1Folder, otherGroup2Folder})
        new NameFieldGuard(name, boxes_);

    connect(this, &MainWindow::closing, this, &MainWindow::onClosing);
}

void MainWindow::EditGroupTypes(TypeGroup group) {
    QString text = Text(options_.Group(group).Types);
    if (!fileTypesDialog->EditText(GroupCheckBox(group)->text() + QLatin1Char(':'), text)) return;
    const std::string types = NormaliseGroupTypes(text.toStdString());
    SetGroupTypes(group, types);
    WriteSetting(SettingsPlacesOfWindow(), InfoOf(group).SettingsKey, types);
}

void MainWindow::onTypeFilterGroupChosen(int entry) {
    if (entry == kCustomFilterEntry)
        typeFilterText->setText(Text(customTypeList_));
    else if (entry >= 0 && entry < kCustomFilterEntry)
        typeFilterText->setText(Text(options_.Groups[static_cast<std::size_t>(entry)].Types));
}

void MainWindow::onTypeFilterTextChanged() {
    if (typeFilterGroup->currentIndex() == kCustomFilterEntry)
        customTypeList_ = typeFilterText->text().toStdString();
}

void MainWindow::onByWordListToggled(bool byWords) {
    for (QWidget* control : {static_cast<QWidget*>(wordList), static_cast<QWidget*>(saveWordListButton),
                             static_cast<QWidget*>(loadWordListButton)})
        control->setEnabled(byWords);
    if (byWords) wordList->setFocus(Qt::OtherFocusReason);
}

void MainWindow::onSaveWordListClicked() {
    const std::string text = WordBoxText(wordList);
    if (text.empty()) return;
    const std::string path = dialogs_.SaveFile(tr(kWordListSaveFilter).toStdString(), "txt");
    if (path.empty()) return;
    std::string error;
    if (!SaveWordList(fs_, path, text, wordListEncoding_, error))
        ReportSettingsError(boxes_, CannotCreateFileText(path, error));
}

void MainWindow::onLoadWordListClicked() {
    const auto files = dialogs_.OpenFiles(tr(kWordListOpenFilter).toStdString(), true);
    if (files.empty()) return;
    std::string error;
    if (const auto content = LoadWordList(fs_, files.front(), error))
        ShowWordList(*content);
    else
        ReportSettingsError(boxes_, CannotOpenFileText(files.front(), error));
}

void MainWindow::ShowWordList(const TextFileContent& content) {
    wordList->setPlainText(Text(JoinWordList(content)));
    wordListEncoding_ = content.Encoding;
}

std::vector<std::string> MainWindow::ResultHistory() const {
    std::vector<std::string> history;
    for (int i = 0; i < resultLocation->count(); ++i)
        history.push_back(resultLocation->itemText(i).toStdString());
    return history;
}

SettingsPlaces MainWindow::SettingsPlacesOfWindow() {
    return {settings_, fs_, boxes_, engine_.DataFolder()};
}

void MainWindow::LoadStoredSettings() {
    WindowFields fields(*this);
    loadedSettings_ = LoadSettings(fields, SettingsPlacesOfWindow());
}

void MainWindow::RestorePlace() {
    WindowPlace place;
    try {
        place = ReadWindowPlace(*settings_.Open());
    } catch (const SettingsError&) {
        return; // the start-up step reads the group again and tells
    }
    if (place.Geometry) {
        const auto& [x, y, width, height] = *place.Geometry;
        const QRect wanted(x, y, width, height);
        const QScreen* screen = QGuiApplication::screenAt(wanted.center());
        if (!screen) screen = QGuiApplication::primaryScreen();
        if (screen) {
            // Room above for the title bar the window manager adds.
            const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
            setGeometry(KeptOnScreen(wanted, minimumSizeHint(),
                                     screen->availableGeometry().adjusted(0, titleBar, 0, 0)));
        }
    }
    if (place.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
    if (place.SplitterSizes.size() == 2 && place.SplitterSizes[0] > 0 && place.SplitterSizes[1] > 0) {
        layout()->activate();
        centralWidget()->layout()->activate();
        splitter->setSizes({place.SplitterSizes[0], place.SplitterSizes[1]});
    }
}

QRect MainWindow::KeptOnScreen(const QRect& wanted, const QSize& least, const QRect& area) {
    QRect kept(wanted.topLeft(), wanted.size().boundedTo(area.size()).expandedTo(least));
    // Where the window is larger than the area, its top left corner stays on it.
    if (kept.right() > area.right()) kept.moveRight(area.right());
    if (kept.bottom() > area.bottom()) kept.moveBottom(area.bottom());
    if (kept.left() < area.left()) kept.moveLeft(area.left());
    if (kept.top() < area.top()) kept.moveTop(area.top());
    return kept;
}

void MainWindow::onClosing() {
    // Closed before the start-up step: the window holds none of the stored values, and saving its empty
    // history would delete the stored one.
    if (!loadedSettings_) return;
    WindowFields fields(*this);
    SaveSettings(fields, SettingsPlacesOfWindow(), *loadedSettings_);
}

} // namespace varnolt
