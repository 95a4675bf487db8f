#pragma once
// The window's services for a terminal or a pipe: message boxes answered by policy, a progress line,
// a status record, a desktop that opens nothing.
#include "app/cli/CommandLine.h"
#include "engine/PreviewTree.h"
#include "engine/RunView.h"
#include "platform/MessageBoxes.h"
#include "platform/MessagePump.h"
#include "platform/Shell.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace varnolt::cli {

// Answers the engine's questions without asking anybody. A box with an OK button alone that is not the
// undo's closing notice is a refusal or a failure: its text goes to the error stream and the command
// fails. So does giving up on a result folder that cannot be created.
class ConsoleMessageBoxes : public MessageBoxes {
public:
    ConsoleMessageBoxes(AnswerPolicy policy, std::ostream& err) : policy_(policy), err_(err) {}

    Answer Show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override;
    bool Failed() const { return failed_; }

private:
    Answer AnswerQuestion(const std::string& text, const std::string& caption);
    void Fail(const std::string& text);

    AnswerPolicy policy_;
    std::ostream& err_;
    bool failed_ = false;
};

// Keeps the status texts and, on a terminal, draws a throttled progress line on the error stream.
class ConsoleProgress : public HeadlessRunView, public MessagePump {
public:
    // `items` counts what the command has handled so far, for the rate.
    ConsoleProgress(std::ostream& err, bool live, std::function<std::int64_t()> items);

    const std::string& StatusText(int panel) const { return status_[panel == 0 ? 0 : 1]; }
    // Called at every turn of the pump; a Ctrl-C handler uses it to press Stop.
    std::function<void()> OnPump;
    // Called for every item a preview places.
    std::function<void(const std::string& path, const std::string& category)> OnPreviewItem;
    // Removes the progress line, if one is shown.
    void ClearLine();

    void SetStatusText(int panel, const std::string& text) override;
    void PreviewItemAdded(const std::string& path, const std::string& category) override;

    void Pump() override;

private:
    using Clock = std::chrono::steady_clock;
    void Draw(Clock::time_point now);

    std::ostream& err_;
    bool live_;
    std::function<std::int64_t()> items_;
    std::string status_[2];
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastDraw_ = start_;
    std::uint32_t turns_ = 0;
    bool lineShown_ = false;
};

// There is no desktop to open folders in from here.
class QuietShell : public Shell {
public:
    void OpenFolder(const std::string&) override {}
    void OpenHelpPage() override {}
};

// One node a line, the root first, each level indented two spaces more than its parent.
void WritePreviewTree(const PreviewTree& tree, std::ostream& out);

} // namespace varnolt::cli
