// The option column: the five method panels above the general options, and the binding of every option
// control to its field of ClassifyOptions.
#include "ui/DesignSize.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace varnolt {

namespace {

constexpr int kOptionColumnWidth = 172;
constexpr int kGeneralOptionsHeight = 291;
constexpr int kSubOptionIndent = 16;

// A panel whose controls stand in rows from top to bottom.
QWidget* WithRows(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->setSpacing(2);
    return panel;
}

QWidget* NewPanel(QWidget* parent) { return WithRows(new QWidget(parent)); }

QVBoxLayout* RowsOf(QWidget* panel) { return static_cast<QVBoxLayout*>(panel->layout()); }

QCheckBox* NewCheckBox(QWidget* panel, const QString& caption, bool checked, const QString& hint = {}) {
    auto* box = new QCheckBox(caption, panel);
    box->setChecked(checked);
    box->setToolTip(hint);
    return box;
}

// A label; with a control, the label names it to a screen reader.
QLabel* NewLabel(QWidget* panel, const QString& text, QWidget* names = nullptr, bool wrap = false) {
    auto* label = new QLabel(text, panel);
    label->setWordWrap(wrap);
    label->setBuddy(names);
    return label;
}

QPushButton* NewButton(QWidget* panel, const QString& caption) { return new QPushButton(caption, panel); }

QLineEdit* NewEdit(QWidget* panel) { return new QLineEdit(panel); }

// A number box with its up-down arrows, showing thousands separators ("1,000") in every locale.
QSpinBox* NewNumberBox(QWidget* panel, int minimum, int maximum, int value) {
    auto* box = new QSpinBox(panel);
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    box->setLocale(locale);
    box->setGroupSeparatorShown(true);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

QComboBox* NewDropDownList(QWidget* panel, const QStringList& items, int selected) {
    auto* box = new QComboBox(panel);
    box->addItems(items);
    box->setCurrentIndex(selected);
    return box;
}

QHBoxLayout* AddRow(QWidget* panel, std::initializer_list<QWidget*> widgets, int indent = 0) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    if (indent > 0) row->addSpacing(indent);
    for (QWidget* widget : widgets) row->addWidget(widget);
    RowsOf(panel)->addLayout(row);
    return row;
}

// The field follows its control from now on, and starts at the control's value.
void Bind(QCheckBox* box, ClassifyOptions& options, bool ClassifyOptions::*field) {
    options.*field = box->isChecked();
    QObject::connect(box, &QCheckBox::toggled, box, [&options, field](bool on) { options.*field = on; });
}

void Bind(QRadioButton* button, ClassifyOptions& options, bool ClassifyOptions::*field) {
    options.*field = button->isChecked();
    QObject::connect(button, &QRadioButton::toggled, button, [&options, field](bool on) { options.*field = on; });
}

void Bind(QSpinBox* box, ClassifyOptions& options, std::int32_t ClassifyOptions::*field) {
    options.*field = box->value();
    QObject::connect(box, &QSpinBox::valueChanged, box, [&options, field](int value) { options.*field = value; });
}

void Bind(QComboBox* box, ClassifyOptions& options, int ClassifyOptions::*field) {
    options.*field = box->currentIndex();
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [&options, field](int index) { options.*field = index; });
}

void Bind(QLineEdit* edit, ClassifyOptions& options, std::string ClassifyOptions::*field) {
    options.*field = edit->text().toStdString();
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [&options, field](const QString& text) { options.*field = text.toStdString(); });
}

std::vector<std::string> LinesOf(const QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(u'\n')) lines.push_back(line.toStdString());
    // A break after the last line adds no line.
    if (text.endsWith(u'\n')) lines.pop_back();
    return lines;
}

} // namespace

QWidget* MainWindow::BuildOptionColumn() {
    optionColumn = new VerticalScrollColumn(this);
    // As wide as its widest panel needs, whichever is shown: the column does not jump between methods.
    optionColumn->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* content = new DesignSizedPanel({kOptionColumnWidth, 0}, optionColumn);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    methodPanels_ = new QStackedWidget(optionColumn);
    BuildDatePanel();
    BuildNamePanel();
    BuildTypePanel();
    BuildSizePanel();
    BuildNumberPanel();
    noMethodPanel_ = new QWidget(methodPanels_);
    for (QWidget* panel : {datePanel, namePanel, typePanel, sizePanel, numberPanel, noMethodPanel_}) methodPanels_->addWidget(panel);
    methodPanels_->setCurrentWidget(datePanel);
    // The method panel takes the height the general options leave, also when no method is shown.
    layout->addWidget(methodPanels_, 1);
    BuildGeneralOptions();
    layout->addWidget(generalOptions);
    optionColumn->setWidget(content);
    return optionColumn;
}

void MainWindow::BuildDatePanel() {
    datePanel = NewPanel(optionColumn);
    byYear = NewCheckBox(datePanel, tr("by year"), true, tr("by file date"));
    byMonth = NewCheckBox(datePanel, tr("by month"), true, tr("from Jan. to Dec."));
    byWeek = NewCheckBox(datePanel, tr("by week"), false, tr("from Mon. to Sun."));
    byDay = NewCheckBox(datePanel, tr("by day"), true, tr("from 1st to 31st"));
    byHour = NewCheckBox(datePanel, tr("by hour"), false, tr("from 1st to 24th"));
    for (QWidget* box : {byYear, byMonth, byWeek, byDay, byHour}) RowsOf(datePanel)->addWidget(box);
    includeMinute = NewCheckBox(datePanel, tr("include minute"), false);
    includeSecond = NewCheckBox(datePanel, tr("include second"), false);
    AddRow(datePanel, {includeMinute}, kSubOptionIndent);
    AddRow(datePanel, {includeSecond}, kSubOptionIndent);
    includeMinute->hide();
    includeSecond->hide();
    timeKind = NewDropDownList(datePanel, {tr("Creation Time"), tr("Last Access Time"), tr("Last Write Time"), tr("Date Taken")},
                                LastWriteTime);
    RowsOf(datePanel)->addWidget(NewLabel(datePanel, tr("Select a file time type: "), timeKind));
    RowsOf(datePanel)->addWidget(timeKind);
    groupedSubfolders = NewCheckBox(datePanel, tr("Grouped subfolders"), false);
    numberMonth = NewCheckBox(datePanel, tr("Use number Month"), true, tr("Use number of month and weekday"));
    abbrMonth = NewCheckBox(datePanel, tr("Use Abbr. Month"), false, tr("Abbr. name of month and weekday"));
    for (QWidget* box : {groupedSubfolders, numberMonth, abbrMonth}) RowsOf(datePanel)->addWidget(box);
    RowsOf(datePanel)->addStretch(1);
}

void MainWindow::BuildNamePanel() {
    namePanel = NewPanel(optionColumn);
    byHeadLetters = new QRadioButton(tr("by head letters of name"), namePanel);
    byHeadLetters->setChecked(true);
    RowsOf(namePanel)->addWidget(byHeadLetters);
    headLetterCount = NewNumberBox(namePanel, kHeadLetterCountMin, kHeadLetterCountMax, 1);
    AddRow(namePanel, {NewLabel(namePanel, tr("Number of letters: "), headLetterCount), headLetterCount}, kSubOptionIndent);
    byWordList = new QRadioButton(tr("by word of the below list "), namePanel);
    RowsOf(namePanel)->addWidget(byWordList);
    wordList = new QPlainTextEdit(namePanel);
    RowsOf(namePanel)->addWidget(NewLabel(namePanel, tr("[one line as one subfolder] "), wordList));
    wordList->setLineWrapMode(QPlainTextEdit::NoWrap);
    wordList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    wordList->setEnabled(false);
    RowsOf(namePanel)->addWidget(wordList, 1);
    saveWordListButton = NewButton(namePanel, tr("Save as"));
    loadWordListButton = NewButton(namePanel, tr("Load"));
    saveWordListButton->setEnabled(false);
    loadWordListButton->setEnabled(false);
    AddRow(namePanel, {saveWordListButton, loadWordListButton});
}

void MainWindow::BuildTypePanel() {
    typePanel = NewPanel(optionColumn);
    // The tooltip is the group's extension list, never translated.
    const auto addGroup = [this](QCheckBox*& box, QPushButton*& change, const QString& caption, const char* types) {
        box = NewCheckBox(typePanel, caption, false, QLatin1String(types));
        change = NewButton(typePanel, tr("Change"));
        change->setAccessibleName(tr("Change %1").arg(caption));
        AddRow(typePanel, {box})->addWidget(change, 0, Qt::AlignRight);
    };
    addGroup(groupBoxes[IndexOf(TypeGroup::Music)], groupChangeButtons[IndexOf(TypeGroup::Music)], tr("Music files"), kDefaultMusicTypes);
    addGroup(groupBoxes[IndexOf(TypeGroup::Image)], groupChangeButtons[IndexOf(TypeGroup::Image)], tr("Image files"), kDefaultImageTypes);
    addGroup(groupBoxes[IndexOf(TypeGroup::Video)], groupChangeButtons[IndexOf(TypeGroup::Video)], tr("Vedio files"), kDefaultVideoTypes);
    addGroup(groupBoxes[IndexOf(TypeGroup::Program)], groupChangeButtons[IndexOf(TypeGroup::Program)], tr("Program files"), kDefaultProgramTypes);
    addGroup(groupBoxes[IndexOf(TypeGroup::Document)], groupChangeButtons[IndexOf(TypeGroup::Document)], tr("Document file"), kDefaultDocumentTypes);

    const auto addOther = [this](QCheckBox*& box, QLineEdit*& folder, QLineEdit*& types, const QString& group) {
        box = NewCheckBox(typePanel, tr("Other:"), false);
        folder = NewEdit(typePanel);
        folder->setAccessibleName(tr("%1: folder name").arg(group));
        types = NewEdit(typePanel);
        types->setAccessibleName(tr("%1: types").arg(group));
        AddRow(typePanel, {box, folder});
        AddRow(typePanel, {NewLabel(typePanel, tr("Type:")), types}, kSubOptionIndent);
    };
    addOther(otherGroup1, otherGroup1Folder, otherGroup1Types, tr("First other group"));
    addOther(otherGroup2, otherGroup2Folder, otherGroup2Types, tr("Second other group"));
    everyTypeFolder = NewCheckBox(typePanel, tr("Classify to every type "), false,
                             tr("Use extension part as its folder name"));
    RowsOf(typePanel)->addWidget(everyTypeFolder);
    RowsOf(typePanel)->addStretch(1);
}

void MainWindow::BuildSizePanel() {
    sizePanel = NewPanel(optionColumn);
    sizeStep = NewNumberBox(sizePanel, kSizeStepMin, kSizeStepMax, 100);
    RowsOf(sizePanel)->addWidget(NewLabel(sizePanel, tr("Specify step of file size: "), sizeStep));
    sizeUnit = NewDropDownList(sizePanel, {tr("byte"), tr("KB"), tr("MB"), tr("GB")}, UnitKB);
    sizeUnit->setAccessibleName(tr("Unit of the size step"));
    AddRow(sizePanel, {sizeStep, sizeUnit});
    RowsOf(sizePanel)->addStretch(1);
}

void MainWindow::BuildNumberPanel() {
    numberPanel = NewPanel(optionColumn);
    maxFilesPerFolder = NewNumberBox(numberPanel, kMaxFilesPerFolderMin, kMaxFilesPerFolderMax, 100);
    RowsOf(numberPanel)->addWidget(NewLabel(numberPanel, tr("Specify Max. files number in each subfolder: "), maxFilesPerFolder, true));
    RowsOf(numberPanel)->addWidget(maxFilesPerFolder);
    subfolderName = NewEdit(numberPanel);
    RowsOf(numberPanel)->addWidget(NewLabel(numberPanel, tr("Specify a subfolder name: "), subfolderName));
    RowsOf(numberPanel)->addWidget(subfolderName);
    RowsOf(numberPanel)->addStretch(1);
}

void MainWindow::BuildGeneralOptions() {
    generalOptions = WithRows(new DesignSizedPanel({0, kGeneralOptionsHeight}, optionColumn));
    generalOptions->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    RowsOf(generalOptions)->addWidget(NewLabel(generalOptions, tr("[More Options]")), 0, Qt::AlignHCenter);
    moveSourceFiles = NewCheckBox(generalOptions, tr("Move source files"), true, tr("or Copy if dont select Move"));
    includeSubfolders = NewCheckBox(generalOptions, tr("Include subfolders"), false);
    includeFolderName = NewCheckBox(generalOptions, tr("Include folder name"), false);
    onlyClassifySubfolder = NewCheckBox(generalOptions, tr("Only classify subfolder"), false);
    excludeShortcut = NewCheckBox(generalOptions, tr("Exclude shortcut"), true);
    excludeFolderInfoFile = NewCheckBox(generalOptions, tr("Exclude folder info file"), true,
                             tr("The file is used for folder configure"));
    excludeThumbFile = NewCheckBox(generalOptions, tr("Exclude pic thumb file"), true);
    limitPreview = NewCheckBox(generalOptions, tr("Limit Preview number"), false);
    for (QWidget* box : {moveSourceFiles, includeSubfolders, includeFolderName, onlyClassifySubfolder, excludeShortcut, excludeFolderInfoFile, excludeThumbFile, limitPreview})
        RowsOf(generalOptions)->addWidget(box);
    previewLimit = NewNumberBox(generalOptions, kPreviewLimitMin, kPreviewLimitMax, 1000);
    previewLimit->setAccessibleName(tr("Preview limit"));
    AddRow(generalOptions, {previewLimit}, kSubOptionIndent);
    useTypeFilter = NewCheckBox(generalOptions, tr("File type filter:"), false);
    RowsOf(generalOptions)->addWidget(useTypeFilter);
    typeFilterGroup = NewDropDownList(generalOptions, {tr("Music Files"), tr("Image Files"), tr("Vedio Files"), tr("Program Files"),
                                 tr("Document Files"), tr("Custom Files")},
                                0);
    typeFilterGroup->setAccessibleName(tr("File type filter group"));
    typeFilterGroup->hide();
    RowsOf(generalOptions)->addWidget(typeFilterGroup);
    typeFilterText = NewEdit(generalOptions);
    typeFilterText->setToolTip(tr("Seperate each with ';'"));
    typeFilterText->setAccessibleName(tr("File type filter list"));
    // A list set by the program shows from its first entry; the box is narrower than most lists.
    connect(typeFilterText, &QLineEdit::cursorPositionChanged, typeFilterText, [edit = typeFilterText] {
        if (!edit->hasFocus()) edit->setCursorPosition(0);
    });
    typeFilterText->setText(QLatin1String(kDefaultMusicTypes));
    RowsOf(generalOptions)->addWidget(typeFilterText);
    // Hidden, the filter keeps its room: the column is as high for every method, so that it does not
    // start to scroll when a method shows the filter.
    for (QWidget* control : {static_cast<QWidget*>(useTypeFilter), static_cast<QWidget*>(typeFilterGroup),
                             static_cast<QWidget*>(typeFilterText)}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
    RowsOf(generalOptions)->addStretch(1);
}

void MainWindow::BindOptions() {
    ClassifyOptions& o = options_;
    Bind(moveSourceFiles, o, &ClassifyOptions::MoveSourceFiles);
    Bind(includeSubfolders, o, &ClassifyOptions::IncludeSubfolders);
    Bind(includeFolderName, o, &ClassifyOptions::IncludeFolderName);
    Bind(onlyClassifySubfolder, o, &ClassifyOptions::OnlyClassifySubfolder);
    Bind(excludeShortcut, o, &ClassifyOptions::ExcludeShortcut);
    Bind(excludeFolderInfoFile, o, &ClassifyOptions::ExcludeFolderInfoFile);
    Bind(excludeThumbFile, o, &ClassifyOptions::ExcludeThumbFile);
    Bind(limitPreview, o, &ClassifyOptions::LimitPreview);
    Bind(previewLimit, o, &ClassifyOptions::PreviewLimit);
    Bind(useTypeFilter, o, &ClassifyOptions::UseTypeFilter);
    Bind(typeFilterText, o, &ClassifyOptions::TypeFilterText);
    Bind(typeFilterGroup, o, &ClassifyOptions::TypeFilterGroup);

    Bind(byWordList, o, &ClassifyOptions::NameByWordList);
    Bind(headLetterCount, o, &ClassifyOptions::HeadLetterCount);
    SyncWords();
    connect(wordList, &QPlainTextEdit::textChanged, this, &MainWindow::SyncWords);

    Bind(GroupCheckBox(TypeGroup::Music), o, &ClassifyOptions::GroupMusic);
    Bind(GroupCheckBox(TypeGroup::Image), o, &ClassifyOptions::GroupImage);
    Bind(GroupCheckBox(TypeGroup::Video), o, &ClassifyOptions::GroupVideo);
    Bind(GroupCheckBox(TypeGroup::Program), o, &ClassifyOptions::GroupProgram);
    Bind(GroupCheckBox(TypeGroup::Document), o, &ClassifyOptions::GroupDocument);
    for (QCheckBox* group : groupBoxes) {
        SyncGroupTypes(group);
        group->installEventFilter(this);
    }
    Bind(otherGroup1, o, &ClassifyOptions::Other1Enabled);
    Bind(otherGroup1Folder, o, &ClassifyOptions::Other1Folder);
    Bind(otherGroup1Types, o, &ClassifyOptions::Other1Types);
    Bind(otherGroup2, o, &ClassifyOptions::Other2Enabled);
    Bind(otherGroup2Folder, o, &ClassifyOptions::Other2Folder);
    Bind(otherGroup2Types, o, &ClassifyOptions::Other2Types);
    Bind(everyTypeFolder, o, &ClassifyOptions::EveryTypeFolder);

    Bind(sizeStep, o, &ClassifyOptions::SizeStep);
    Bind(sizeUnit, o, &ClassifyOptions::SizeUnit);

    Bind(timeKind, o, &ClassifyOptions::TimeKind);
    Bind(byYear, o, &ClassifyOptions::ByYear);
    Bind(byMonth, o, &ClassifyOptions::ByMonth);
    Bind(byWeek, o, &ClassifyOptions::ByWeek);
    Bind(byDay, o, &ClassifyOptions::ByDay);
    Bind(byHour, o, &ClassifyOptions::ByHour);
    Bind(includeMinute, o, &ClassifyOptions::IncludeMinute);
    Bind(includeSecond, o, &ClassifyOptions::IncludeSecond);
    Bind(groupedSubfolders, o, &ClassifyOptions::GroupedSubfolders);
    Bind(numberMonth, o, &ClassifyOptions::NumberMonth);
    Bind(abbrMonth, o, &ClassifyOptions::AbbrMonth);

    Bind(maxFilesPerFolder, o, &ClassifyOptions::MaxFilesPerFolder);
    Bind(subfolderName, o, &ClassifyOptions::SubfolderName);

    o.ResultLocation = resultLocation->currentText().toStdString();
    connect(resultLocation, &QComboBox::editTextChanged, this,
            [this](const QString& text) { options_.ResultLocation = text.toStdString(); });
    SyncSourceList();
    QAbstractItemModel* rows = sourceList->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::rowsMoved, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::dataChanged, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::layoutChanged, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::modelReset, this, &MainWindow::SyncSourceList);
}

void MainWindow::SyncWords() { options_.Words = LinesOf(wordList); }

void MainWindow::SyncSourceList() {
    if (changingSourceRows_) return;
    options_.SourceList.clear();
    for (int row = 0; row < sourceList->topLevelItemCount(); ++row)
        options_.SourceList.push_back(SourcePathOf(sourceList->topLevelItem(row)));
}

void MainWindow::SyncGroupTypes(QCheckBox* group) {
    const std::string types = group->toolTip().toStdString();
    if (group == GroupCheckBox(TypeGroup::Music)) options_.MusicTypes = types;
    else if (group == GroupCheckBox(TypeGroup::Image)) options_.ImageTypes = types;
    else if (group == GroupCheckBox(TypeGroup::Video)) options_.VideoTypes = types;
    else if (group == GroupCheckBox(TypeGroup::Program)) options_.ProgramTypes = types;
    else if (group == GroupCheckBox(TypeGroup::Document)) options_.DocumentTypes = types;
}

void MainWindow::ShowNormalisedOptions() {
    const auto show = [](QLineEdit* edit, const std::string& value) {
        const QString text = QString::fromStdString(value);
        if (edit->text() != text) edit->setText(text);
    };
    if (const QString location = QString::fromStdString(options_.ResultLocation); resultLocation->currentText() != location)
        resultLocation->setEditText(location);
    show(otherGroup1Folder, options_.Other1Folder);
    show(otherGroup1Types, options_.Other1Types);
    show(otherGroup2Folder, options_.Other2Folder);
    show(otherGroup2Types, options_.Other2Types);
    show(subfolderName, options_.SubfolderName);
    if (LinesOf(wordList) != options_.Words) {
        QStringList lines;
        for (const std::string& word : options_.Words) lines.push_back(QString::fromStdString(word));
        wordList->setPlainText(lines.join(u'\n'));
    }
}

} // namespace varnolt
