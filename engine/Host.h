// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's one door to its front-ends: the decisions it asks for and the events it reports, all
// typed, so that no front-end reads a message text. The window turns them into its boxes and panels; the
// CLI answers from its flags and prints lines. Paths and names in events are views into the engine's
// own strings, valid for the length of the call.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace varnolt {

struct ClassifyOptions;

enum class CommandKind { Run, Preview, Undo };

// The fields a refusal moves the focus to.
enum class Field {
    ResultLocation,
    WordList,
    Other1Folder,
    Other1Types,
    Other2Folder,
    Other2Types,
    SubfolderName
};

// The questions of a command; each is answered yes or no.
enum class Decision {
    RunOrPreview,            // yes: run; no: only preview
    ConfirmStop,             // Stop was pressed
    ConfirmStopAndExit,      // the window is closing while a command walks its sources
    RetryResultFolder,       // the result folder `Path` cannot be made: try again?
    ContinueWithoutCategory, // the category folder `Path` cannot be made (`Error`): go on with the rest?
    ConfirmUndo,
    OpenResult, // after a run that placed `Count` items: open the result location?
};

struct DecisionRequest {
    Decision Kind;
    std::string_view Path{};
    std::error_code Error{};
    std::int64_t Count = 0;
};

// Why a command does not start, or could not finish what it set out to do. Each ends the command.
enum class Notice {
    NoSources,
    NoMethod,
    NoResultLocation,
    InvalidResultLocation,
    NoWordInList,
    NoOtherFolderName,
    BadOtherFolderName,
    NoOtherTypes,
    NoTypeGroup,
    NoSubfolderName,
    BadSubfolderName,
    AnotherRunInProgress,
    LockUnavailable,   // the data folder `Path` cannot be locked (`Error`)
    JournalUnwritable, // the journal cannot be started in `Path` (`Error`): nothing was changed
    JournalIncomplete, // the journal could not be completed in `Path` (`Error`)
    JournalUnreadable, // the journal `Path` cannot be read (`Error`)
    NothingToUndo,
    FolderNotOpened, // the desktop did not open the result folder `Path`
};

struct NoticeEvent {
    Notice Kind;
    std::string_view Path{};
    std::error_code Error{};
    std::optional<Field> Focus{};
};

struct CommandStarted {
    CommandKind Kind;
    bool Moving = true;                  // a run or undo moves rather than copies
    std::optional<std::int64_t> Total{}; // the items ahead, when known
};

// What the engine is doing with one item, for a status line.
enum class Activity { Classifying, Moving, Copying };

struct ItemActivity {
    Activity What;
    std::string_view Path{};
};

// A run placed the item at `Destination`; a preview predicts that a run would.
struct ItemPlaced {
    std::string_view Source;
    std::string_view Category; // "." for the result location itself
    std::string_view Destination;
    bool IsFolder = false;
    bool Preview = false;
    std::string_view GoesWith{}; // a sidecar's photo; empty for an item of its own
};

enum class SkipReason {
    Excluded,    // shortcuts, thumbnail and folder settings files, as the options say
    FilteredOut, // not of the types the type filter lets through
    NoCategory,  // the method has no category for it (no group holds its type, no word in its name)
};

struct ItemSkipped {
    std::string_view Path{};
    SkipReason Why;
};

// The step of an item's handling that failed.
enum class Step {
    ReadFacts,    // its size or times
    MakeCategory, // its category folder
    Move,
    Copy,
    Journal, // the journal cannot take its line
    Restore, // an undo putting it back
    Remove,  // an undo removing a copy
};

struct ItemFailed {
    std::string_view Path{};
    Step Where;
    std::error_code Error{};
    std::string_view Destination{}; // where it was to go, when known
};

struct ProgressEvent {
    CommandKind Kind;
    std::int64_t Done = 0;       // items so far
    std::int64_t Total = 0;      // 0 while unknown
    std::int64_t Categories = 0; // new category folders of a run, categories of a preview
};

enum class Outcome {
    Completed, // every item was handled (some may have failed: see the counts)
    Stopped,   // the user stopped it
    Refused,   // it did not start (a notice said why)
    Failed,    // it could not go on (a notice said why)
};

struct CommandEnded {
    CommandKind Kind;
    Outcome How = Outcome::Completed;
    std::int64_t Placed = 0;    // moved, copied, previewed, or put back by an undo
    std::int64_t Excluded = 0;  // left out by the user's own exclusions and filter
    std::int64_t NotPlaced = 0; // no category for them
    std::int64_t Failed = 0;
    std::int64_t Total = 0; // items handed over (an undo: the journal's pairs)
    std::int64_t NewCategories = 0;
    bool LimitReached = false;           // a preview ended at its limit
    std::string_view ResultLocation{};   // a run's, to remember
    std::optional<bool> UndoAvailable{}; // whether Undo now has a journal to take back, when that changed
    bool Moving = true;

    bool EverythingWent() const { return How == Outcome::Completed && NotPlaced == 0 && Failed == 0; }
};

class EngineHost {
  public:
    virtual ~EngineHost() = default;
    virtual bool Decide(const DecisionRequest& request) = 0;
    virtual void Notify(const NoticeEvent& notice) = 0;

    virtual void Started(const CommandStarted&) {}
    virtual void Working(const ItemActivity&) {}
    virtual void Placed(const ItemPlaced&) {}
    virtual void Skipped(const ItemSkipped&) {}
    virtual void Failed(const ItemFailed&) {}
    virtual void Progress(const ProgressEvent&) {}
    // The options a command is about to use, after trimming and the like; a window shows them back.
    virtual void OptionsNormalised(const ClassifyOptions&) {}
    virtual void Ended(const CommandEnded&) {}
};

} // namespace varnolt
