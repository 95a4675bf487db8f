#include "app/cli/Console.h"

#include "engine/Messages.h"
#include "engine/Text.h"

#include <ostream>
#include <utility>
#include <vector>

namespace varnolt::cli {

namespace {

bool IsCategoryFailure(const std::string& caption) { return caption == Messages::Error; }

// The question after a run, known by its text after the count.
bool IsRunCompleted(const std::string& text) {
    return text.ends_with(FillPlaceholders(Messages::RunCompleted, {""}));
}

constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
constexpr std::uint32_t kTurnsBetweenClockReads = 64;

} // namespace

Answer ConsoleMessageBoxes::Show(const std::string& text, const std::string& caption, Buttons buttons, Icon) {
    switch (buttons) {
    case Buttons::YesNo:
        return AnswerQuestion(text, caption);
    case Buttons::AbortRetryIgnore: // the result folder cannot be created; retrying would not help
        Fail(text);
        return Answer::Abort;
    case Buttons::Ok:
        if (text != Messages::UndoDone) Fail(text);
        break;
    }
    return Answer::Ok;
}

Answer ConsoleMessageBoxes::AnswerQuestion(const std::string& text, const std::string& caption) {
    if (text == Messages::RunOrPreview) return Answer::Yes; // --preview never gets here
    if (IsRunCompleted(text)) return Answer::No;            // no file manager to open
    if (text == Messages::ConfirmStop || text == Messages::ConfirmStopAndExit) return Answer::Yes;
    if (IsCategoryFailure(caption)) {
        const bool goOn = policy_ == AnswerPolicy::Yes;
        err_ << text << (goOn ? " Yes" : " No") << '\n';
        failed_ = true;
        return goOn ? Answer::Yes : Answer::No;
    }
    return policy_ == AnswerPolicy::No ? Answer::No : Answer::Yes;
}

void ConsoleMessageBoxes::Fail(const std::string& text) {
    err_ << text << '\n';
    failed_ = true;
}

ConsoleProgress::ConsoleProgress(std::ostream& err, bool live, std::function<std::int64_t()> items)
    : err_(err), live_(live), items_(std::move(items)) {}

void ConsoleProgress::SetStatusText(int panel, const std::string& text) { status_[panel == 0 ? 0 : 1] = text; }

void ConsoleProgress::PreviewItemAdded(const std::string& path, const std::string& category) {
    if (OnPreviewItem) OnPreviewItem(path, category);
}

void ConsoleProgress::Pump() {
    if (OnPump) OnPump();
    if (!live_ || ++turns_ % kTurnsBetweenClockReads != 0) return;
    const auto now = Clock::now();
    if (now - lastDraw_ >= kRedrawEvery) Draw(now);
}

void ConsoleProgress::Draw(Clock::time_point now) {
    lastDraw_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const std::int64_t items = items_ ? items_() : 0;
    err_ << "\r\033[K" << status_[1];
    if (items > 0 && seconds > 0) err_ << ", " << static_cast<std::int64_t>(items / seconds) << " items/s";
    err_.flush();
    lineShown_ = true;
}

void ConsoleProgress::ClearLine() {
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
    buffer.append(tree.Text(PreviewTree::Root)).push_back('\n');
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
