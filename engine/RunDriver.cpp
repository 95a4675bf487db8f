#include "engine/CategoryRules.h"
#include "engine/Engine.h"
#include "engine/Messages.h"
#include "engine/Text.h"

#include <algorithm>

namespace varnolt {

namespace {

// Leaves the command in the state every way out must leave it: not a preview, Stop disabled, idle.
class CommandScope {
public:
    CommandScope(RunState& state, RunView& view, bool& running, bool& walking)
        : state_(state), view_(view), running_(running), walking_(walking) {
        running_ = true;
    }
    ~CommandScope() {
        state_.PreviewMode = false;
        walking_ = false;
        view_.SetStopEnabled(false);
        running_ = false;
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    RunState& state_;
    RunView& view_;
    bool& running_;
    bool& walking_;
};

std::int64_t SizeStepInBytes(std::int32_t step, int unit) {
    std::int64_t bytes = step;
    for (int i = 0; i < std::clamp(unit, 0, 3); ++i) bytes *= 1024;
    return bytes;
}

std::string WithoutDots(std::string text) {
    std::erase(text, '.');
    return text;
}

} // namespace

Engine::Engine(ClassifyOptions& options, EngineServices services, std::string dataFolder)
    : options_(options), services_(services), dataFolder_(WithTrailingSlash(dataFolder)) {}

std::string Engine::Text(const char* english, std::initializer_list<std::string_view> arguments) const {
    return FillPlaceholders(services_.Texts.Translate(english), arguments);
}

Answer Engine::Ask(const char* text, const char* caption, Buttons buttons, Icon icon,
                   std::initializer_list<std::string_view> arguments) const {
    return services_.Boxes.Show(Text(text, arguments), Text(caption), buttons, icon);
}

void Engine::Run() {
    if (IsBusy()) return;
    RunCommand();
}

void Engine::PreviewCommand() {
    if (IsBusy()) return;
    state_.PreviewMode = true;
    RunCommand();
}

void Engine::Stop() {
    if (Ask(Messages::ConfirmStop, Messages::Confirmation, Buttons::YesNo, Icon::Question) == Answer::Yes)
        state_.StopRequested = true;
}

bool Engine::CloseQuery() {
    if (!walking_) return true;
    if (Ask(Messages::ConfirmStopAndExit, Messages::Confirmation, Buttons::YesNo, Icon::Question) !=
        Answer::Yes)
        return false;
    state_.StopRequested = true;
    return true;
}

void Engine::StartPreviewTree() {
    preview_.Clear();
    const std::string location = Trim(options_.ResultLocation);
    preview_.AddRoot(location.empty() ? Text(Messages::NoResultLocationRoot) : location);
    preview_.Repaint();
}

bool Engine::Refuse(const char* text, Icon icon) {
    Ask(text, Messages::Information, Buttons::Ok, icon);
    return false;
}

bool Engine::Refuse(const char* text, Icon icon, Field focus) {
    Refuse(text, icon);
    services_.View.FocusField(focus);
    return false;
}

void Engine::RunCommand() {
    CommandScope scope(state_, services_.View, commandRunning_, walking_);
    if (options_.SourceList.empty()) {
        Refuse(Messages::NoSources, Icon::Information);
        return;
    }
    if (options_.MethodKey.empty()) {
        Refuse(Messages::NoMethod, Icon::Information);
        return;
    }
    if (!state_.PreviewMode &&
        Ask(Messages::RunOrPreview, Messages::Confirmation, Buttons::YesNo, Icon::Question) == Answer::No)
        state_.PreviewMode = true;

    // A run holds the journal from before its first change to after the journal is saved; a preview
    // writes none.
    JournalLock lock;
    if (!state_.PreviewMode && !LockJournal(lock)) return;

    ResetState();
    options_.ResultLocation = Trim(options_.ResultLocation);
    const bool ready = (state_.PreviewMode || PrepareResultFolder()) && NormaliseMethodOptions();
    services_.View.ShowNormalisedOptions();
    if (!ready) return;

    state_.ResultRoot = WithTrailingSlash(options_.ResultLocation);
    knownFolders_.Clear(state_.ResultRoot);
    if (state_.PreviewMode) {
        services_.View.HidePreviewCaption();
        StartPreviewTree();
    } else {
        state_.UndoJournal.Begin(services_.Fs, dataFolder_,
                                 options_.MoveSourceFiles ? kMoveModeLine : kCopyModeLine);
    }

    services_.View.SetStopEnabled(true);
    walking_ = true;
    state_.StopRequested = false;
    WalkSources();

    if (state_.PreviewMode)
        services_.View.SetStatusText(0, Text(Messages::PreviewDone));
    else
        FinishRun(lock);
}

bool Engine::LockJournal(JournalLock& lock) {
    lock = TakeJournalLock(services_.Fs, dataFolder_);
    if (lock.HeldElsewhere) return Refuse(Messages::AnotherRunInProgress, Icon::Information);
    // Without a usable lock file there is no telling whether a side file's writer is gone; the command
    // goes on, and a journal that cannot be written either is reported at its end.
    if (lock.Held) RecoverInterruptedJournal(services_.Fs, dataFolder_);
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
}

bool Engine::PrepareResultFolder() {
    const std::string& location = options_.ResultLocation;
    if (location.empty()) return Refuse(Messages::NoResultLocation, Icon::Information, Field::ResultLocation);
    // A new result folder can only be made directly inside an existing folder.
    if (!services_.Fs.FolderExists(FolderPartOf(location)))
        return Refuse(Messages::InvalidResultLocation, Icon::Information, Field::ResultLocation);
    while (!services_.Fs.FolderExists(location) && !services_.Fs.MakeFolder(location)) {
        const Answer answer = Ask(Messages::CannotCreateResultFolder, Messages::Information,
                                  Buttons::AbortRetryIgnore, Icon::Information, {location});
        if (answer != Answer::Retry) return false;
    }
    return true;
}

bool Engine::NormaliseMethodOptions() {
    const std::string& method = options_.MethodKey;
    if (method == Method::Name && options_.NameByWordList) {
        std::erase_if(options_.Words, [](const std::string& line) { return line.empty(); });
        if (options_.Words.empty()) return Refuse(Messages::NoWordInList, Icon::Warning, Field::WordList);
    }
    options_.Other1Folder = TrimLeft(options_.Other1Folder);
    options_.Other2Folder = TrimLeft(options_.Other2Folder);
    options_.Other1Types = Trim(options_.Other1Types);
    options_.Other2Types = Trim(options_.Other2Types);

    if (method == Method::Type) {
        if (!NormaliseOtherGroup(options_.Other1Enabled, options_.Other1Folder, options_.Other1Types,
                                 Field::Other1Folder, Field::Other1Types) ||
            !NormaliseOtherGroup(options_.Other2Enabled, options_.Other2Folder, options_.Other2Types,
                                 Field::Other2Folder, Field::Other2Types))
            return false;
        const bool anyGroup = options_.AnyGroupEnabled() || options_.EveryTypeFolder;
        if (!anyGroup) return Refuse(Messages::NoTypeGroup, Icon::Warning);
    } else if (method == Method::Size) {
        state_.SizeStepBytes = SizeStepInBytes(options_.SizeStep, options_.SizeUnit);
    } else if (method == Method::Number) {
        options_.SubfolderName = TrimLeft(options_.SubfolderName);
        if (options_.SubfolderName.empty())
            return Refuse(Messages::NoSubfolderName, Icon::Warning, Field::SubfolderName);
        if (!IsUsableFolderName(options_.SubfolderName))
            return Refuse(Messages::BadSubfolderName, Icon::Warning, Field::SubfolderName);
    }
    return true;
}

bool Engine::NormaliseOtherGroup(bool enabled, const std::string& folder, std::string& types, Field folderField,
                                 Field typesField) {
    if (!enabled) return true;
    if (folder.empty()) return Refuse(Messages::NoOtherFolderName, Icon::Warning, folderField);
    if (!IsUsableFolderName(folder)) return Refuse(Messages::BadOtherFolderName, Icon::Warning, folderField);
    if (types.empty()) return Refuse(Messages::NoOtherTypes, Icon::Warning, typesField);
    types = LowerAllLetters(WithoutDots(types));
    return true;
}

void Engine::WalkSources() {
    FileSystem& fs = services_.Fs;
    KeptOutFolders own;
    own.Add(fs, dataFolder_);
    for (const std::string& folder : ownFolders_) own.Add(fs, folder);
    WalkContext context{fs, services_.Pump, options_, state_.StopRequested, *this, own};
    // Unlike the program's own folders, the result location may be a source: a folder sorted in place.
    context.KeptOut.Add(fs, options_.ResultLocation);
    // The list may change while events run between items: take each entry afresh.
    for (std::size_t index = 0; index < options_.SourceList.size() && !state_.StopRequested; ++index) {
        const std::string path = options_.SourceList[index];
        if (fs.FolderExists(path)) {
            if (!own.IsKeptOut(fs.IdentifyFolder(path))) WalkSourceFolder(context, path);
        } else if (fs.FileExists(path) && !own.IsKeptOut(fs.IdentifyFolder(FolderPartOf(path)))) {
            ClassifyItem(path, true);
        }
    }
}

void Engine::FinishRun(JournalLock& lock) {
    std::string error;
    bool saved = true;
    if (!state_.UndoJournal.IsEmpty()) {
        saved = state_.UndoJournal.Save(error, [this] { services_.Pump.Pump(); }, services_.Texts);
        // Undo would otherwise take back an older run's journal.
        services_.View.SetUndoEnabled(saved);
    }
    lock.Held.reset();
    if (!saved) services_.Boxes.Show(error, Text(Messages::Error), Buttons::Ok, Icon::Error);
    services_.Pump.Pump();
    services_.View.RememberResultLocation(options_.ResultLocation);
    const std::string count = std::to_string(state_.TransferredCount);
    services_.View.SetStatusText(0, Text(Messages::RunDone, {count}));
    if (Ask(Messages::RunCompleted, Messages::Information, Buttons::YesNo, Icon::Information, {count}) ==
        Answer::Yes)
        services_.Desktop.OpenFolder(options_.ResultLocation);
}

} // namespace varnolt
