// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the navigation tree of methods, the toolbar, the source list, the result location, the
// preview tree, the option column with one panel per method and the general options, and the status bar.
//
// Every control is a member named by what it is; its object name is the id of the original design
// (CheckBox25, SpeedButton1, ...), by which tests, style sheets and users find it. The pairs are in one
// table, NameControls() in MainWindowLayout.cpp.
//
// Layouts size every region by its content (MainWindowLayout.cpp, MainWindowPanels.cpp): the design's
// pixel sizes (tree 171 px wide, option column 172 px, general options 291 px high, toolbar buttons
// 47 x 52 px, location bar 37 px) are what a region has at the design font and the least it ever has; a
// larger font makes it larger. The toolbar's tooltips add the button's Alt key ("Classify Now (Alt+R)").
// The menu bar (MainWindowMenus.cpp) offers the same commands with the desktop's standard keys.
#include "engine/Engine.h"
#include "engine/Options.h"
#include "platform/EmbeddedDates.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/MessagePump.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Translator.h"
#include "ui/PersistedFields.h"
#include "ui/TypeGroups.h"
#include "ui/WindowHost.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QToolButton;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class QDropEvent;

namespace varnolt {

class VerticalScrollColumn;

class PreviewTreeModel;
class FileIcons;
class FileTypesDialog;
class WindowFields;

// The images of the result tree: the root and the category nodes.
enum ResultTreeImage {
    OpenFolderImage = 0,
    MarkedFolderImage = 1,
    ClosedFolderImage = 2,
    UnknownFileImage = 3
};

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // `dataFolder` holds the program's own files and ends with "/"; `settings` the values that outlive a
    // restart; `dates` reads the dates photos and videos carry; `engineTexts` puts the engine's texts in the
    // user's language.
    MainWindow(FileSystem& fs, MessageBoxes& boxes, MessagePump& pump, Shell& shell, SettingsStore& settings,
               FileDialogs& dialogs, EmbeddedDates& dates, Translator& engineTexts,
               const std::string& dataFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The navigation tree's method entries hold their method key in this role; other entries have none.
    static constexpr int MethodKeyRole = Qt::UserRole;
    // Applies a navigation-tree entry: shows its method panel and sets MethodKey.
    void SelectMethodEntry(const QTreeWidgetItem& entry);
    const std::string& MethodKey() const { return options_.MethodKey; }
    ClassifyOptions& Options() { return options_; }
    varnolt::Engine& ClassifyEngine() { return engine_; }
    PreviewTreeModel& PreviewModel() { return *previewModel_; }
    // The path a source-list row stands for: its Qt::UserRole bytes when set (a name that is not UTF-8
    // survives there), else its text.
    static std::string SourcePathOf(const QTreeWidgetItem* row);
    // Where a window that wants `wanted` goes on `area`: as large as the area allows but never below
    // `least`, and moved onto it.
    static QRect KeptOnScreen(const QRect& wanted, const QSize& least, const QRect& area);

    // What the engine's host changes in the window.
    void SetUndoEnabled(bool enabled);
    // Empties the result tree and shows its invitation again.
    void ClearResultTree();
    void FocusField(Field field);
    // The engine trimmed some option fields and the like; show them as it uses them.
    void ShowNormalisedOptions(const ClassifyOptions& normalised);
    // Puts the location at the top of the history and selects it.
    void RememberResultLocation(const std::string& location);
    // A close was asked for while a command is on the stack; it happens when the command returns.
    bool IsClosing() const { return closeAfterCommand_; }
    WindowHost& Host() { return host_; }

    // Navigation tree and toolbar
    QTreeWidget* methodTree;
    QWidget* workArea;
    QWidget* sourceArea;
    QWidget* toolbar;
    QToolButton* runButton;
    QToolButton* stopButton;
    QToolButton* previewButton;
    QToolButton* addFolderButton;
    QToolButton* addFilesButton;
    QToolButton* removeButton;
    QToolButton* undoButton;
    QToolButton* helpButton;
    QToolButton* closeButton;

    // Source list, result location, result tree, status bar
    QTreeWidget* sourceList;
    QMenu* sourceListMenu;
    QAction* addFolderAction;
    QAction* removeAction;
    QAction* addFilesAction;
    QFrame* sourceListHint;
    QPushButton* loadLastListButton;
    QWidget* locationBar;
    QLabel* resultLocationLabel;
    QComboBox* resultLocation;
    QToolButton* selectResultFolderButton;
    QToolButton* openResultFolderButton;
    QSplitter* splitter;
    QTreeView* previewTree;
    QFrame* previewHint;
    QStatusBar* statusLine;
    std::array<QLabel*, 2> statusPanels;

    // Option column
    VerticalScrollColumn* optionColumn; // scrolls when the screen is too low for it

    // Method "date"
    QWidget* datePanel;
    QCheckBox* byYear;
    QCheckBox* byMonth;
    QCheckBox* byWeek;
    QCheckBox* byDay;
    QCheckBox* byHour;
    QCheckBox* includeMinute;
    QCheckBox* includeSecond;
    QComboBox* timeKind;
    QCheckBox* groupedSubfolders;
    QCheckBox* numberMonth;
    QCheckBox* abbrMonth;

    // Method "name"
    QWidget* namePanel;
    QRadioButton* byHeadLetters;
    QSpinBox* headLetterCount;
    QRadioButton* byWordList;
    QPlainTextEdit* wordList;
    QPushButton* saveWordListButton;
    QPushButton* loadWordListButton;

    // Method "type"
    QWidget* typePanel;
    // One check box and one "Change" button per type group, in the order of kTypeGroups.
    std::array<QCheckBox*, kTypeGroupCount> groupBoxes;
    std::array<QPushButton*, kTypeGroupCount> groupChangeButtons;
    QCheckBox* otherGroup1;
    QLineEdit* otherGroup1Folder;
    QLineEdit* otherGroup1Types;
    QCheckBox* otherGroup2;
    QLineEdit* otherGroup2Folder;
    QLineEdit* otherGroup2Types;
    QCheckBox* everyTypeFolder;

    // Method "size"
    QWidget* sizePanel;
    QSpinBox* sizeStep;
    QComboBox* sizeUnit;

    // Method "number"
    QWidget* numberPanel;
    QSpinBox* maxFilesPerFolder;
    QLineEdit* subfolderName;

    // General options
    QWidget* generalOptions;
    QCheckBox* moveSourceFiles;
    QCheckBox* includeSubfolders;
    QCheckBox* includeFolderName;
    QCheckBox* onlyClassifySubfolder;
    QCheckBox* excludeShortcut;
    QCheckBox* excludeFolderInfoFile;
    QCheckBox* excludeThumbFile;
    QCheckBox* keepSidecars;
    QCheckBox* limitPreview;
    QSpinBox* previewLimit;
    QCheckBox* useTypeFilter;
    QComboBox* typeFilterGroup;
    QLineEdit* typeFilterText;

    // The start-up step, 300 ms after the window is created.
    QTimer startupTimer;

    // "Change file type", made once and reused for every group.
    FileTypesDialog* fileTypesDialog;

    // The navigation tree's icons (24 x 24), and the result tree's (16 x 16): an open folder, a folder
    // with an orange mark, a closed folder, a document with a question mark.
    std::vector<QIcon> navigationIcons;
    std::array<QIcon, 4> resultTreeIcons;

  signals:
    // The window has agreed to close and every command has ended: the moment to save what outlives it.
    void closing();

  public slots:
    void onStartupTimer();
    void onRunClicked();
    void onPreviewClicked();
    void onStopClicked();
    void onUndoClicked();
    void onHelpClicked();
    void onCloseClicked();
    void onAboutTriggered();

    // Source list and result location, in MainWindowSources.cpp.
    std::string BrowseForFolder(const std::string& title);
    // Adds a row for each path unless one holds exactly that path, rows added before in the same call
    // included; the rows stay in order.
    void AddSources(const std::vector<std::string>& paths);
    // Paths from the command line or from a later start: added as the Folder and Files buttons add them,
    // once the settings have loaded; one box names those that do not exist.
    void OpenPaths(const std::vector<std::string>& paths);
    void onAddFolderClicked(); // also "Add Folder" of the list's menu
    void onAddFilesClicked();  // also "Add Files"
    void onRemoveClicked();    // also "Delete"
    void onSourceSelectionChanged();
    void onSourceListClicked();
    void onSourceListDropped(QDropEvent* event);
    void onLoadLastListClicked();
    void onSelectResultFolderClicked();
    void onOpenResultFolderClicked();
    void onResultLocationChanged();
    void onResultLocationDeleteKey(QObject* watched); // the Delete key, in the box or in its drop-down
    std::vector<std::string> ResultHistory() const;

    // Type groups, type filter, word list, name fields and settings, in MainWindowFields.cpp.
    QCheckBox* GroupCheckBox(TypeGroup group) const { return groupBoxes[static_cast<std::size_t>(group)]; }
    QPushButton* GroupChangeButton(TypeGroup group) const {
        return groupChangeButtons[static_cast<std::size_t>(group)];
    }
    void EditGroupTypes(TypeGroup group);
    // A group's list is held in the options; its check box's tooltip shows it.
    void SetGroupTypes(TypeGroup group, const std::string& types);
    const std::string& CustomTypeList() const { return customTypeList_; }
    void onTypeFilterGroupChosen(int entry);
    void onTypeFilterTextChanged();
    void onByWordListToggled(bool byWords);
    void onSaveWordListClicked();
    void onLoadWordListClicked();
    TextEncoding WordListEncoding() const { return wordListEncoding_; }
    void onClosing();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building, in MainWindowLayout.cpp and MainWindowPanels.cpp.
    void LoadImages();
    void BuildNavigationTree();
    QWidget* BuildWorkArea();
    void BuildToolbar();
    void BuildSourceList();
    void BuildResultLocationBar();
    void BuildResultTree();
    void BuildStatusBar();
    QWidget* BuildOptionColumn();
    void BuildDatePanel(const ClassifyOptions& defaults);
    void BuildNamePanel(const ClassifyOptions& defaults);
    void BuildTypePanel(const ClassifyOptions& defaults);
    void BuildSizePanel(const ClassifyOptions& defaults);
    void BuildNumberPanel(const ClassifyOptions& defaults);
    void BuildGeneralOptions(const ClassifyOptions& defaults);
    void NameControls();
    // The menu bar, in MainWindowMenus.cpp. An entry with a control presses it when triggered and is
    // enabled while the control is.
    void BuildMenuBar();
    struct MenuKey {
        QKeySequence::StandardKey Standard = QKeySequence::UnknownKey;
        QKeySequence Otherwise; // where the platform has no key for Standard
    };
    QAction* AddMenuEntry(QMenu* menu, const QString& text, const char* name, MenuKey key,
                          QAbstractButton* control);
    void BindOptions();
    void ConnectInterlocks();
    void ConnectCommands();
    QSize SizeAtStart() const;
    void CentreOnScreen();
    void ConnectSourceList();
    void ConnectFieldHandlers();

    // Handlers
    void onMethodEntryChanged(QTreeWidgetItem* current);
    void onMethodEntryDoubleClicked();
    void onByHourToggled();
    void onIncludeMinuteToggled();
    void onNumberMonthToggled();
    void onAbbrMonthToggled();
    void onOnlyClassifySubfolderToggled();
    void onIncludeFolderNameToggled();
    void FitStatusPanels();

    void RefuseFolderSizeOption(QCheckBox* box);
    void SetTypeFilterVisible(bool visible);
    // The page of the method column that shows the method's options; an empty one for no method.
    QWidget* MethodPanel(const std::string& methodKey) const;
    void SyncSourceList();
    void SyncWords();
    void CentreCaptionPanel(QWidget* panel);
    void StyleCaptionPanels();
    // Runs one toolbar command unless one is in progress; then finishes what the command left to the window.
    template <typename Command> void RunCommand(Command command);
    void AfterCommand();

    void SetRemoveEnabled(bool enabled);
    QIcon SourceIcon(const std::string& path);
    void ShowWordList(const TextFileContent& content);
    SettingsPlaces SettingsPlacesOfWindow();
    void LoadStoredSettings();
    // The size, place and splitter of the last close, as the window is made.
    void RestorePlace();
    friend class WindowFields;

    ClassifyOptions options_;
    FileSystem& fs_;
    MessageBoxes& boxes_;
    Shell& shell_;
    SettingsStore& settings_;
    FileDialogs& dialogs_;
    std::string customTypeList_;
    // The encoding of the file the word list last came from; it is saved back in it.
    TextEncoding wordListEncoding_ = TextEncoding::Plain;
    // Empty until the start-up step has run.
    std::optional<LoadedSettings> loadedSettings_;
    // While rows are added or removed in a batch the options take the list once, at its end.
    bool changingSourceRows_ = false;
    // Paths handed to the window before the start-up step loaded the settings.
    std::vector<std::string> pathsToOpen_;
    WindowHost host_;
    varnolt::Engine engine_;
    // The method panels share one place; the empty page stands for an entry without a method.
    QStackedWidget* methodPanels_;
    QWidget* noMethodPanel_;
    PreviewTreeModel* previewModel_;
    std::unique_ptr<FileIcons> fileIcons_;
    // A close asked for while a command is on the stack happens when the command returns.
    bool closeAfterCommand_ = false;
};

} // namespace varnolt
