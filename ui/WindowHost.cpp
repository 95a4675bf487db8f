// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowHost.h"

#include "engine/Messages.h"
#include "engine/Text.h"
#include "ui/MainWindow.h"
#include "ui/PreviewTreeModel.h"
#include "ui/ReportDialog.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace varnolt {

WindowHost::WindowHost(MainWindow& window, MessageBoxes& boxes, Translator& texts)
    : window_(window), boxes_(boxes), texts_(texts) {
    statusTimer_.setSingleShot(true);
    statusTimer_.setInterval(PreviewTreeModel::kBatchMilliseconds);
    QObject::connect(&statusTimer_, &QTimer::timeout, &window_, [this] { ShowStatusTexts(); });
}

WindowHost::~WindowHost() {
    if (busyCursor_) QApplication::restoreOverrideCursor();
}

std::string WindowHost::Text(const char* english, std::initializer_list<std::string_view> arguments) const {
    return FillPlaceholders(texts_.Translate(english), arguments);
}

bool WindowHost::Ask(const char* text, const char* caption, Buttons buttons, Icon icon, Answer yes,
                     std::initializer_list<std::string_view> arguments) {
    return boxes_.Show(Text(text, arguments), Text(caption), buttons, icon) == yes;
}

bool WindowHost::Decide(const DecisionRequest& request) {
    using namespace Messages;
    switch (request.Kind) {
    case Decision::RunOrPreview:
        return Ask(RunOrPreview, Confirmation, Buttons::YesNo, Icon::Question, Answer::Yes);
    case Decision::ConfirmStop:
        return Ask(ConfirmStop, Confirmation, Buttons::YesNo, Icon::Question, Answer::Yes);
    case Decision::ConfirmStopAndExit:
        return Ask(ConfirmStopAndExit, Confirmation, Buttons::YesNo, Icon::Question, Answer::Yes);
    // A box's icon is its caption's: a question, a warning, an error; the end of a run asks a question.
    case Decision::RetryResultFolder:
        return Ask(CannotCreateResultFolder, Error, Buttons::AbortRetryIgnore, Icon::Error, Answer::Retry,
                   {request.Path});
    case Decision::ContinueWithoutCategory:
        return boxes_.Show(Text(CannotCreateCategory, {request.Path}), Text(Error), Buttons::YesNo,
                           Icon::Error) != Answer::No;
    case Decision::ConfirmUndo:
        return Ask(ConfirmUndo, UndoConfirmationCaption, Buttons::YesNo, Icon::Question, Answer::Yes);
    case Decision::OpenResult: {
        // The window is closing: nothing is left to open it in.
        if (window_.IsClosing()) return false;
        if (lastEnd_.How != Outcome::Stopped)
            return Ask(RunCompleted, Information, Buttons::YesNo, Icon::Question, Answer::Yes,
                       {std::to_string(request.Count)});
        const std::string stopped =
            Text(lastEnd_.Moving ? RunStoppedMoving : RunStoppedCopying, {std::to_string(request.Count)});
        return boxes_.Show(stopped + "\n" + Text(OpenResultQuestion), Text(Information), Buttons::YesNo,
                           Icon::Question) == Answer::Yes;
    }
    }
    return false;
}

void WindowHost::Notify(const NoticeEvent& notice) {
    using namespace Messages;
    const char* caption = Information;
    Icon icon = Icon::Information;
    switch (notice.Kind) {
    case Notice::NoWordInList:
    case Notice::NoOtherFolderName:
    case Notice::BadOtherFolderName:
    case Notice::NoOtherTypes:
    case Notice::NoTypeGroup:
    case Notice::NoSubfolderName:
    case Notice::BadSubfolderName:
    case Notice::FolderNotOpened:
        caption = Warning;
        icon = Icon::Warning;
        break;
    case Notice::LockUnavailable:
    case Notice::JournalUnwritable:
    case Notice::JournalIncomplete:
    case Notice::JournalUnreadable:
        caption = Error;
        icon = Icon::Error;
        break;
    default:
        break;
    }
    boxes_.Show(Text(NoticeText(notice.Kind), {notice.Path, notice.Error.message()}), Text(caption),
                Buttons::Ok, icon);
    if (notice.Focus) window_.FocusField(*notice.Focus);
}

void WindowHost::Started(const CommandStarted& started) {
    report_.clear();
    if (started.Kind == CommandKind::Undo) {
        if (!busyCursor_) QApplication::setOverrideCursor(Qt::WaitCursor);
        busyCursor_ = true;
        return;
    }
    if (started.Kind == CommandKind::Preview) window_.previewHint->hide();
    window_.stopButton->setEnabled(true);
}

void WindowHost::Working(const ItemActivity& activity) {
    const char* text = activity.What == Activity::Classifying ? Messages::ItemInProgress
                       : activity.What == Activity::Moving    ? Messages::MovingItem
                                                              : Messages::CopyingItem;
    SetStatus(0, Text(text, {activity.Path}));
}

void WindowHost::AddToReport(std::string_view path, std::string reason) {
    report_.push_back({std::string(path), std::move(reason)});
}

void WindowHost::Skipped(const ItemSkipped& item) {
    // What the user's own exclusions and filter leave out is what they asked for.
    if (item.Why == SkipReason::NoCategory) AddToReport(item.Path, Text(Messages::NoCategoryReason));
}

void WindowHost::Failed(const ItemFailed& item) {
    const char* reason = Messages::ReasonText(item.Error);
    AddToReport(item.Path,
                Text(Messages::StepFailureText(item.Where), {reason ? Text(reason) : item.Error.message()}));
}

void WindowHost::Progress(const ProgressEvent& progress) {
    const std::string done = std::to_string(progress.Done);
    switch (progress.Kind) {
    case CommandKind::Run:
        SetStatus(1, Text(Messages::RunProgress, {done, std::to_string(progress.Categories)}));
        break;
    case CommandKind::Preview:
        SetStatus(1, Text(Messages::PreviewProgress, {done, std::to_string(progress.Categories)}));
        break;
    case CommandKind::Undo:
        SetStatus(1, Text(Messages::UndoProgress, {done, std::to_string(progress.Total)}));
        break;
    }
}

void WindowHost::OptionsNormalised(const ClassifyOptions& options) {
    window_.ShowNormalisedOptions(options);
}

void WindowHost::Ended(const CommandEnded& end) {
    lastEnd_ = end;
    window_.stopButton->setEnabled(false);
    if (end.UndoAvailable) window_.undoButton->setEnabled(*end.UndoAvailable);
    if (end.How == Outcome::Refused || (end.How == Outcome::Failed && end.Kind == CommandKind::Undo)) {
        if (busyCursor_) QApplication::restoreOverrideCursor();
        busyCursor_ = false;
        return;
    }
    const std::string placed = std::to_string(end.Placed);
    const std::string notPlaced = std::to_string(end.NotPlaced + end.Failed);
    switch (end.Kind) {
    case CommandKind::Run:
        window_.RememberResultLocation(std::string(end.ResultLocation));
        if (end.How == Outcome::Stopped)
            SetStatus(0,
                      Text(end.Moving ? Messages::RunStoppedMoving : Messages::RunStoppedCopying, {placed}));
        else
            SetStatus(0, Text(Messages::RunDone,
                              {std::to_string(window_.ClassifyEngine().State().TransferredCount)}));
        if (!report_.empty()) {
            SetStatus(1, Text(Messages::PlacedAndNot, {placed, notPlaced}));
            ShowStatusTexts();
            ShowReport(Messages::ReportCaption);
        }
        break;
    case CommandKind::Preview:
        SetStatus(0, end.How == Outcome::Stopped ? Text(Messages::PreviewStopped, {placed})
                                                 : Text(Messages::PreviewDone));
        if (!report_.empty()) {
            SetStatus(1, Text(Messages::PlacedAndNot, {placed, notPlaced}));
            ShowStatusTexts();
            ShowReport(Messages::ReportCaption);
        }
        break;
    case CommandKind::Undo:
        if (busyCursor_) QApplication::restoreOverrideCursor();
        busyCursor_ = false;
        // What the tree showed was predicted from the files as they were before the undo.
        window_.ClearResultTree();
        SetStatus(0, Text(Messages::UndoDone));
        if (end.Failed == 0) {
            SetStatus(1, Text(Messages::UndoPutBack, {placed}));
            ShowStatusTexts();
            boxes_.Show(Text(Messages::UndoDone), Text(Messages::Information), Buttons::Ok,
                        Icon::Information);
        } else {
            SetStatus(1, Text(Messages::UndoIncomplete,
                              {placed, std::to_string(end.Total), std::to_string(end.Failed)}));
            ShowStatusTexts();
            ShowReport(Messages::UndoReportCaption);
        }
        break;
    }
}

void WindowHost::ShowReport(const char* caption) {
    if (!reportDialog_) reportDialog_ = new ReportDialog(&window_);
    reportDialog_->ShowRows(QString::fromStdString(Text(caption)), window_.statusPanels[1]->text(), report_);
}

void WindowHost::SetStatus(int panel, std::string text) {
    // Kept as it comes: the text shown is made only for what reaches the panel.
    StatusText& waiting = statusTexts_.at(static_cast<std::size_t>(panel));
    waiting.Text = std::move(text);
    waiting.Waiting = true;
    if (statusTimer_.isActive()) return;
    if (sinceStatusShown_.isValid() && sinceStatusShown_.elapsed() < PreviewTreeModel::kBatchMilliseconds)
        statusTimer_.start();
    else
        ShowStatusTexts();
}

void WindowHost::ShowStatusTexts() {
    statusTimer_.stop();
    sinceStatusShown_.start();
    for (std::size_t panel = 0; panel < window_.statusPanels.size(); ++panel) {
        StatusText& waiting = statusTexts_[panel];
        if (waiting.Waiting) window_.statusPanels[panel]->setText(QString::fromStdString(waiting.Text));
        waiting.Waiting = false;
    }
}

} // namespace varnolt
