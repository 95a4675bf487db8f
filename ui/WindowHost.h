// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's host in the window: each decision and notice becomes its message box, the events reach
// the status bar, the toolbar and the report of what was not placed.
#include "engine/Host.h"
#include "platform/MessageBoxes.h"
#include "platform/Translator.h"

#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace varnolt {

class MainWindow;
class ReportDialog;

// One item of the report: what was not placed and why, in the user's language.
struct ReportRow {
    std::string Path;
    std::string Reason;
};

class WindowHost final : public EngineHost {
  public:
    WindowHost(MainWindow& window, MessageBoxes& boxes, Translator& texts);
    ~WindowHost() override;

    bool Decide(const DecisionRequest& request) override;
    void Notify(const NoticeEvent& notice) override;
    void Started(const CommandStarted& started) override;
    void Working(const ItemActivity& activity) override;
    void Skipped(const ItemSkipped& item) override;
    void Failed(const ItemFailed& item) override;
    void Progress(const ProgressEvent& progress) override;
    void OptionsNormalised(const ClassifyOptions& options) override;
    void Ended(const CommandEnded& end) override;

    // Shows the status texts that wait for their turn.
    void ShowStatusTexts();
    // What the last command did not place, in the order met.
    const std::vector<ReportRow>& Report() const { return report_; }
    ReportDialog* ReportWindow() const { return reportDialog_; }

  private:
    // A text of the engine's in the user's language, its placeholders filled.
    std::string Text(const char* english, std::initializer_list<std::string_view> arguments = {}) const;
    bool Ask(const char* text, const char* caption, Buttons buttons, Icon icon, Answer yes,
             std::initializer_list<std::string_view> arguments = {});
    void SetStatus(int panel, std::string text);
    void AddToReport(std::string_view path, std::string reason);
    void ShowReport(const char* caption);

    MainWindow& window_;
    MessageBoxes& boxes_;
    Translator& texts_;
    std::vector<ReportRow> report_;
    ReportDialog* reportDialog_ = nullptr;
    CommandEnded lastEnd_{CommandKind::Run};
    // A command writes both panels for every item. Drawing them that often would cost more than the
    // items themselves, so the texts reach the panels at most every 50 ms, and when the command ends.
    struct StatusText {
        std::string Text;
        bool Waiting = false; // not shown yet
    };
    std::array<StatusText, 2> statusTexts_;
    QTimer statusTimer_;
    QElapsedTimer sinceStatusShown_;
    bool busyCursor_ = false;
};

} // namespace varnolt
