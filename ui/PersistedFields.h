// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What of the window outlives a restart, as the settings loader and saver see it. The window
// implements it over its controls, so both read and write the controls at the moment they run.
#include "engine/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/SettingsStore.h"
#include "ui/TypeGroups.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace varnolt {

// The window as the user left it: its size and place on the desktop (unmaximised, without the frame),
// whether it was maximised, the heights the splitter gave its two parts, and the method shown.
struct WindowPlace {
    std::optional<std::array<int, 4>> Geometry; // x, y, width, height
    bool Maximized = false;
    std::vector<int> SplitterSizes;
    std::string MethodKey;
};

class PersistedFields {
  public:
    virtual ~PersistedFields() = default;

    virtual std::string GroupTypes(TypeGroup group) const = 0;
    virtual void SetGroupTypes(TypeGroup group, const std::string& types) = 0;
    // `group` is 0 or 1.
    virtual std::string OtherFolder(int group) const = 0;
    virtual std::string OtherTypes(int group) const = 0;
    virtual void SetOtherGroup(int group, const std::string& folder, const std::string& types) = 0;
    virtual void SetCustomTypeList(const std::string& types) = 0;

    virtual int TypeFilterGroup() const = 0;
    virtual bool UseTypeFilter() const = 0;
    virtual std::string TypeFilterText() const = 0;
    virtual void SetTypeFilterText(const std::string& text) = 0;

    // The box's text, "\n" between lines, and the encoding of the file it was last loaded from.
    virtual std::string WordListText() const = 0;
    virtual TextEncoding WordListEncoding() const = 0;
    virtual void LoadWordList(const TextFileContent& content) = 0;

    virtual std::vector<std::string> SourcePaths() const = 0;
    virtual std::vector<std::string> ResultHistory() const = 0;
    virtual void AppendResultHistory(const std::string& location) = 0;

    virtual void EnableUndo() = 0;
    virtual void ShowLoadLastList() = 0;

    // Size, place and splitter come back as the window is made (ReadWindowPlace); the method at the
    // start-up step, after the default one.
    virtual WindowPlace Place() const = 0;
    virtual void ShowMethod(const std::string& methodKey) = 0;
};

// Where the settings live and whom to tell when they cannot be read or written.
struct SettingsPlaces {
    SettingsStore& Store;
    FileSystem& Fs;
    MessageBoxes& Boxes;
    std::string DataFolder; // ends with "/"
};

// What the start-up step read before it stopped, if it stopped at a value it could not read. The saver
// leaves alone what was never read, so that a stored history is not replaced by the window's empty one.
struct LoadedSettings {
    bool History = false;
};

// Writes one value, opening the store for it alone. A failure is shown to the user.
void WriteSetting(const SettingsPlaces& places, const std::string& name, const std::string& value);

// Shows a failure the program cannot mend, with its text.
void ReportSettingsError(MessageBoxes& boxes, const std::string& text);
// A file of the settings or of the user's that could not be read or written, with the system's reason.
std::string CannotOpenFileText(const std::string& path, const std::string& error);
std::string CannotCreateFileText(const std::string& path, const std::string& error);

inline constexpr int kStoredHistoryLength = 10;
// The window's place has a group of its own.
inline constexpr const char* kWindowGeometryName = "Window/Geometry";
inline constexpr const char* kWindowMaximizedName = "Window/Maximized";
inline constexpr const char* kWindowSplitterName = "Window/Splitter";
inline constexpr const char* kWindowMethodName = "Window/Method";
std::string HistoryValueName(int index);

} // namespace varnolt
