// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's host for a terminal or a pipe: questions answered by the command line's policy, what was
// not placed on the error stream, a progress line on a terminal, the end on the output, or all events as
// JSON lines for scripts.
#include "app/cli/CommandLine.h"
#include "engine/Host.h"
#include "engine/PreviewTree.h"
#include "platform/MessagePump.h"
#include "platform/Shell.h"
#include "platform/Translator.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <string>

namespace varnolt::cli {

class ConsoleHost : public EngineHost, public MessagePump {
  public:
    // `live` draws a throttled progress line on `err`; `texts` gives every text in the user's language.
    ConsoleHost(const Request& request, std::ostream& out, std::ostream& err, bool live,
                Translator& texts = EnglishTexts::Instance());

    bool Decide(const DecisionRequest& request) override;
    void Started(const CommandStarted& started) override { moving_ = started.Moving; }
    void Notify(const NoticeEvent& notice) override;
    void Placed(const ItemPlaced& item) override;
    void Skipped(const ItemSkipped& item) override;
    void Failed(const ItemFailed& item) override;
    void Progress(const ProgressEvent& progress) override;
    void Ended(const CommandEnded& end) override;
    void Pump() override;

    // Called at every turn of the pump; a Ctrl-C handler uses it to press Stop.
    std::function<void()> OnPump;
    // Removes the progress line, if one is shown.
    void ClearLine();
    // Tells the reader of the error stream something that is not about one item.
    void Complain(const std::string& text);
    // 0 when every item handed over was placed or left out by the user's own choice; 1 otherwise.
    int ExitCode() const { return failed_ ? kExitRefused : kExitOk; }

  private:
    using Clock = std::chrono::steady_clock;
    void Draw(Clock::time_point now);
    void NotPlaced(std::string_view path, const std::string& reason);
    const char* NotPlacedText() const;
    std::string Text(const char* english, std::initializer_list<std::string_view> arguments = {}) const;
    // The reason of a failure as the user reads it: the engine's own translated, else the system's.
    std::string Reason(const std::error_code& error) const;

    const Request& request_;
    std::ostream& out_;
    std::ostream& err_;
    bool live_;
    Translator& texts_;
    bool failed_ = false;
    bool moving_ = true;
    std::string progress_;
    std::int64_t items_ = 0;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastDraw_ = start_;
    std::uint32_t turns_ = 0;
    bool lineShown_ = false;
};

// There is no desktop to open folders in from here.
class QuietShell : public Shell {
  public:
    bool OpenFolder(const std::string&) override { return true; }
    bool OpenHelpPage() override { return true; }
    std::string HelpPage() const override { return {}; }
};

// One node a line, the root first, each level indented two spaces more than its parent.
void WritePreviewTree(const PreviewTree& tree, std::ostream& out);

} // namespace varnolt::cli
