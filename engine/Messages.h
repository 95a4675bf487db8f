// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the engine shows, exactly as the user sees them in English. Each is marked for the
// translation template (lupdate reads VARNOLT_TRANSLATE_NOOP as QT_TRANSLATE_NOOP) and reaches the user
// through Engine::Text, which translates it and then fills its placeholders.
#define VARNOLT_TRANSLATE_NOOP(context, text) text

namespace varnolt::Messages {

inline constexpr const char* Information = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Information");
inline constexpr const char* Confirmation = VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "Confirmation");
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
// %1: the data folder.
inline constexpr const char* JournalNotCompleted =
    VARNOLT_TRANSLATE_NOOP("varnolt::Messages", "The journal could not be completed in %1");
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

} // namespace varnolt::Messages
