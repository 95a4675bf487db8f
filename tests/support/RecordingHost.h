// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host for engine tests: answers the decisions from a script and records every decision, notice and
// event, with copies of the texts the events only lend.
#include "engine/Host.h"
#include "engine/Options.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace varnolt {

struct RecordedItem {
    std::string Path;
    std::string Category;    // placed items
    std::string Destination; // placed and failed items
    std::string GoesWith;    // a placed sidecar's photo
    SkipReason Why = SkipReason::NoCategory;
    Step Where = Step::Move;
    std::error_code Error;
};

struct RecordedEnd {
    CommandEnded End;
    std::string ResultLocation; // the copy of End.ResultLocation
};

class RecordingHost : public EngineHost {
  public:
    // Next answers, first to last. When none is left: yes, but no to retrying a result folder.
    std::deque<bool> Answers;
    std::vector<Decision> Asked;
    std::vector<std::string> AskedPaths; // with each decision, the path it is about
    std::vector<std::error_code> AskedErrors;
    std::function<void(Decision)> OnDecide;
    std::vector<Notice> Notices;
    std::vector<std::error_code> NoticeErrors;
    std::vector<Field> Focused;
    std::vector<CommandStarted> Starts;
    std::vector<RecordedItem> PlacedItems, SkippedItems, FailedItems;
    std::vector<RecordedEnd> Ends;
    std::optional<ProgressEvent> LastProgress;
    std::string LastActivityPath;
    std::optional<Activity> LastActivity;
    int NormalisedShown = 0;
    ClassifyOptions LastNormalised;
    // As the window shows it: enabled by a run that saved its journal, disabled by an undo.
    bool UndoEnabled = false;

    bool Decide(const DecisionRequest& request) override {
        Asked.push_back(request.Kind);
        AskedPaths.emplace_back(request.Path);
        AskedErrors.push_back(request.Error);
        if (OnDecide) OnDecide(request.Kind);
        if (!Answers.empty()) {
            const bool answer = Answers.front();
            Answers.pop_front();
            return answer;
        }
        return request.Kind != Decision::RetryResultFolder;
    }
    void Notify(const NoticeEvent& notice) override {
        Notices.push_back(notice.Kind);
        NoticeErrors.push_back(notice.Error);
        if (notice.Focus) Focused.push_back(*notice.Focus);
    }
    void Started(const CommandStarted& started) override { Starts.push_back(started); }
    void Working(const ItemActivity& activity) override {
        LastActivityPath.assign(activity.Path);
        LastActivity = activity.What;
    }
    void Placed(const ItemPlaced& item) override {
        RecordedItem placed;
        placed.Path = item.Source;
        placed.Category = item.Category;
        placed.Destination = item.Destination;
        placed.GoesWith = item.GoesWith;
        PlacedItems.push_back(std::move(placed));
    }
    void Skipped(const ItemSkipped& item) override {
        RecordedItem skipped;
        skipped.Path = item.Path;
        skipped.Why = item.Why;
        SkippedItems.push_back(std::move(skipped));
    }
    void Failed(const ItemFailed& item) override {
        RecordedItem failed;
        failed.Path = item.Path;
        failed.Destination = item.Destination;
        failed.Where = item.Where;
        failed.Error = item.Error;
        FailedItems.push_back(std::move(failed));
    }
    void Progress(const ProgressEvent& progress) override { LastProgress = progress; }
    void OptionsNormalised(const ClassifyOptions& options) override {
        ++NormalisedShown;
        LastNormalised = options;
    }
    void Ended(const CommandEnded& end) override {
        Ends.push_back({end, std::string(end.ResultLocation)});
        Ends.back().End.ResultLocation = {};
        if (end.UndoAvailable) UndoEnabled = *end.UndoAvailable;
    }

    // The last command's end; a test that runs one command reads it.
    const CommandEnded& LastEnd() const { return Ends.back().End; }
    // For a failing test's message: the last notice and the last item that failed, with the reason.
    std::string Trouble() const {
        std::string text;
        if (!Notices.empty()) text += "notice " + std::to_string(static_cast<int>(Notices.back()));
        if (!FailedItems.empty()) {
            const RecordedItem& item = FailedItems.back();
            text += (text.empty() ? "" : "; ") + std::string("failed step ") +
                    std::to_string(static_cast<int>(item.Where)) + " of " + item.Path + ": " +
                    item.Error.message();
        }
        return text;
    }
    // Where each placed item went (or a preview says it would go), in the order reported.
    std::vector<std::string> Destinations() const {
        std::vector<std::string> paths;
        for (const auto& item : PlacedItems)
            paths.push_back(item.Destination);
        return paths;
    }
    std::vector<std::string> FailedPaths() const {
        std::vector<std::string> paths;
        for (const auto& item : FailedItems)
            paths.push_back(item.Path);
        return paths;
    }
};

} // namespace varnolt
