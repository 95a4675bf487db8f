// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the engine changes in the window while a command runs. The window implements it; tests record it.
#include <string>

namespace varnolt {

// The fields a refusal moves the focus to: the result location, the word list, the folder names and lists
// of the two Other groups, and the name of the numbered folders.
enum class Field {
    ResultLocation,
    WordList,
    Other1Folder,
    Other1Types,
    Other2Folder,
    Other2Types,
    SubfolderName,
};

class RunView {
public:
    virtual ~RunView() = default;
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    virtual void SetStopEnabled(bool enabled) = 0;
    virtual void SetUndoEnabled(bool enabled) = 0;
    virtual void SetBusy(bool busy) = 0; // the busy cursor
    virtual void HidePreviewCaption() = 0; // the invitation over the empty preview tree
    virtual void FocusField(Field field) = 0;
    // The engine rewrote some option fields (trimming and the like); show them.
    virtual void ShowNormalisedOptions() = 0;
    // Puts the location at the top of the history and selects it.
    virtual void RememberResultLocation(const std::string& location) = 0;
    // A preview placed the item at `path` in `category`; for front-ends that report the plan item by item.
    virtual void PreviewItemAdded(const std::string& /*path*/, const std::string& /*category*/) {}
};

// For front-ends without a window: the window's effects have nowhere to go.
class HeadlessRunView : public RunView {
public:
    void SetStatusText(int, const std::string&) override {}
    void SetStopEnabled(bool) override {}
    void SetUndoEnabled(bool) override {}
    void SetBusy(bool) override {}
    void HidePreviewCaption() override {}
    void FocusField(Field) override {}
    void ShowNormalisedOptions() override {}
    void RememberResultLocation(const std::string&) override {}
};

} // namespace varnolt
