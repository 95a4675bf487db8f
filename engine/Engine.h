// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The classification engine: the Run, Preview, Stop and Undo commands over ClassifyOptions and RunState.
// Single-threaded: a command runs to its end inside the caller, letting window events run between items
// through the message pump; Stop and the close query only set StopRequested. It speaks to its front-end
// through the typed EngineHost only.
#include "engine/Host.h"
#include "engine/KnownFolders.h"
#include "engine/Options.h"
#include "engine/PreviewTree.h"
#include "engine/RunState.h"
#include "engine/Sidecars.h"
#include "engine/SourceWalker.h"
#include "platform/EmbeddedDates.h"
#include "platform/FileSystem.h"
#include "platform/MessagePump.h"
#include "platform/Shell.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace varnolt {

struct EngineServices {
    FileSystem& Fs;
    EngineHost& Host;
    MessagePump& Pump;
    Shell& Desktop;
    // Read only when sorting by the date taken.
    EmbeddedDates& Dates = NoEmbeddedDates::Instance();
};

class Engine : public ItemSink {
  public:
    // `dataFolder` holds "undo.udo" and ends with "/". `options` are the front-end's; the engine never
    // writes them, and works on a normalised copy that it takes at a command's start.
    Engine(const ClassifyOptions& options, EngineServices services, std::string dataFolder);

    // The copy a command works on.
    const ClassifyOptions& Options() const { return options_; }
    // The front-end changed its options: a command in progress takes them in after the current turn, so
    // that a change applies to the items handled after it.
    void OptionsChanged() { optionsChanged_ = true; }
    RunState& State() { return state_; }
    const RunState& State() const { return state_; }
    PreviewTree& Preview() { return preview_; }
    const std::string& DataFolder() const { return dataFolder_; }
    std::string JournalPath() const { return dataFolder_ + kJournalFileName; }
    // A folder of the program's own besides the data folder (the settings), which no walk may enter.
    void KeepOutOfWalks(const std::string& folder) { ownFolders_.push_back(folder); }

    // The commands of the toolbar.
    void RunOrPreview(); // asks whether to run or only preview
    void Run();
    void PreviewCommand();
    void Stop(); // asks first
    void UndoLastRun();
    // Whether the window may close now; asks while a command walks its sources.
    bool CloseQuery();
    // A command or an undo is in progress; a second one is refused quietly.
    bool IsBusy() const { return commandRunning_ || state_.UndoInProgress; }
    bool IsWalking() const { return walking_; }

    // The steps of a command, reachable for the window and for tests.
    void StartPreviewTree();
    void ClassifyItem(const std::string& path, bool isFile, ListedFolder* listedIn, FolderIdentity entry,
                      std::span<const std::string> sidecars) override;
    // One item on its own, carried out at once.
    void ClassifyItem(const std::string& path, bool isFile, std::span<const std::string> sidecars = {}) {
        ClassifyItem(path, isFile, nullptr, {}, sidecars);
        CarryOutBatch();
    }
    // `sidecars` hang below the item.
    void AddPreviewItem(const std::string& path, const std::string& category,
                        std::span<const std::string> sidecars = {});
    // `sourceIsFile` when the caller has just found the source to be a file (following links); else the
    // transfer looks. On success, PlacedAt() names where the item went.
    // A file's `sidecars` go with it, under names made from the one it gets.
    FsResult TransferItem(const std::string& source, const std::string& destination,
                          bool sourceIsFile = false, std::span<const std::string> sidecars = {});
    const std::string& PlacedAt() const { return placedAt_; }

  private:
    // The front-end's turns, after each of which a change to its options is taken in.
    class Turns : public MessagePump {
      public:
        explicit Turns(Engine& engine) : engine_(engine) {}
        void Pump() override;

      private:
        Engine& engine_;
    };
    void RunCommand(bool ask);
    void ResetState();
    void TakeOptions();
    bool PrepareResultFolder();
    bool CheckMethodOptions();
    bool CheckOtherGroup(bool enabled, const std::string& folder, const std::string& types, Field folderField,
                         Field typesField);
    // Tells the host why the command ends; returns false so that a check can end with it.
    bool Refuse(Notice notice, std::optional<Field> focus = std::nullopt, std::string_view path = {},
                std::error_code error = {});
    bool Ask(Decision decision, std::string_view path = {}, std::error_code error = {},
             std::int64_t count = 0);
    void Skip(const std::string& path, SkipReason why);
    void Fail(const std::string& path, Step step, std::error_code error, std::string_view destination = {});
    void BeginTally(CommandKind kind);
    void EndCommand(Outcome how);
    void PlaceInPreview(const std::string& path, const std::string& category, bool isFile,
                        std::span<const std::string> sidecars);
    std::string PredictedDestination(const std::string& path, const std::string& folder, bool isFile,
                                     std::span<const Companion> sidecars);
    // Takes the journal lock for a run or an undo; refuses when another process holds it.
    bool LockJournal(JournalLock& lock);
    void WalkSources();
    void FinishRun(JournalLock& lock);
    // A failure to read the journal to its end; the pairs before it stay restored. The pairs that could
    // not be restored go into `left`.
    // `cutShort`: an undo before this one was killed, and may have left partial files at old paths.
    FsResult RestorePairs(RunJournal& left, bool cutShort);
    std::optional<std::size_t> CountJournalLines(FsResult& result);
    // Empty when the item has no category: `failure` then tells a failed look at it from no category.
    std::string CategoryOf(const std::string& path, bool isFile, ListedFolder* listedIn, bool& readAsFile,
                           std::error_code& failure);
    // `made` receives each level that this call created, outer ones first.
    FsResult EnsureCategoryFolder(const std::string& folder, std::vector<std::string>& made);
    FsResult PlaceWithCategoryFolder(const std::string& path, const std::string& folder,
                                     const std::string& destination, bool readAsFile);
    bool RemadeVanishedFolder(const std::string& folder, std::vector<std::string>& made);
    void RemoveEmptyFoldersMade(const std::vector<std::string>& made, const std::string& folder);
    FsResult TransferFile(const std::string& source, const std::string& destination);
    FsResult TransferPageWithCompanion(const std::string& page, const std::string& destination,
                                       const std::string& companionSuffix);
    FsResult TransferWithSidecars(const std::string& file, const std::string& destination,
                                  std::span<const std::string> sidecars);
    // The folder of a saved page's resources, "page.files" before "page_files".
    std::optional<std::string> CompanionSuffixOf(const std::string& page);
    // The sidecars of a file the user listed on its own, when the options keep them.
    std::vector<std::string> SidecarsOfListedFile(const std::string& file);
    // Moves or copies a file, as the run does, without the journal; `placed` tells whether it copied.
    FsResult MoveOrCopyFile(const std::string& source, const std::string& destination, PlacedFile& placed);
    // What the journal keeps of an item the run knows before its move: the listing's identity of a file
    // that a rename keeps; nothing when copying, the copy being another file.
    PlacedIdentity IdentityBeforeMove(const FolderIdentity& entry) const;
    // The identity of the item of the pair `pair`, once placed at `placedAt`: a look there.
    void NoteIdentityAt(RunJournal::PairMark pair, const std::string& placedAt);
    // The step an item failed at: the journal's when it stopped taking pairs, else the transfer's.
    Step FailedStep() const;
    // The source has just been found to be a file, following links.
    FsResult PlaceFile(const std::string& source, const std::string& destination);
    // `claimed` tells a name that an earlier item of a preview is to take; each of `companions` must
    // find its name beside the file's free too.
    std::string FirstFreeFileName(const std::string& destination, std::span<const Companion> companions = {},
                                  const std::function<bool(const std::string&)>& claimed = {});
    std::int64_t& NextNumberToTry(const std::string& destination, std::string_view kind);
    // The kind of memo entry for a whole folder: no companions' kind is "/".
    static constexpr std::string_view kFolderNumbering = "/";
    void RecordTransfer(const std::string& source, const std::string& placedAt);
    // Puts the pair of a move about to be tried into the journal, on the disk unless `batched` (the
    // batch is synced before its moves); false, with the run stopped, when the journal takes no more.
    bool NoteIntent(const std::string& source, const std::string& destination, bool batched = false,
                    const PlacedIdentity& identity = {});
    // A plain file of a run joins the batch of moves whose pairs go to the disk together.
    void PlanFile(std::string path, std::string category, std::string folder, std::string destination,
                  FolderIdentity entry, std::span<const std::string> sidecars);
    // Syncs the batch's pairs, then moves its items; an item whose name was taken meanwhile gets the
    // next free one in a batch of its own.
    void CarryOutBatch();
    // Sees to an item's category folder unless it is known to be there; false when it cannot be made,
    // with the item failed and the user asked whether to go on.
    bool SeeToCategoryFolder(const std::string& path, const std::string& folder,
                             std::vector<std::string>& made);
    // The first of "destination", "destination (2)", ... from `next` on that is free.
    std::string FreeFolderName(const std::string& destination, std::int64_t& next,
                               const std::function<bool(const std::string&)>& claimed = {});
    void ShowActivity(const std::string& source);
    void ReportProgress();

    const ClassifyOptions& frontOptions_;
    ClassifyOptions options_;
    bool optionsChanged_ = false;
    EngineServices services_;
    EngineHost& host_;
    Turns turns_{*this};
    std::string dataFolder_;
    std::vector<std::string> ownFolders_;
    RunState state_;
    PreviewTree preview_;
    KnownFolders knownFolders_;
    // Per taken destination (and companion suffix, or folder) in this command, the first number not yet
    // found taken.
    std::unordered_map<std::string, std::int64_t> nextNumberToTry_;
    // The destinations a preview has given out, so that later items of the same name are numbered on.
    std::unordered_set<std::string> previewClaimed_;
    std::string placedAt_;
    // When the result location is itself a source, what this run placed there and the category folders
    // it made, so that the walk that comes to them does not take them again.
    bool sortingInPlace_ = false;
    std::unordered_set<std::string> placedThisRun_;
    struct PlannedFile {
        std::string Source;
        std::string Category;
        std::string Folder;
        std::string Destination;
        RunJournal::PairMark Pair;
        std::vector<std::string> Made; // the category levels made for it
        FolderIdentity Entry;          // as the walk listed it
        // Its sidecars, with their names beside the file's and their pairs.
        std::vector<std::string> Sidecars;
        std::vector<Companion> Forms;
        std::vector<RunJournal::PairMark> SidecarPairs;
        std::string SidecarDestination(std::size_t i) const { return Forms[i].Beside(Destination); }
    };
    // The pairs of a planned file and its sidecars; false, with none left in, when the journal takes no more.
    bool NotePlannedIntents(PlannedFile& item);
    void CancelPlannedPairs(const PlannedFile& item);
    // Gives out (or takes back) the names of a planned file and its sidecars within the batch.
    void ClaimPlannedNames(const PlannedFile& item, bool claim);
    // Moves or copies a planned file, then its sidecars. When one cannot follow, those that went come
    // back; the pairs of all that are not placed are blanked. `stuck`: one could not come back, and
    // keeps its pair, so that the undo still brings it home.
    FsResult MovePlanned(const PlannedFile& item, bool& stuck);
    // The sidecars as placed, after the file's own event.
    void ReportSidecarsPlaced(const PlannedFile& item);
    std::vector<PlannedFile> batch_;
    std::size_t batchLimit_ = kFirstIntentsPerSync;
    // The category folders this run made: a name in one is taken only by an item of the run, so that a
    // file planned into it needs no look at the disk.
    std::unordered_set<std::string> madeThisRun_;
    // The destinations the batch gives out, so that its later items of the same name are numbered on.
    std::unordered_set<std::string> batchClaimed_;
    // Why the journal took no more pairs in this run; empty while it takes them.
    FsResult journalFailure_;
    CommandEnded tally_{CommandKind::Run};
    static constexpr std::size_t kRememberedNamesLimit = 50000; // a few MB of paths
    static constexpr std::size_t kEmptiedFoldersHeld = 65536;
    bool commandRunning_ = false;
    bool walking_ = false;
};

} // namespace varnolt
