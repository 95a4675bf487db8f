// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the engine's decisions, notices and reports, exactly as the user sees them in English.
// Each is marked for the translation template (lupdate reads VARNOLT_TRANSLATE_NOOP as
// QT_TRANSLATE_NOOP); a front-end picks the text for a typed event, translates it and then fills its
// placeholders. No front-end ever compares one.
#include "engine/Errors.h"
#include "engine/Host.h"

#include <system_error>

#define VARNOLT_TRANSLATE_NOOP(context, text) text

namespace varnolt::Messages {

inline constexpr const char* Information = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Information");
inline constexpr const char* Confirmation = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Confirmation");
inline constexpr const char* Warning = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Warning");
inline constexpr const char* Error = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Error");

inline constexpr const char* NoSources =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Please add folder or files to be classfied.");
inline constexpr const char* NoMethod =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "You have not specified conditions(on left panel)!");
inline constexpr const char* RunOrPreview =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Do you run it now? or click 'No' to preview.");
inline constexpr const char* NoResultLocation =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "You have not specified result location!");
inline constexpr const char* InvalidResultLocation =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "You specified an invalid path of result location!");
// %1: the result location.
inline constexpr const char* CannotCreateResultFolder =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Can not create result folder:%1");
// %1: the data folder; %2: the reason.
inline constexpr const char* JournalNotCompleted =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "The journal could not be completed in %1: %2");
inline constexpr const char* JournalUnwritable = VARNOLT_TRANSLATE_NOOP(
    "varnolt::Messages", "The journal cannot be written in %1: %2. Nothing was moved.");
// %1: the journal; %2: the reason.
inline constexpr const char* JournalUnreadable =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "The journal %1 cannot be read: %2");
// %1: the data folder; %2: the reason.
inline constexpr const char* LockUnavailable = VARNOLT_TRANSLATE_NOOP(
    "varnolt::Messages", "The journal in %1 cannot be locked: %2. Nothing was changed.");
inline constexpr const char* NothingToUndo =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "There is nothing to undo.");
// %1: the folder.
inline constexpr const char* FolderNotOpened = VARNOLT_TRANSLATE_NOOP(
    "varnolt::Messages",
    "The desktop could not open the folder %1. You can open it yourself in a file manager.");
inline constexpr const char* NoWordInList =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "No word in the list.");
inline constexpr const char* NoOtherFolderName =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "No subfolder name was inputted.");
inline constexpr const char* NoOtherTypes =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "No file type(extension part) was inputted.");
inline constexpr const char* NoTypeGroup =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "No one kind of file types is selected.");
inline constexpr const char* NoSubfolderName =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "No subfolder name inputted.");
// Names that can never be a folder below the result location ("..", only dots and blanks).
inline constexpr const char* BadOtherFolderName =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Invalid subfolder name was inputted.");
inline constexpr const char* BadSubfolderName =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Invalid subfolder name inputted.");
// Another process holds the journal.
inline constexpr const char* AnotherRunInProgress = VARNOLT_TRANSLATE_NOOP(
    "varnolt::Messages", "Another run or undo is in progress. Please try again when it has finished.");
// %1: the number of transferred items.
inline constexpr const char* RunCompleted =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "%1 Classification completed!\nYou can check result to "
                                                "decide if UNDO now.\nOpen the result location now?");
inline constexpr const char* OpenResultQuestion =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Open the result location now?");
inline constexpr const char* ConfirmStop =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Do you want to STOP the operation?");
inline constexpr const char* ConfirmStopAndExit =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Do you want to STOP and EXIT?");

// %1: the category folder.
inline constexpr const char* CannotCreateCategory =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Can not create new folder: %1, continue?");

inline constexpr const char* ConfirmUndo =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Do you want to UNDO the last operation ?");
inline constexpr const char* UndoConfirmationCaption =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Undo Confirmation");
inline constexpr const char* UndoDone = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Undo done.");
// %1: the items put back.
inline constexpr const char* UndoPutBack =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Undo done: %1 items put back.");

inline constexpr const char* PreviewDone = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Preview done.");
inline constexpr const char* NoResultLocationRoot =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "[Target Folder]");

// The status bar while a command runs. %1: the item's path.
inline constexpr const char* ItemInProgress = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "File: %1");
inline constexpr const char* MovingItem = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Moving %1");
inline constexpr const char* CopyingItem = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Copying %1");
// %1: items so far; %2: categories.
inline constexpr const char* PreviewProgress =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Files: %1, Categories: %2");
inline constexpr const char* RunProgress =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Files: %1, New Categories: %2");
// %1: the number of transferred items.
inline constexpr const char* RunDone =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Classify done. %1 files were classified!");
// %1: pairs put back; %2: all pairs.
inline constexpr const char* UndoProgress = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Undo %1 of %2");

// The report at a command's end. %1: items placed; %2: items not placed.
inline constexpr const char* PlacedAndNot =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "%1 placed, %2 not placed");
// %1: items moved or copied so far.
inline constexpr const char* RunStoppedMoving =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Stopped: %1 items moved");
inline constexpr const char* RunStoppedCopying =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Stopped: %1 items copied");
// %1: items shown so far.
inline constexpr const char* PreviewStopped =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Preview stopped: %1 items");
// %1: pairs put back; %2: all pairs; %3: pairs that could not be.
inline constexpr const char* UndoIncomplete =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Undo: %1 of %2 items put back; %3 could not be.");
inline constexpr const char* ReportCaption = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Items not placed");
inline constexpr const char* UndoReportCaption =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Items not put back");
// Why an item was not placed.
inline constexpr const char* NoCategoryReason = VARNOLT_TRANSLATE_NOOP(
    "varnolt::Messages", "no category for it (no group holds its type, or no word matches)");
// What failed. %1: the system's reason.
inline constexpr const char* ReadFactsFailed =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "cannot be read: %1");
inline constexpr const char* MakeCategoryFailed =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "its category folder cannot be made: %1");
inline constexpr const char* MoveFailed = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "cannot be moved: %1");
inline constexpr const char* CopyFailed = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "cannot be copied: %1");
inline constexpr const char* JournalFailed =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "cannot be journaled: %1");
inline constexpr const char* RestoreFailed =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "cannot be put back: %1");
inline constexpr const char* RemoveFailed =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "cannot be removed: %1");

// The engine's own reasons, for %1 of the texts above.
inline constexpr const char* LineBreakInNameReason =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "the name holds a line break, which the journal cannot keep");
inline constexpr const char* NotTheItemPlacedReason =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "another file stands where the run put it");
inline constexpr const char* CopiedFolderStaysReason =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "a copied folder stays where the run put it");
inline constexpr const char* ReplacedSinceRunReason = VARNOLT_TRANSLATE_NOOP(
    "varnolt::Messages", "the file there now is not the one the run put there; it stays");

// The text of a notice, with %1 for its path and %2 for its reason where it has them.
constexpr const char* NoticeText(Notice notice) {
    switch (notice) {
    case Notice::NoSources:
        return NoSources;
    case Notice::NoMethod:
        return NoMethod;
    case Notice::NoResultLocation:
        return NoResultLocation;
    case Notice::InvalidResultLocation:
        return InvalidResultLocation;
    case Notice::NoWordInList:
        return NoWordInList;
    case Notice::NoOtherFolderName:
        return NoOtherFolderName;
    case Notice::BadOtherFolderName:
        return BadOtherFolderName;
    case Notice::NoOtherTypes:
        return NoOtherTypes;
    case Notice::NoTypeGroup:
        return NoTypeGroup;
    case Notice::NoSubfolderName:
        return NoSubfolderName;
    case Notice::BadSubfolderName:
        return BadSubfolderName;
    case Notice::AnotherRunInProgress:
        return AnotherRunInProgress;
    case Notice::LockUnavailable:
        return LockUnavailable;
    case Notice::JournalUnwritable:
        return JournalUnwritable;
    case Notice::JournalIncomplete:
        return JournalNotCompleted;
    case Notice::JournalUnreadable:
        return JournalUnreadable;
    case Notice::NothingToUndo:
        return NothingToUndo;
    case Notice::FolderNotOpened:
        return FolderNotOpened;
    }
    return "";
}

// The text of a failed step, with %1 for the reason.
constexpr const char* StepFailureText(Step step) {
    switch (step) {
    case Step::ReadFacts:
        return ReadFactsFailed;
    case Step::MakeCategory:
        return MakeCategoryFailed;
    case Step::Move:
        return MoveFailed;
    case Step::Copy:
        return CopyFailed;
    case Step::Journal:
        return JournalFailed;
    case Step::Restore:
        return RestoreFailed;
    case Step::Remove:
        return RemoveFailed;
    }
    return "";
}

constexpr const char* EngineErrorText(EngineError error) {
    switch (error) {
    case EngineError::LineBreakInName:
        return LineBreakInNameReason;
    case EngineError::NotTheItemPlaced:
        return NotTheItemPlacedReason;
    case EngineError::CopiedFolderStays:
        return CopiedFolderStaysReason;
    case EngineError::ReplacedSinceRun:
        return ReplacedSinceRunReason;
    }
    return nullptr;
}

// The text of a reason of the engine's own; none for the system's, whose text the system gives.
inline const char* ReasonText(const std::error_code& error) {
    return error.category() == EngineErrorCategory()
               ? EngineErrorText(static_cast<EngineError>(error.value()))
               : nullptr;
}

} // namespace varnolt::Messages
