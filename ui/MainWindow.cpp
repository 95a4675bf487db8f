// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's behaviour: method selection, option interlocks, the resize rule, the toolbar commands
// that drive the engine, what the engine shows in the window, and closing.
#include "ui/MainWindow.h"

#include "engine/Messages.h"
#include "platform/qt/QtTranslator.h"
#include "ui/FileIcons.h"
#include "ui/PreviewTreeModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>
#include <utility>

namespace varnolt {

namespace {

constexpr const char* kFolderSizeRefused =
    QT_TRANSLATE_NOOP("varnolt::MainWindow", "Do not support folder size.");
constexpr const char* kHelpPageNotOpened = QT_TRANSLATE_NOOP(
    "varnolt::MainWindow",
    "The desktop could not open the user guide %1. You can open it yourself in a web browser.");
// What the status bar's panel 1 leaves to the size grip and its own minimum.
constexpr int kStatusPanel1Reserve = 226;

} // namespace

std::string MainWindow::SourcePathOf(const QTreeWidgetItem* row) {
    const QVariant bytes = row->data(0, Qt::UserRole);
    if (bytes.typeId() == QMetaType::QByteArray) return bytes.toByteArray().toStdString();
    return QFile::encodeName(row->text(0)).toStdString();
}

void MainWindow::ConnectInterlocks() {
    connect(methodTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { onMethodEntryChanged(current); });
    connect(methodTree, &QTreeWidget::itemDoubleClicked, this, &MainWindow::onMethodEntryDoubleClicked);
    connect(byHour, &QCheckBox::toggled, this, &MainWindow::onByHourToggled);
    connect(includeMinute, &QCheckBox::toggled, this, &MainWindow::onIncludeMinuteToggled);
    connect(numberMonth, &QCheckBox::toggled, this, &MainWindow::onNumberMonthToggled);
    connect(abbrMonth, &QCheckBox::toggled, this, &MainWindow::onAbbrMonthToggled);
    connect(onlyClassifySubfolder, &QCheckBox::toggled, this, &MainWindow::onOnlyClassifySubfolderToggled);
    connect(includeFolderName, &QCheckBox::toggled, this, &MainWindow::onIncludeFolderNameToggled);
}

void MainWindow::ConnectCommands() {
    connect(runButton, &QToolButton::clicked, this, &MainWindow::onRunClicked);
    connect(previewButton, &QToolButton::clicked, this, &MainWindow::onPreviewClicked);
    connect(stopButton, &QToolButton::clicked, this, &MainWindow::onStopClicked);
    connect(undoButton, &QToolButton::clicked, this, &MainWindow::onUndoClicked);
    connect(helpButton, &QToolButton::clicked, this, &MainWindow::onHelpClicked);
    connect(closeButton, &QToolButton::clicked, this, &MainWindow::onCloseClicked);
    ConnectSourceList();
    ConnectFieldHandlers();
}

void MainWindow::onStartupTimer() {
    startupTimer.stop();
    QTreeWidgetItem* classify = methodTree->topLevelItem(0);
    methodTree->expandItem(classify);
    methodTree->setCurrentItem(classify->child(0));
    LoadStoredSettings();
    OpenPaths(std::exchange(pathsToOpen_, {}));
}

void MainWindow::SelectMethodEntry(const QTreeWidgetItem& entry) {
    options_.MethodKey = entry.data(0, MethodKeyRole).toString().toStdString();
    engine_.OptionsChanged();
    methodPanels_->setCurrentWidget(MethodPanel(options_.MethodKey));
    // The method "type" has filters of its own.
    SetTypeFilterVisible(options_.MethodKey != Method::Type);
    if (options_.MethodKey == Method::Size) {
        onlyClassifySubfolder->setChecked(false);
        includeFolderName->setChecked(false);
    }
}

QWidget* MainWindow::MethodPanel(const std::string& methodKey) const {
    const std::pair<const char*, QWidget*> panels[] = {{Method::Date, datePanel},
                                                       {Method::Name, namePanel},
                                                       {Method::Number, numberPanel},
                                                       {Method::Type, typePanel},
                                                       {Method::Size, sizePanel}};
    for (const auto& [key, panel] : panels)
        if (methodKey == key) return panel;
    return noMethodPanel_;
}

void MainWindow::SetTypeFilterVisible(bool visible) {
    for (QWidget* control : {static_cast<QWidget*>(useTypeFilter), static_cast<QWidget*>(typeFilterGroup),
                             static_cast<QWidget*>(typeFilterText)})
        control->setVisible(visible);
}

void MainWindow::onMethodEntryChanged(QTreeWidgetItem* current) {
    if (!current) return;
    current->setExpanded(true);
    SelectMethodEntry(*current);
}

void MainWindow::onMethodEntryDoubleClicked() {
    const QTreeWidgetItem* selected = methodTree->currentItem();
    if (selected && selected->isSelected()) SelectMethodEntry(*selected);
}

void MainWindow::onByHourToggled() {
    const bool hourShown = byHour->isChecked();
    includeMinute->setVisible(hourShown);
    includeSecond->setVisible(hourShown && includeMinute->isChecked());
}

// "include second" goes with a shown "include minute" only.
void MainWindow::onIncludeMinuteToggled() {
    includeSecond->setVisible(includeMinute->isChecked() && byHour->isChecked());
}

void MainWindow::onNumberMonthToggled() {
    if (numberMonth->isChecked()) abbrMonth->setChecked(false);
}

void MainWindow::onAbbrMonthToggled() {
    if (abbrMonth->isChecked()) numberMonth->setChecked(false);
}

void MainWindow::onOnlyClassifySubfolderToggled() {
    if (onlyClassifySubfolder->isChecked() && MethodKey() == Method::Size)
        RefuseFolderSizeOption(onlyClassifySubfolder);
}

void MainWindow::onIncludeFolderNameToggled() {
    if (includeFolderName->isChecked() && MethodKey() == Method::Size)
        RefuseFolderSizeOption(includeFolderName);
}

void MainWindow::RefuseFolderSizeOption(QCheckBox* box) {
    boxes_.Show(tr(kFolderSizeRefused).toStdString(), TranslatedEngineText(Messages::Information),
                Buttons::Ok, Icon::Information);
    box->setChecked(false);
}

// The location bar's buttons and box keep their places by the bar's layout.
void MainWindow::FitStatusPanels() {
    statusPanels[0]->setFixedWidth(std::max(0, statusLine->width() - kStatusPanel1Reserve));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FitStatusPanels();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
        // The status bar gets its new width after the window's own resize event.
        if (watched == statusLine)
            FitStatusPanels();
        else if (watched == sourceListHint || watched == sourceList->viewport())
            CentreCaptionPanel(sourceListHint);
        else if (watched == previewHint || watched == previewTree->viewport())
            CentreCaptionPanel(previewHint);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

template <typename Command> void MainWindow::RunCommand(Command command) {
    // A click that arrives while a command lets events run must not start a second one inside it.
    if (engine_.IsBusy()) return;
    command();
    AfterCommand();
}

void MainWindow::AfterCommand() {
    previewModel_->Flush();
    host_.ShowStatusTexts();
    if (closeAfterCommand_) {
        closeAfterCommand_ = false;
        close();
    }
}

void MainWindow::onRunClicked() {
    RunCommand([this] { engine_.RunOrPreview(); });
}

void MainWindow::onPreviewClicked() {
    RunCommand([this] { engine_.PreviewCommand(); });
}

void MainWindow::onStopClicked() {
    engine_.Stop();
}

void MainWindow::onUndoClicked() {
    RunCommand([this] { engine_.UndoLastRun(); });
}

void MainWindow::onHelpClicked() {
    if (shell_.OpenHelpPage()) return;
    const QString page = QFile::decodeName(QByteArray::fromStdString(shell_.HelpPage()));
    boxes_.Show(tr(kHelpPageNotOpened).arg(page).toStdString(), TranslatedEngineText(Messages::Warning),
                Buttons::Ok, Icon::Warning);
}

void MainWindow::onCloseClicked() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (engine_.IsBusy()) {
        // The command is still on the stack below this event: it ends first, then the window closes.
        if (!closeAfterCommand_ && engine_.CloseQuery()) closeAfterCommand_ = true;
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}

void MainWindow::SetUndoEnabled(bool enabled) {
    undoButton->setEnabled(enabled);
}

void MainWindow::ClearResultTree() {
    engine_.Preview().Clear();
    previewHint->show();
}

void MainWindow::FocusField(Field field) {
    QWidget* control = nullptr;
    switch (field) {
    case Field::ResultLocation:
        control = resultLocation;
        break;
    case Field::WordList:
        control = wordList;
        break;
    case Field::Other1Folder:
        control = otherGroup1Folder;
        break;
    case Field::Other1Types:
        control = otherGroup1Types;
        break;
    case Field::Other2Folder:
        control = otherGroup2Folder;
        break;
    case Field::Other2Types:
        control = otherGroup2Types;
        break;
    case Field::SubfolderName:
        control = subfolderName;
        break;
    }
    if (control) control->setFocus(Qt::OtherFocusReason);
}

void MainWindow::RememberResultLocation(const std::string& location) {
    const QString text = QString::fromStdString(location);
    if (resultLocation->count() == 0) {
        resultLocation->addItem(text);
        return;
    }
    for (int i = 0; i < resultLocation->count(); ++i) {
        if (resultLocation->itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            resultLocation->removeItem(i);
            break;
        }
    }
    resultLocation->insertItem(0, text);
    resultLocation->setCurrentIndex(0);
}

} // namespace varnolt
