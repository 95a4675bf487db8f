// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "engine/RunView.h"

#include <string>
#include <vector>

namespace varnolt {

class RecordingRunView : public RunView {
public:
    std::string Status[2];
    bool StopEnabled = false;
    bool UndoEnabled = false;
    bool Busy = false;
    bool PreviewCaptionHidden = false;
    std::vector<Field> Focused;
    std::vector<std::string> Remembered;
    int NormalisedShown = 0;

    void SetStatusText(int panel, const std::string& text) override { Status[panel] = text; }
    void SetStopEnabled(bool enabled) override { StopEnabled = enabled; }
    void SetUndoEnabled(bool enabled) override { UndoEnabled = enabled; }
    void SetBusy(bool busy) override { Busy = busy; }
    void HidePreviewCaption() override { PreviewCaptionHidden = true; }
    void FocusField(Field field) override { Focused.push_back(field); }
    void ShowNormalisedOptions() override { ++NormalisedShown; }
    void RememberResultLocation(const std::string& location) override { Remembered.push_back(location); }
};

} // namespace varnolt
