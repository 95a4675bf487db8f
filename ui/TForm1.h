#pragma once
// The main window. Every control is a member named like its object name, so that the handlers, the tests
// and the settings find the same control under the same name.
//
// Layouts size every region by its content (TForm1Layout.cpp, TForm1Panels.cpp): the design's pixel sizes
// (tree 171 px wide, option column 172 px, Panel4 291 px high, toolbar buttons 47 x 52 px, Panel9 37 px)
// are what a region has at the design font and the least it ever has; a larger font makes it larger.
// The toolbar's tooltips add the button's Alt key ("Classify Now (Alt+R)").
//
// Controls, their captions and the option each one holds (ClassifyOptions field):
//
// Navigation and commands
//   TreeView1      navigation tree: "Auto-Classify Files" > "by file date", "by file name",
//                  "by file number", "by file type", "by file size"; "--------------------------"  MethodKey
//   SpeedButton1   "Run" (Classify Now)            SpeedButton11  "Stop" (Stop)
//   SpeedButton12  "Preview" (Preview result)      SpeedButton4   "Folder" (Add a folder)
//   SpeedButton7   "Files" (Add files)             SpeedButton2   "Remove" (Delete)
//   SpeedButton10  "Undo" (Undo the last operation) SpeedButton13 "Help" (Read help )
//   SpeedButton8   "Close" (Exit)
//   ListView1      "Add folder and file to be classified"                  SourceList
//   PopupMenu2     AddFolder1 "Add Folder", Delete1 "Delete", AddFiles1 "Add Files"
//   ComboBox4      after "Result Location: "                                ResultLocation
//   SpeedButton6   "Select a folder"               SpeedButton9   "Open the folder"
//   Panel14        "Add folder or files here" with Button1 "Load last list"
//   Panel15        "Preview results here" over TreeView2 (the preview tree)
//   StatusBar1     two panels: progress and end texts, counters
//
// Method "date" (Panel12)
//   CheckBox15 "by year" ByYear            CheckBox16 "by month" ByMonth     CheckBox17 "by week" ByWeek
//   CheckBox18 "by day" ByDay              CheckBox19 "by hour" ByHour
//   CheckBox20 "include minute" IncludeMinute                 CheckBox21 "include second" IncludeSecond
//   ComboBox3  after "Select a file time type: " TimeKind     CheckBox14 "Grouped subfolders" GroupedSubfolders
//   CheckBox22 "Use number Month" NumberMonth                 CheckBox23 "Use Abbr. Month" AbbrMonth
// Method "name" (Panel1)
//   RadioButton6 "by head letters of name" / RadioButton8 "by word of the below list "  NameByWordList
//   Edit2 (with its up-down, UpDown1) after "Number of letters: "               HeadLetterCount
//   Memo1 under "[one line as one subfolder] "                                   Words
//   Button2 "Save as", Button3 "Load"
// Method "type" (Panel10); each group's extension list is its check box's tooltip
//   CheckBox10 "Music files" GroupMusic + Button4 "Change"   CheckBox7 "Image files" GroupImage + Button5
//   CheckBox6 "Vedio files" GroupVideo + Button6             CheckBox9 "Program files" GroupProgram + Button7
//   CheckBox8 "Document file" GroupDocument + Button8
//   CheckBox11 "Other:" Other1Enabled, Edit3 Other1Folder, "Type:" Edit4 Other1Types
//   CheckBox12 "Other:" Other2Enabled, Edit5 Other2Folder, "Type:" Edit6 Other2Types
//   CheckBox13 "Classify to every type " EveryTypeFolder
// Method "size" (Panel11)
//   Edit7 (UpDown2) after "Specify step of file size: " SizeStep;  ComboBox2 "byte"/"KB"/"MB"/"GB" SizeUnit
// Method "number" (Panel13)
//   Edit8 (UpDown3) after "Specify Max. files number in each subfolder: "        MaxFilesPerFolder
//   Edit9 after "Specify a subfolder name: "                                     SubfolderName
// General options (Panel4, under "[More Options]")
//   CheckBox3 "Move source files" MoveSourceFiles     CheckBox4 "Include subfolders" IncludeSubfolders
//   CheckBox5 "Include folder name" IncludeFolderName CheckBox1 "Only classify subfolder" OnlyClassifySubfolder
//   CheckBox2 "Exclude shortcut" ExcludeShortcut      CheckBox25 "Exclude folder info file" ExcludeFolderInfoFile
//   CheckBox26 "Exclude pic thumb file" ExcludeThumbFile  CheckBox27 "Limit Preview number" LimitPreview
//   Edit10 (UpDown4) PreviewLimit                     CheckBox28 "File type filter:" UseTypeFilter
//   ComboBox1 TypeFilterGroup                         Edit1 TypeFilterText
#include "engine/Engine.h"
#include "engine/Options.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/MessagePump.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/media/LibraryEmbeddedDates.h"
#include "platform/qt/QtTranslator.h"
#include "ui/PersistedFields.h"
#include "ui/TypeGroups.h"
#include "ui/WindowHost.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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
struct BoundOptions;

class PreviewTreeModel;
class FileIcons;
class TForm6;
class WindowFields;

// The images of the result tree: the root and the category nodes.
enum ResultTreeImage { OpenFolderImage = 0, MarkedFolderImage = 1, ClosedFolderImage = 2, UnknownFileImage = 3 };

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // `dataFolder` holds the program's own files and ends with "/"; `settings` the values that outlive a
    // restart.
    TForm1(FileSystem& fs, MessageBoxes& boxes, MessagePump& pump, Shell& shell, SettingsStore& settings,
           FileDialogs& dialogs, const std::string& dataFolder, QWidget* parent = nullptr);
    ~TForm1() override;

    // The navigation tree's method entries hold their method key in this role; other entries have none.
    static constexpr int MethodKeyRole = Qt::UserRole;
    // Applies a navigation-tree entry: shows its method panel and sets MethodKey.
    void SelectMethodEntry(const QTreeWidgetItem& entry);
    const std::string& MethodKey() const { return options_.MethodKey; }
    ClassifyOptions& Options() { return options_; }
    varnolt::Engine& ClassifyEngine() { return engine_; }
    PreviewTreeModel& PreviewModel() { return *previewModel_; }
    const QIcon& ResultTreeIcon(ResultTreeImage image) const { return ImageList2[image]; }
    // The path a source-list row stands for: its Qt::UserRole bytes when set (a name that is not UTF-8
    // survives there), else its text.
    static std::string SourcePathOf(const QTreeWidgetItem* row);

    // What the engine's host changes in the window.
    void SetUndoEnabled(bool enabled);
    void FocusField(Field field);
    // The engine trimmed some option fields and the like; show them as it uses them.
    void ShowNormalisedOptions(const ClassifyOptions& normalised);
    // Puts the location at the top of the history and selects it.
    void RememberResultLocation(const std::string& location);
    // A close was asked for while a command is on the stack; it happens when the command returns.
    bool IsClosing() const { return closeAfterCommand_; }
    WindowHost& Host() { return host_; }

    // Navigation tree and toolbar
    QTreeWidget* TreeView1;
    QWidget* Panel2;
    QWidget* Panel5;
    QWidget* Panel3;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton11;
    QToolButton* SpeedButton12;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton7;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton10;
    QToolButton* SpeedButton13;
    QToolButton* SpeedButton8;

    // Source list, result location, result tree, status bar
    QTreeWidget* ListView1;
    QMenu* PopupMenu2;
    QAction* AddFolder1;
    QAction* Delete1;
    QAction* AddFiles1;
    QFrame* Panel14;
    QPushButton* Button1;
    QWidget* Panel9;
    QLabel* ResultLocationLabel;
    QComboBox* ComboBox4;
    QToolButton* SpeedButton6;
    QToolButton* SpeedButton9;
    QSplitter* Splitter1;
    QTreeView* TreeView2;
    QFrame* Panel15;
    QStatusBar* StatusBar1;
    std::array<QLabel*, 2> StatusPanels;

    // Option column
    VerticalScrollColumn* Panel7; // scrolls when the screen is too low for it

    // Method "date"
    QWidget* Panel12;
    QCheckBox* CheckBox15;
    QCheckBox* CheckBox16;
    QCheckBox* CheckBox17;
    QCheckBox* CheckBox18;
    QCheckBox* CheckBox19;
    QCheckBox* CheckBox20;
    QCheckBox* CheckBox21;
    QComboBox* ComboBox3;
    QCheckBox* CheckBox14;
    QCheckBox* CheckBox22;
    QCheckBox* CheckBox23;

    // Method "name"
    QWidget* Panel1;
    QRadioButton* RadioButton6;
    QSpinBox* Edit2;
    QRadioButton* RadioButton8;
    QPlainTextEdit* Memo1;
    QPushButton* Button2;
    QPushButton* Button3;

    // Method "type"
    QWidget* Panel10;
    QCheckBox* CheckBox10;
    QPushButton* Button4;
    QCheckBox* CheckBox7;
    QPushButton* Button5;
    QCheckBox* CheckBox6;
    QPushButton* Button6;
    QCheckBox* CheckBox9;
    QPushButton* Button7;
    QCheckBox* CheckBox8;
    QPushButton* Button8;
    QCheckBox* CheckBox11;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QCheckBox* CheckBox12;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QCheckBox* CheckBox13;

    // Method "size"
    QWidget* Panel11;
    QSpinBox* Edit7;
    QComboBox* ComboBox2;

    // Method "number"
    QWidget* Panel13;
    QSpinBox* Edit8;
    QLineEdit* Edit9;

    // General options
    QWidget* Panel4;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox25;
    QCheckBox* CheckBox26;
    QCheckBox* CheckBox27;
    QSpinBox* Edit10;
    QCheckBox* CheckBox28;
    QComboBox* ComboBox1;
    QLineEdit* Edit1;

    // The start-up step, 300 ms after the window is created.
    QTimer Timer1;

    // "Change file type", made once and reused for every group.
    TForm6* Form6;

    // Images: ImageList1 for the navigation tree (24 x 24), ImageList2 for the result tree (16 x 16):
    // an open folder, a folder with an orange mark, a closed folder, a document with a question mark.
    std::vector<QIcon> ImageList1;
    std::array<QIcon, 4> ImageList2;

signals:
    // The window has agreed to close and every command has ended: the moment to save what outlives it.
    void closing();

public slots:
    void Timer1Timer();
    void SpeedButton1Click();  // Run
    void SpeedButton12Click(); // Preview
    void SpeedButton11Click(); // Stop
    void SpeedButton10Click(); // Undo
    void SpeedButton13Click(); // Help
    void SpeedButton8Click();  // Close

    // Source list and result location, in TForm1Sources.cpp.
    std::string BrowseForFolder(const std::string& title);
    // Adds a row for each path unless one holds exactly that path, rows added before in the same call
    // included; the rows stay in order.
    void AddSources(const std::vector<std::string>& paths);
    // Paths from the command line or from a later start: added as the Folder and Files buttons add them,
    // once the settings have loaded; one box names those that do not exist.
    void OpenPaths(const std::vector<std::string>& paths);
    void SpeedButton4Click(); // Folder, and "Add Folder"
    void SpeedButton7Click(); // Files, and "Add Files"
    void SpeedButton2Click(); // Remove, and "Delete"
    void ListView1SelectItem();
    void ListView1Click();
    void ListView1Drop(QDropEvent* event);
    void Button1Click();      // Load last list
    void SpeedButton6Click(); // select the result folder
    void SpeedButton9Click(); // open the result folder
    void ComboBox4Change();
    void ComboBox4KeyDown(QObject* watched); // the Delete key, in the box or in its drop-down
    std::vector<std::string> ResultHistory() const;

    // Type groups, type filter, word list, name fields and settings, in TForm1Fields.cpp.
    QCheckBox* GroupCheckBox(TypeGroup group) const;
    void EditGroupTypes(TypeGroup group);
    const std::string& CustomTypeList() const { return customTypeList_; }
    void ComboBox1Change(int entry);
    void Edit1Change();
    void RadioButton8Click(bool byWords);
    void Button2Click(); // Save as
    void Button3Click(); // Load
    TextEncoding WordListEncoding() const { return wordListEncoding_; }
    void FormClose();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building, in TForm1Layout.cpp and TForm1Panels.cpp.
    void LoadImages();
    void BuildNavigationTree();
    QWidget* BuildWorkArea();
    void BuildToolbar();
    void BuildSourceList();
    void BuildResultLocationBar();
    void BuildResultTree();
    void BuildStatusBar();
    QWidget* BuildOptionColumn();
    void BuildDatePanel();
    void BuildNamePanel();
    void BuildTypePanel();
    void BuildSizePanel();
    void BuildNumberPanel();
    void BuildGeneralOptions();
    void BindOptions();
    void ConnectInterlocks();
    void ConnectCommands();
    QSize SizeAtStart() const;
    void CentreOnScreen();
    void ConnectSourceList();
    void ConnectFieldHandlers();

    // Handlers
    void TreeView1Change(QTreeWidgetItem* current);
    void TreeView1DblClick();
    void CheckBox19Click();
    void CheckBox20Click();
    void CheckBox22Click();
    void CheckBox23Click();
    void CheckBox1Click();
    void CheckBox5Click();
    void FormResize();

    void RefuseFolderSizeOption(QCheckBox* box);
    void SetTypeFilterVisible(bool visible);
    // The page of the method column that shows the method's options; an empty one for no method.
    QWidget* MethodPanel(const std::string& methodKey) const;
    void SyncSourceList();
    void SyncWords();
    // A type group's extension list is its check box's tooltip; the option follows it.
    void SyncGroupTypes(QCheckBox* group);
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
    friend class WindowFields;

    ClassifyOptions options_;
    // The bindings of the controls to the options; each change is told to the engine.
    std::unique_ptr<BoundOptions> boundOptions_;
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
    LibraryEmbeddedDates embeddedDates_;
    QtTranslator engineTexts_;
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
