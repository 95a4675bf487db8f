#pragma once
// The texts the engine shows, exactly as the user sees them.
namespace varnolt::Messages {

inline constexpr const char* Information = "Information";
inline constexpr const char* Confirmation = "Confirmation";
inline constexpr const char* Error = "Error";

inline constexpr const char* NoSources = "Please add folder or files to be classfied.";
inline constexpr const char* NoMethod = "You have not specified conditions(on left panel)!";
inline constexpr const char* RunOrPreview = "Do you run it now? or click 'No' to preview.";
inline constexpr const char* NoResultLocation = "You have not specified result location!";
inline constexpr const char* InvalidResultLocation = "You specified an invalid path of result location!";
inline constexpr const char* CannotCreateResultFolder = "Can not create result folder:"; // + location
inline constexpr const char* NoWordInList = "No word in the list.";
inline constexpr const char* NoOtherFolderName = "No subfolder name was inputted.";
inline constexpr const char* NoOtherTypes = "No file type(extension part) was inputted.";
inline constexpr const char* NoTypeGroup = "No one kind of file types is selected.";
inline constexpr const char* NoSubfolderName = "No subfolder name inputted.";
// Names that can never be a folder below the result location ("..", only dots and blanks).
inline constexpr const char* BadOtherFolderName = "Invalid subfolder name was inputted.";
inline constexpr const char* BadSubfolderName = "Invalid subfolder name inputted.";
// Another process holds the journal.
inline constexpr const char* AnotherRunInProgress =
    "Another run or undo is in progress. Please try again when it has finished.";
// Preceded by the number of transferred items.
inline constexpr const char* RunCompleted =
    " Classification completed!\nYou can check result to decide if UNDO now.\nOpen the result location now?";
inline constexpr const char* ConfirmStop = "Do you want to STOP the operation?";
inline constexpr const char* ConfirmStopAndExit = "Do you want to STOP and EXIT?";

inline constexpr const char* CannotCreateCategoryPrefix = "Can not create new folder: "; // + folder
inline constexpr const char* CannotCreateCategorySuffix = ", continue?";

inline constexpr const char* ConfirmUndo = "Do you want to UNDO the last operation ?";
inline constexpr const char* UndoConfirmationCaption = "Undo Confirmation";
inline constexpr const char* UndoDone = "Undo done.";

inline constexpr const char* PreviewDone = "Preview done.";
inline constexpr const char* NoResultLocationRoot = "[Target Folder]";

} // namespace varnolt::Messages
