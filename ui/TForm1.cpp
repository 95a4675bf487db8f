// The main window's behaviour: method selection, option interlocks, the resize rule, the toolbar commands
// that drive the engine, what the engine shows in the window, and closing.
#include "ui/TForm1.h"

#include "engine/Messages.h"
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

constexpr const char* kFolderSizeRefused = QT_TRANSLATE_NOOP("varnolt::TForm1", "Do not support folder size.");
// What the status bar's panel 1 leaves to the size grip and its own minimum.
constexpr int kStatusPanel1Reserve = 226;

} // namespace

std::string TForm1::SourcePathOf(const QTreeWidgetItem* row) {
    const QVariant bytes = row->data(0, Qt::UserRole);
    if (bytes.typeId() == QMetaType::QByteArray) return bytes.toByteArray().toStdString();
    return QFile::encodeName(row->text(0)).toStdString();
}

void TForm1::ConnectInterlocks() {
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { TreeView1Change(current); });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, &TForm1::TreeView1DblClick);
    connect(CheckBox19, &QCheckBox::toggled, this, &TForm1::CheckBox19Click);
    connect(CheckBox20, &QCheckBox::toggled, this, &TForm1::CheckBox20Click);
    connect(CheckBox22, &QCheckBox::toggled, this, &TForm1::CheckBox22Click);
    connect(CheckBox23, &QCheckBox::toggled, this, &TForm1::CheckBox23Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connect(CheckBox5, &QCheckBox::toggled, this, &TForm1::CheckBox5Click);
}

void TForm1::ConnectCommands() {
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(SpeedButton12, &QToolButton::clicked, this, &TForm1::SpeedButton12Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
    connect(SpeedButton10, &QToolButton::clicked, this, &TForm1::SpeedButton10Click);
    connect(SpeedButton13, &QToolButton::clicked, this, &TForm1::SpeedButton13Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
    ConnectSourceList();
    ConnectFieldHandlers();
}

void TForm1::Timer1Timer() {
    Timer1.stop();
    QTreeWidgetItem* classify = TreeView1->topLevelItem(0);
    TreeView1->expandItem(classify);
    TreeView1->setCurrentItem(classify->child(0));
    LoadStoredSettings();
    OpenPaths(std::exchange(pathsToOpen_, {}));
}

void TForm1::SelectMethodEntry(const QTreeWidgetItem& entry) {
    options_.MethodKey = entry.data(0, MethodKeyRole).toString().toStdString();
    engine_.OptionsChanged();
    methodPanels_->setCurrentWidget(MethodPanel(options_.MethodKey));
    // The method "type" has filters of its own.
    SetTypeFilterVisible(options_.MethodKey != Method::Type);
    if (options_.MethodKey == Method::Size) {
        CheckBox1->setChecked(false);
        CheckBox5->setChecked(false);
    }
}

QWidget* TForm1::MethodPanel(const std::string& methodKey) const {
    const std::pair<const char*, QWidget*> panels[] = {{Method::Date, Panel12},
                                                       {Method::Name, Panel1},
                                                       {Method::Number, Panel13},
                                                       {Method::Type, Panel10},
                                                       {Method::Size, Panel11}};
    for (const auto& [key, panel] : panels)
        if (methodKey == key) return panel;
    return noMethodPanel_;
}

void TForm1::SetTypeFilterVisible(bool visible) {
    for (QWidget* control : {static_cast<QWidget*>(CheckBox28), static_cast<QWidget*>(ComboBox1),
                             static_cast<QWidget*>(Edit1)})
        control->setVisible(visible);
}

void TForm1::TreeView1Change(QTreeWidgetItem* current) {
    if (!current) return;
    current->setExpanded(true);
    SelectMethodEntry(*current);
}

void TForm1::TreeView1DblClick() {
    const QTreeWidgetItem* selected = TreeView1->currentItem();
    if (selected && selected->isSelected()) SelectMethodEntry(*selected);
}

void TForm1::CheckBox19Click() {
    const bool byHour = CheckBox19->isChecked();
    CheckBox20->setVisible(byHour);
    CheckBox21->setVisible(byHour && CheckBox20->isChecked());
}

// "include second" goes with a shown "include minute" only.
void TForm1::CheckBox20Click() { CheckBox21->setVisible(CheckBox20->isChecked() && CheckBox19->isChecked()); }

void TForm1::CheckBox22Click() {
    if (CheckBox22->isChecked()) CheckBox23->setChecked(false);
}

void TForm1::CheckBox23Click() {
    if (CheckBox23->isChecked()) CheckBox22->setChecked(false);
}

void TForm1::CheckBox1Click() {
    if (CheckBox1->isChecked() && MethodKey() == Method::Size) RefuseFolderSizeOption(CheckBox1);
}

void TForm1::CheckBox5Click() {
    if (CheckBox5->isChecked() && MethodKey() == Method::Size) RefuseFolderSizeOption(CheckBox5);
}

void TForm1::RefuseFolderSizeOption(QCheckBox* box) {
    boxes_.Show(tr(kFolderSizeRefused).toStdString(), TranslatedEngineText(Messages::Information),
                Buttons::Ok, Icon::Information);
    box->setChecked(false);
}

// The location bar's buttons and box keep their places by the bar's layout.
void TForm1::FormResize() {
    StatusPanels[0]->setFixedWidth(std::max(0, StatusBar1->width() - kStatusPanel1Reserve));
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
        // The status bar gets its new width after the window's own resize event.
        if (watched == StatusBar1) FormResize();
        else if (watched == Panel14 || watched == ListView1->viewport()) CentreCaptionPanel(Panel14);
        else if (watched == Panel15 || watched == TreeView2->viewport()) CentreCaptionPanel(Panel15);
        break;
    case QEvent::ToolTipChange:
        if (auto* group = qobject_cast<QCheckBox*>(watched)) SyncGroupTypes(group);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

template <typename Command> void TForm1::RunCommand(Command command) {
    // A click that arrives while a command lets events run must not start a second one inside it.
    if (engine_.IsBusy()) return;
    command();
    AfterCommand();
}

void TForm1::AfterCommand() {
    previewModel_->Flush();
    host_.ShowStatusTexts();
    if (closeAfterCommand_) {
        closeAfterCommand_ = false;
        close();
    }
}

void TForm1::SpeedButton1Click() {
    RunCommand([this] { engine_.RunOrPreview(); });
}

void TForm1::SpeedButton12Click() {
    RunCommand([this] { engine_.PreviewCommand(); });
}

void TForm1::SpeedButton11Click() { engine_.Stop(); }

void TForm1::SpeedButton10Click() {
    RunCommand([this] { engine_.UndoLastRun(); });
}

void TForm1::SpeedButton13Click() { shell_.OpenHelpPage(); }

void TForm1::SpeedButton8Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    if (engine_.IsBusy()) {
        // The command is still on the stack below this event: it ends first, then the window closes.
        if (!closeAfterCommand_ && engine_.CloseQuery()) closeAfterCommand_ = true;
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}

void TForm1::SetUndoEnabled(bool enabled) { SpeedButton10->setEnabled(enabled); }

void TForm1::FocusField(Field field) {
    QWidget* control = nullptr;
    switch (field) {
    case Field::ResultLocation:
        control = ComboBox4;
        break;
    case Field::WordList:
        control = Memo1;
        break;
    case Field::Other1Folder:
        control = Edit3;
        break;
    case Field::Other1Types:
        control = Edit4;
        break;
    case Field::Other2Folder:
        control = Edit5;
        break;
    case Field::Other2Types:
        control = Edit6;
        break;
    case Field::SubfolderName:
        control = Edit9;
        break;
    }
    if (control) control->setFocus(Qt::OtherFocusReason);
}

void TForm1::RememberResultLocation(const std::string& location) {
    const QString text = QString::fromStdString(location);
    if (ComboBox4->count() == 0) {
        ComboBox4->addItem(text);
        return;
    }
    for (int i = 0; i < ComboBox4->count(); ++i) {
        if (ComboBox4->itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            ComboBox4->removeItem(i);
            break;
        }
    }
    ComboBox4->insertItem(0, text);
    ComboBox4->setCurrentIndex(0);
}

} // namespace varnolt
