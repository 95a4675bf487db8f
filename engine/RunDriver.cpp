// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CategoryRules.h"
#include "engine/Engine.h"
#include "engine/Text.h"

#include <algorithm>

namespace varnolt {

namespace {

// Leaves the command in the state every way out must leave it: not a preview, not walking, idle.
class CommandScope {
  public:
    CommandScope(RunState& state, bool& running, bool& walking)
        : state_(state), running_(running), walking_(walking) {
        running_ = true;
    }
    ~CommandScope() {
        state_.PreviewMode = false;
        walking_ = false;
        running_ = false;
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

  private:
    RunState& state_;
    bool& running_;
    bool& walking_;
};

std::int64_t SizeStepInBytes(std::int32_t step, int unit) {
    std::int64_t bytes = step;
    for (int i = 0; i < std::clamp(unit, 0, 3); ++i)
        bytes *= 1024;
    return bytes;
}

std::string WithoutDots(std::string text) {
    std::erase(text, '.');
    return text;
}

// Trims what the user typed, as a command reads it. Taking it again later in a command gives the same.
void NormaliseOptions(ClassifyOptions& options) {
    options.ResultLocation = Trim(options.ResultLocation);
    if (options.MethodKey == Method::Name && options.NameByWordList)
        std::erase_if(options.Words, [](const std::string& line) { return line.empty(); });
    options.Other1Folder = TrimLeft(options.Other1Folder);
    options.Other2Folder = TrimLeft(options.Other2Folder);
    options.Other1Types = Trim(options.Other1Types);
    options.Other2Types = Trim(options.Other2Types);
    if (options.MethodKey == Method::Type) {
        if (options.Other1Enabled) options.Other1Types = LowerAllLetters(WithoutDots(options.Other1Types));
        if (options.Other2Enabled) options.Other2Types = LowerAllLetters(WithoutDots(options.Other2Types));
    } else if (options.MethodKey == Method::Number) {
        options.SubfolderName = TrimLeft(options.SubfolderName);
    }
}

} // namespace

Engine::Engine(const ClassifyOptions& options, EngineServices services, std::string dataFolder)
    : frontOptions_(options), options_(options), services_(services), host_(services.Host),
      dataFolder_(WithTrailingSlash(dataFolder)) {}

void Engine::Turns::Pump() {
    engine_.services_.Pump.Pump();
    if (engine_.optionsChanged_) engine_.TakeOptions();
}

void Engine::TakeOptions() {
    options_ = frontOptions_;
    NormaliseOptions(options_);
    optionsChanged_ = false;
}

bool Engine::Ask(Decision decision, std::string_view path, std::error_code error, std::int64_t count) {
    return host_.Decide({decision, path, error, count});
}

void Engine::RunOrPreview() {
    if (IsBusy()) return;
    RunCommand(true);
}

void Engine::Run() {
    if (IsBusy()) return;
    RunCommand(false);
}

void Engine::PreviewCommand() {
    if (IsBusy()) return;
    state_.PreviewMode = true;
    RunCommand(false);
}

void Engine::Stop() {
    if (Ask(Decision::ConfirmStop)) state_.StopRequested = true;
}

bool Engine::CloseQuery() {
    if (!walking_) return true;
    if (!Ask(Decision::ConfirmStopAndExit)) return false;
    state_.StopRequested = true;
    return true;
}

void Engine::StartPreviewTree() {
    preview_.Clear();
    // An empty root stands for a result location not chosen yet; the front-end names it.
    preview_.AddRoot(Trim(frontOptions_.ResultLocation));
    preview_.Repaint();
}

bool Engine::Refuse(Notice notice, std::optional<Field> focus, std::string_view path, std::error_code error) {
    host_.Notify({notice, path, error, focus});
    return false;
}

void Engine::BeginTally(CommandKind kind) {
    tally_ = CommandEnded{kind};
    tally_.Moving = options_.MoveSourceFiles;
}

void Engine::EndCommand(Outcome how) {
    tally_.How = how;
    if (tally_.Kind == CommandKind::Run) tally_.NewCategories = state_.NewCategoryCount;
    host_.Ended(tally_);
}

void Engine::RunCommand(bool ask) {
    CommandScope scope(state_, commandRunning_, walking_);
    TakeOptions();
    BeginTally(state_.PreviewMode ? CommandKind::Preview : CommandKind::Run);
    if (options_.SourceList.empty()) {
        Refuse(Notice::NoSources);
        return EndCommand(Outcome::Refused);
    }
    if (options_.MethodKey.empty()) {
        Refuse(Notice::NoMethod);
        return EndCommand(Outcome::Refused);
    }
    if (ask && !Ask(Decision::RunOrPreview)) {
        state_.PreviewMode = true;
        tally_.Kind = CommandKind::Preview;
    }

    // A run holds the journal from before its first change to after the journal is saved; a preview
    // writes none.
    JournalLock lock;
    if (!state_.PreviewMode && !LockJournal(lock)) return EndCommand(Outcome::Refused);

    ResetState();
    const bool ready = (state_.PreviewMode || PrepareResultFolder()) && CheckMethodOptions();
    host_.OptionsNormalised(options_);
    if (!ready) return EndCommand(Outcome::Refused);

    state_.ResultRoot = WithTrailingSlash(options_.ResultLocation);
    knownFolders_.Clear(state_.ResultRoot);
    journalFailure_ = {};
    if (state_.PreviewMode) {
        StartPreviewTree();
    } else if (const FsResult begun = state_.UndoJournal.Begin(
                   services_.Fs, dataFolder_, options_.MoveSourceFiles ? kMoveModeLine : kCopyModeLine);
               !begun) {
        // Nothing may move that the journal cannot take back.
        Refuse(Notice::JournalUnwritable, std::nullopt, dataFolder_, begun.Error());
        return EndCommand(Outcome::Refused);
    }

    host_.Started({tally_.Kind, options_.MoveSourceFiles, std::nullopt});
    walking_ = true;
    state_.StopRequested = false;
    WalkSources();
    walking_ = false;

    if (state_.PreviewMode)
        EndCommand(state_.StopRequested && !tally_.LimitReached ? Outcome::Stopped : Outcome::Completed);
    else
        FinishRun(lock);
}

bool Engine::LockJournal(JournalLock& lock) {
    lock = TakeJournalLock(services_.Fs, dataFolder_);
    if (lock.HeldElsewhere) return Refuse(Notice::AnotherRunInProgress);
    // Without the lock there is no telling whether a side file's writer is gone: nothing may touch it.
    if (!lock.Held) return Refuse(Notice::LockUnavailable, std::nullopt, lock.Folder, lock.Error);
    RecoverInterruptedJournal(services_.Fs, dataFolder_);
    return true;
}

void Engine::ResetState() {
    state_.StopRequested = false;
    state_.TransferredCount = 0;
    state_.FolderSerial = 0;
    state_.FolderFillCount = 0;
    state_.ItemCount = 0;
    state_.NewCategoryCount = 0;
    // Folders found by an earlier command may be gone since.
    knownFolders_.Clear();
    nextNumberToTry_.clear();
    previewClaimed_.clear();
    madeThisRun_.clear();
    batchLimit_ = kFirstIntentsPerSync;
}

bool Engine::PrepareResultFolder() {
    const std::string& location = options_.ResultLocation;
    if (location.empty()) return Refuse(Notice::NoResultLocation, Field::ResultLocation);
    // A new result folder can only be made directly inside an existing folder.
    if (!services_.Fs.FolderExists(FolderPartOf(location)))
        return Refuse(Notice::InvalidResultLocation, Field::ResultLocation);
    while (!services_.Fs.FolderExists(location)) {
        const FsResult made = services_.Fs.MakeFolder(location);
        if (made) break;
        if (!Ask(Decision::RetryResultFolder, location, made.Error())) return false;
    }
    return true;
}

bool Engine::CheckMethodOptions() {
    const std::string& method = options_.MethodKey;
    if (method == Method::Name && options_.NameByWordList && options_.Words.empty())
        return Refuse(Notice::NoWordInList, Field::WordList);
    if (method == Method::Type) {
        if (!CheckOtherGroup(options_.Other1Enabled, options_.Other1Folder, options_.Other1Types,
                             Field::Other1Folder, Field::Other1Types) ||
            !CheckOtherGroup(options_.Other2Enabled, options_.Other2Folder, options_.Other2Types,
                             Field::Other2Folder, Field::Other2Types))
            return false;
        const bool anyGroup = options_.AnyGroupEnabled() || options_.EveryTypeFolder;
        if (!anyGroup) return Refuse(Notice::NoTypeGroup);
    } else if (method == Method::Size) {
        state_.SizeStepBytes = SizeStepInBytes(options_.SizeStep, options_.SizeUnit);
    } else if (method == Method::Number) {
        if (options_.SubfolderName.empty()) return Refuse(Notice::NoSubfolderName, Field::SubfolderName);
        if (!IsUsableFolderName(options_.SubfolderName))
            return Refuse(Notice::BadSubfolderName, Field::SubfolderName);
    }
    return true;
}

bool Engine::CheckOtherGroup(bool enabled, const std::string& folder, const std::string& types,
                             Field folderField, Field typesField) {
    if (!enabled) return true;
    if (folder.empty()) return Refuse(Notice::NoOtherFolderName, folderField);
    if (!IsUsableFolderName(folder)) return Refuse(Notice::BadOtherFolderName, folderField);
    if (types.empty()) return Refuse(Notice::NoOtherTypes, typesField);
    return true;
}

void Engine::WalkSources() {
    FileSystem& fs = services_.Fs;
    KeptOutFolders own;
    own.Add(fs, dataFolder_);
    for (const std::string& folder : ownFolders_)
        own.Add(fs, folder);
    WalkContext context{fs, turns_, options_, state_.StopRequested, *this, own};
    // Unlike the program's own folders, the result location may be a source: a folder sorted in place.
    context.KeptOut.Add(fs, options_.ResultLocation);
    const auto result = fs.IdentifyFolder(options_.ResultLocation);
    sortingInPlace_ =
        !state_.PreviewMode && result &&
        std::any_of(options_.SourceList.begin(), options_.SourceList.end(),
                    [&](const std::string& source) { return fs.IdentifyFolder(source) == result; });
    placedThisRun_.clear();
    // The list may change while events run between items: take each entry afresh.
    for (std::size_t index = 0; index < options_.SourceList.size() && !state_.StopRequested; ++index) {
        const std::string path = options_.SourceList[index];
        if (fs.FolderExists(path)) {
            if (!own.IsKeptOut(fs.IdentifyFolder(path))) WalkSourceFolder(context, path);
        } else if (fs.FileExists(path) && !own.IsKeptOut(fs.IdentifyFolder(FolderPartOf(path)))) {
            ClassifyItem(path, true, nullptr, {}, SidecarsOfListedFile(path));
        }
    }
    CarryOutBatch();
}

void Engine::FinishRun(JournalLock& lock) {
    FsResult saved;
    if (state_.TransferredCount == 0) {
        // A run that placed nothing (a mistyped source, say) leaves the last run's journal to its undo.
        state_.UndoJournal.Discard();
    } else {
        saved = state_.UndoJournal.Save([this] { services_.Pump.Pump(); });
        // Undo would otherwise take back an older run's journal.
        tally_.UndoAvailable = static_cast<bool>(saved);
    }
    lock.Held.reset();
    // A journal that stopped taking pairs stopped the run: what it holds can be undone.
    if (!journalFailure_) saved = journalFailure_;
    if (!saved) Refuse(Notice::JournalIncomplete, std::nullopt, dataFolder_, saved.Error());
    turns_.Pump();
    tally_.ResultLocation = options_.ResultLocation;
    EndCommand(!saved ? Outcome::Failed : state_.StopRequested ? Outcome::Stopped : Outcome::Completed);
    if (Ask(Decision::OpenResult, options_.ResultLocation, {}, state_.TransferredCount) &&
        !services_.Desktop.OpenFolder(options_.ResultLocation))
        Refuse(Notice::FolderNotOpened, std::nullopt, options_.ResultLocation);
}

} // namespace varnolt
