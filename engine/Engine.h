#pragma once
// The classification engine: the Run, Preview, Stop and Undo commands over ClassifyOptions and RunState.
// Single-threaded: a command runs to its end inside the caller, letting window events run between items
// through the message pump; Stop and the close query only set StopRequested.
#include "engine/KnownFolders.h"
#include "engine/Options.h"
#include "engine/PreviewTree.h"
#include "engine/RunState.h"
#include "engine/RunView.h"
#include "engine/SourceWalker.h"
#include "platform/EmbeddedDates.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/MessagePump.h"
#include "platform/Shell.h"
#include "platform/Translator.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace varnolt {

struct EngineServices {
    FileSystem& Fs;
    MessageBoxes& Boxes;
    MessagePump& Pump;
    Shell& Desktop;
    RunView& View;
    // Read only when sorting by the date taken.
    EmbeddedDates& Dates = NoEmbeddedDates::Instance();
    Translator& Texts = EnglishTexts::Instance();
};

class Engine : public ItemSink {
public:
    // `dataFolder` holds "undo.udo" and ends with "/".
    Engine(ClassifyOptions& options, EngineServices services, std::string dataFolder);

    ClassifyOptions& Options() { return options_; }
    RunState& State() { return state_; }
    const RunState& State() const { return state_; }
    PreviewTree& Preview() { return preview_; }
    const std::string& DataFolder() const { return dataFolder_; }
    std::string JournalPath() const { return dataFolder_ + kJournalFileName; }
    // A folder of the program's own besides the data folder (the settings), which no walk may enter.
    void KeepOutOfWalks(const std::string& folder) { ownFolders_.push_back(folder); }

    // The commands of the toolbar.
    void Run();     // asks whether to run or only preview
    void PreviewCommand();
    void Stop();    // asks first
    void UndoLastRun();
    // Whether the window may close now; asks while a command walks its sources.
    bool CloseQuery();
    // A command or an undo is in progress; a second one is refused quietly.
    bool IsBusy() const { return commandRunning_ || state_.UndoInProgress; }
    bool IsWalking() const { return walking_; }

    // The steps of a command, reachable for the window and for tests.
    void StartPreviewTree();
    void ClassifyItem(const std::string& path, bool isFile, ListedFolder* listedIn) override;
    void ClassifyItem(const std::string& path, bool isFile) { ClassifyItem(path, isFile, nullptr); }
    void AddPreviewItem(const std::string& path, const std::string& category);
    // `sourceIsFile` when the caller has just found the source to be a file (following links); else the
    // transfer looks.
    bool TransferItem(const std::string& source, const std::string& destination, bool sourceIsFile = false);

private:
    void RunCommand();
    void ResetState();
    bool PrepareResultFolder();
    bool NormaliseMethodOptions();
    bool NormaliseOtherGroup(bool enabled, const std::string& folder, std::string& types, Field folderField,
                             Field typesField);
    // Shows a refusal; returns false so that a check can end with it.
    bool Refuse(const char* text, Icon icon);
    bool Refuse(const char* text, Icon icon, Field focus);
    // Takes the journal lock for a run or an undo; refuses when another process holds it.
    bool LockJournal(JournalLock& lock);
    void WalkSources();
    void FinishRun(JournalLock& lock);
    // False when the journal could not be read to its end (`error` says why); the pairs before stay restored.
    bool RestorePairs(std::string& error);
    std::optional<std::size_t> CountJournalLines(std::string& error);
    std::string CategoryOf(const std::string& path, bool isFile, ListedFolder* listedIn, bool& readAsFile);
    // `made` receives each level that this call created, outer ones first.
    bool EnsureCategoryFolder(const std::string& folder, std::vector<std::string>& made);
    bool PlaceWithCategoryFolder(const std::string& path, const std::string& folder,
                                 const std::string& destination, bool readAsFile);
    bool AskToContinueWithout(const std::string& folder);
    bool RemadeVanishedFolder(const std::string& folder, std::vector<std::string>& made);
    void RemoveEmptyFoldersMade(const std::vector<std::string>& made, const std::string& folder);
    bool TransferFile(const std::string& source, const std::string& destination, std::string& placedAt);
    bool TransferPageWithCompanion(const std::string& page, const std::string& destination,
                                   const std::string& companionSuffix);
    // The source has just been found to be a file, following links.
    bool PlaceFile(const std::string& source, const std::string& destination);
    std::string FirstFreeFileName(const std::string& destination, const std::string& companionSuffix = {});
    std::int64_t& NextNumberToTry(const std::string& destination, std::string_view kind);
    // The kind of memo entry for a whole folder: no companion suffix is "/".
    static constexpr std::string_view kFolderNumbering = "/";
    void RecordTransfer(const std::string& source, const std::string& placedAt);
    std::string ProgressText(const std::string& source) const;
    // One of the texts of Messages in the user's language, its placeholders filled with `arguments`.
    std::string Text(const char* english, std::initializer_list<std::string_view> arguments = {}) const;
    Answer Ask(const char* text, const char* caption, Buttons buttons, Icon icon,
               std::initializer_list<std::string_view> arguments = {}) const;

    ClassifyOptions& options_;
    EngineServices services_;
    std::string dataFolder_;
    std::vector<std::string> ownFolders_;
    RunState state_;
    PreviewTree preview_;
    KnownFolders knownFolders_;
    // Per taken destination (and companion suffix, or folder) in this command, the first number not yet
    // found taken.
    std::unordered_map<std::string, std::int64_t> nextNumberToTry_;
    static constexpr std::size_t kRememberedNamesLimit = 50000; // a few MB of paths
    static constexpr std::size_t kEmptiedFoldersHeld = 65536;
    bool commandRunning_ = false;
    bool walking_ = false;
};

} // namespace varnolt
