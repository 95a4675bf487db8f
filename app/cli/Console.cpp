// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/Console.h"

#include "app/cli/ConsoleTexts.h"
#include "app/cli/JsonPlan.h"
#include "engine/Messages.h"
#include "engine/Text.h"

#include <ostream>
#include <utility>
#include <vector>

namespace varnolt::cli {

namespace {

constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
constexpr std::uint32_t kTurnsBetweenClockReads = 64;
constexpr const char* kPrefix = "varnolt-cli: ";

} // namespace

std::string ConsoleHost::Reason(const std::error_code& error) const {
    const char* text = Messages::ReasonText(error);
    return text ? Text(text) : error.message();
}

ConsoleHost::ConsoleHost(const Request& request, std::ostream& out, std::ostream& err, bool live,
                         Translator& texts)
    : request_(request), out_(out), err_(err), live_(live), texts_(texts) {}

std::string ConsoleHost::Text(const char* english, std::initializer_list<std::string_view> arguments) const {
    return FillPlaceholders(texts_.Translate(english), arguments);
}

void ConsoleHost::Complain(const std::string& text) {
    ClearLine();
    err_ << kPrefix << text << '\n';
    failed_ = true;
}

bool ConsoleHost::Decide(const DecisionRequest& request) {
    const std::string path(request.Path);
    switch (request.Kind) {
    case Decision::RunOrPreview: // --run asks no question; --preview never gets here
    case Decision::ConfirmStop:
    case Decision::ConfirmStopAndExit:
        return true;
    case Decision::OpenResult: // no file manager to open
        return false;
    case Decision::RetryResultFolder: // retrying would not help
        Complain(Text(Messages::CannotCreateResultFolder, {path}) + ": " + Reason(request.Error));
        return false;
    case Decision::ContinueWithoutCategory: {
        const bool goOn = request_.Answers == AnswerPolicy::Yes;
        Complain(Text(Messages::CannotCreateCategory, {path}) + " (" + Reason(request.Error) + ") " +
                 Text(goOn ? Texts::Yes : Texts::No));
        return goOn;
    }
    case Decision::ConfirmUndo:
        return request_.Answers != AnswerPolicy::No;
    }
    return false;
}

void ConsoleHost::Notify(const NoticeEvent& notice) {
    Complain(Text(Messages::NoticeText(notice.Kind), {notice.Path, Reason(notice.Error)}));
}

void ConsoleHost::Placed(const ItemPlaced& item) {
    if (item.GoesWith.empty()) ++items_;
    if (request_.Json) out_ << PlacedLine(item);
}

const char* ConsoleHost::NotPlacedText() const {
    if (request_.Action == Command::Undo) return Texts::NotPutBack;
    if (request_.Action == Command::Preview) return Texts::NotPlaced;
    return moving_ ? Texts::NotMoved : Texts::NotCopied;
}

void ConsoleHost::NotPlaced(std::string_view path, const std::string& reason) {
    ClearLine();
    err_ << kPrefix << Text(NotPlacedText(), {path, reason}) << '\n';
    failed_ = true;
}

void ConsoleHost::Skipped(const ItemSkipped& item) {
    if (request_.Json) out_ << SkippedLine(item);
    // Left out by the user's own choice is no failure.
    if (item.Why == SkipReason::NoCategory) NotPlaced(item.Path, Text(Messages::NoCategoryReason));
}

void ConsoleHost::Failed(const ItemFailed& item) {
    if (request_.Json) out_ << FailedLine(item);
    NotPlaced(item.Path, Text(Messages::StepFailureText(item.Where), {Reason(item.Error)}));
}

void ConsoleHost::Progress(const ProgressEvent& progress) {
    items_ = progress.Done;
    if (!live_) return;
    switch (progress.Kind) {
    case CommandKind::Run:
        progress_ =
            Text(Messages::RunProgress, {std::to_string(progress.Done), std::to_string(progress.Categories)});
        break;
    case CommandKind::Preview:
        progress_ = Text(Messages::PreviewProgress,
                         {std::to_string(progress.Done), std::to_string(progress.Categories)});
        break;
    case CommandKind::Undo:
        progress_ =
            Text(Messages::UndoProgress, {std::to_string(progress.Done), std::to_string(progress.Total)});
        break;
    }
}

void ConsoleHost::Ended(const CommandEnded& end) {
    ClearLine();
    moving_ = end.Moving;
    if (!end.EverythingWent()) failed_ = true;
    if (request_.Json) {
        out_ << EndLine(end);
        return;
    }
    if (end.How == Outcome::Refused || end.How == Outcome::Failed) return;
    const std::string placed = std::to_string(end.Placed);
    switch (end.Kind) {
    case CommandKind::Run:
        if (end.How == Outcome::Stopped)
            out_ << Text(end.Moving ? Messages::RunStoppedMoving : Messages::RunStoppedCopying, {placed});
        else
            out_ << Text(Messages::RunDone, {placed});
        out_ << '\n';
        break;
    case CommandKind::Undo:
        if (end.Failed == 0)
            out_ << Text(Messages::UndoDone) << '\n';
        else
            out_ << Text(Messages::UndoIncomplete,
                         {placed, std::to_string(end.Total), std::to_string(end.Failed)})
                 << '\n';
        break;
    case CommandKind::Preview:
        if (end.How == Outcome::Stopped) err_ << Text(Messages::PreviewStopped, {placed}) << '\n';
        break;
    }
}

void ConsoleHost::Pump() {
    if (OnPump) OnPump();
    if (!live_ || ++turns_ % kTurnsBetweenClockReads != 0) return;
    const auto now = Clock::now();
    if (now - lastDraw_ >= kRedrawEvery) Draw(now);
}

void ConsoleHost::Draw(Clock::time_point now) {
    lastDraw_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    err_ << "\r\033[K" << progress_;
    if (items_ > 0 && seconds > 0)
        err_ << ", "
             << Text(Texts::ItemsPerSecond, {std::to_string(static_cast<std::int64_t>(items_ / seconds))});
    err_.flush();
    lineShown_ = true;
}

void ConsoleHost::ClearLine() {
    if (!lineShown_) return;
    err_ << "\r\033[K";
    err_.flush();
    lineShown_ = false;
}

void WritePreviewTree(const PreviewTree& tree, std::ostream& out) {
    if (tree.NodeCount() == 0) return;
    std::string buffer;
    auto flush = [&] {
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        buffer.clear();
    };
    // Depth first in child order; each entry is a node and the index of its next child to visit.
    std::vector<std::pair<NodeId, std::size_t>> path;
    path.emplace_back(PreviewTree::Root, 0);
    const std::string& root = tree.Text(PreviewTree::Root);
    buffer.append(root.empty() ? Messages::NoResultLocationRoot : root).push_back('\n');
    while (!path.empty()) {
        auto& [node, next] = path.back();
        if (next == tree.ChildCount(node)) {
            path.pop_back();
            continue;
        }
        const NodeId child = tree.Child(node, next++);
        buffer.append(2 * path.size(), ' ').append(tree.Text(child)).push_back('\n');
        path.emplace_back(child, 0);
        if (buffer.size() >= (1u << 16)) flush();
    }
    flush();
}

} // namespace varnolt::cli
