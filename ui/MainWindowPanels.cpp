// SPDX-License-Identifier: GPL-3.0-or-later
// The option column: the five method panels above the general options, and the binding of every option
// control to its field of ClassifyOptions.
#include "ui/DesignSize.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
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

QWidget* NewPanel(QWidget* parent) {
    return WithRows(new QWidget(parent));
}

QVBoxLayout* RowsOf(QWidget* panel) {
    return static_cast<QVBoxLayout*>(panel->layout());
}

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

QPushButton* NewButton(QWidget* panel, const QString& caption) {
    return new QPushButton(caption, panel);
}

QLineEdit* NewEdit(QWidget* panel, const std::string& text = {}) {
    return new QLineEdit(QString::fromStdString(text), panel);
}

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
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    RowsOf(panel)->addLayout(row);
    return row;
}

// The field follows its control from now on, and starts at the control's value; a command in progress
// hears of each change.
void Bind(Engine& reader, QAbstractButton* box, bool& field) {
    field = box->isChecked();
    QObject::connect(box, &QAbstractButton::toggled, box, [&reader, &field](bool on) {
        field = on;
        reader.OptionsChanged();
    });
}

void Bind(Engine& reader, QSpinBox* box, std::int32_t& field) {
    field = box->value();
    QObject::connect(box, &QSpinBox::valueChanged, box, [&reader, &field](int value) {
        field = value;
        reader.OptionsChanged();
    });
}

void Bind(Engine& reader, QComboBox* box, int& field) {
    field = box->currentIndex();
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [&reader, &field](int index) {
        field = index;
        reader.OptionsChanged();
    });
}

void Bind(Engine& reader, QLineEdit* edit, std::string& field) {
    field = edit->text().toStdString();
    QObject::connect(edit, &QLineEdit::textChanged, edit, [&reader, &field](const QString& text) {
        field = text.toStdString();
        reader.OptionsChanged();
    });
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::vector<std::string> LinesOf(const QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    std::vector<std::string> lines;
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(u'\n'))
        lines.push_back(line.toStdString());
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
    // Every control starts at its option's default.
    const ClassifyOptions defaults;
    BuildDatePanel(defaults);
    BuildNamePanel(defaults);
    BuildTypePanel(defaults);
    BuildSizePanel(defaults);
    BuildNumberPanel(defaults);
    noMethodPanel_ = new QWidget(methodPanels_);
    for (QWidget* panel : {datePanel, namePanel, typePanel, sizePanel, numberPanel, noMethodPanel_})
        methodPanels_->addWidget(panel);
    methodPanels_->setCurrentWidget(datePanel);
    // The method panel takes the height the general options leave, also when no method is shown.
    layout->addWidget(methodPanels_, 1);
    BuildGeneralOptions(defaults);
    layout->addWidget(generalOptions);
    optionColumn->setWidget(content);
    return optionColumn;
}

void MainWindow::BuildDatePanel(const ClassifyOptions& d) {
    datePanel = NewPanel(optionColumn);
    byYear = NewCheckBox(datePanel, tr("by year"), d.ByYear, tr("by file date"));
    byMonth = NewCheckBox(datePanel, tr("by month"), d.ByMonth, tr("from Jan. to Dec."));
    byWeek = NewCheckBox(datePanel, tr("by week"), d.ByWeek, tr("from Mon. to Sun."));
    byDay = NewCheckBox(datePanel, tr("by day"), d.ByDay, tr("from 1st to 31st"));
    byHour = NewCheckBox(datePanel, tr("by hour"), d.ByHour, tr("from 1st to 24th"));
    for (QWidget* box : {byYear, byMonth, byWeek, byDay, byHour})
        RowsOf(datePanel)->addWidget(box);
    includeMinute = NewCheckBox(datePanel, tr("include minute"), d.IncludeMinute);
    includeSecond = NewCheckBox(datePanel, tr("include second"), d.IncludeSecond);
    AddRow(datePanel, {includeMinute}, kSubOptionIndent);
    AddRow(datePanel, {includeSecond}, kSubOptionIndent);
    onByHourToggled();
    timeKind = NewDropDownList(
        datePanel, {tr("Creation Time"), tr("Last Access Time"), tr("Last Write Time"), tr("Date Taken")},
        d.TimeKind);
    RowsOf(datePanel)->addWidget(NewLabel(datePanel, tr("Select a file time type: "), timeKind));
    RowsOf(datePanel)->addWidget(timeKind);
    groupedSubfolders = NewCheckBox(datePanel, tr("Grouped subfolders"), d.GroupedSubfolders);
    numberMonth =
        NewCheckBox(datePanel, tr("Use number Month"), d.NumberMonth, tr("Use number of month and weekday"));
    abbrMonth =
        NewCheckBox(datePanel, tr("Use Abbr. Month"), d.AbbrMonth, tr("Abbr. name of month and weekday"));
    for (QWidget* box : {groupedSubfolders, numberMonth, abbrMonth})
        RowsOf(datePanel)->addWidget(box);
    RowsOf(datePanel)->addStretch(1);
}

void MainWindow::BuildNamePanel(const ClassifyOptions& d) {
    namePanel = NewPanel(optionColumn);
    byHeadLetters = new QRadioButton(tr("by head letters of name"), namePanel);
    byHeadLetters->setChecked(!d.NameByWordList);
    RowsOf(namePanel)->addWidget(byHeadLetters);
    headLetterCount = NewNumberBox(namePanel, kHeadLetterCountMin, kHeadLetterCountMax, d.HeadLetterCount);
    AddRow(namePanel, {NewLabel(namePanel, tr("Number of letters: "), headLetterCount), headLetterCount},
           kSubOptionIndent);
    byWordList = new QRadioButton(tr("by word of the below list "), namePanel);
    byWordList->setChecked(d.NameByWordList);
    RowsOf(namePanel)->addWidget(byWordList);
    wordList = new QPlainTextEdit(namePanel);
    RowsOf(namePanel)->addWidget(NewLabel(namePanel, tr("[one line as one subfolder] "), wordList));
    wordList->setLineWrapMode(QPlainTextEdit::NoWrap);
    wordList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RowsOf(namePanel)->addWidget(wordList, 1);
    saveWordListButton = NewButton(namePanel, tr("Save as"));
    loadWordListButton = NewButton(namePanel, tr("Load"));
    for (QWidget* control : {static_cast<QWidget*>(wordList), static_cast<QWidget*>(saveWordListButton),
                             static_cast<QWidget*>(loadWordListButton)})
        control->setEnabled(d.NameByWordList);
    AddRow(namePanel, {saveWordListButton, loadWordListButton});
}

void MainWindow::BuildTypePanel(const ClassifyOptions& d) {
    typePanel = NewPanel(optionColumn);
    for (std::size_t i = 0; i < kTypeGroupCount; ++i) {
        const QString caption = tr(kTypeGroups[i].Caption);
        // The tooltip shows the group's extension list, never translated.
        groupBoxes[i] = NewCheckBox(typePanel, caption, d.Groups[i].Enabled, Text(d.Groups[i].Types));
        groupChangeButtons[i] = NewButton(typePanel, tr("Change"));
        groupChangeButtons[i]->setAccessibleName(tr("Change %1").arg(caption));
        AddRow(typePanel, {groupBoxes[i]})->addWidget(groupChangeButtons[i], 0, Qt::AlignRight);
    }

    const auto addOther = [this](QCheckBox*& box, QLineEdit*& folder, QLineEdit*& types, const QString& group,
                                 bool enabled, const std::string& folderText, const std::string& typesText) {
        box = NewCheckBox(typePanel, tr("Other:"), enabled);
        folder = NewEdit(typePanel, folderText);
        folder->setAccessibleName(tr("%1: folder name").arg(group));
        types = NewEdit(typePanel, typesText);
        types->setAccessibleName(tr("%1: types").arg(group));
        AddRow(typePanel, {box, folder});
        AddRow(typePanel, {NewLabel(typePanel, tr("Type:")), types}, kSubOptionIndent);
    };
    addOther(otherGroup1, otherGroup1Folder, otherGroup1Types, tr("First other group"), d.Other1Enabled,
             d.Other1Folder, d.Other1Types);
    addOther(otherGroup2, otherGroup2Folder, otherGroup2Types, tr("Second other group"), d.Other2Enabled,
             d.Other2Folder, d.Other2Types);
    everyTypeFolder = NewCheckBox(typePanel, tr("Classify to every type "), d.EveryTypeFolder,
                                  tr("Use extension part as its folder name"));
    RowsOf(typePanel)->addWidget(everyTypeFolder);
    RowsOf(typePanel)->addStretch(1);
}

void MainWindow::BuildSizePanel(const ClassifyOptions& d) {
    sizePanel = NewPanel(optionColumn);
    sizeStep = NewNumberBox(sizePanel, kSizeStepMin, kSizeStepMax, d.SizeStep);
    RowsOf(sizePanel)->addWidget(NewLabel(sizePanel, tr("Specify step of file size: "), sizeStep));
    sizeUnit = NewDropDownList(sizePanel, {tr("byte"), tr("KB"), tr("MB"), tr("GB")}, d.SizeUnit);
    sizeUnit->setAccessibleName(tr("Unit of the size step"));
    AddRow(sizePanel, {sizeStep, sizeUnit});
    RowsOf(sizePanel)->addStretch(1);
}

void MainWindow::BuildNumberPanel(const ClassifyOptions& d) {
    numberPanel = NewPanel(optionColumn);
    maxFilesPerFolder =
        NewNumberBox(numberPanel, kMaxFilesPerFolderMin, kMaxFilesPerFolderMax, d.MaxFilesPerFolder);
    RowsOf(numberPanel)
        ->addWidget(NewLabel(numberPanel, tr("Specify Max. files number in each subfolder: "),
                             maxFilesPerFolder, true));
    RowsOf(numberPanel)->addWidget(maxFilesPerFolder);
    subfolderName = NewEdit(numberPanel, d.SubfolderName);
    RowsOf(numberPanel)->addWidget(NewLabel(numberPanel, tr("Specify a subfolder name: "), subfolderName));
    RowsOf(numberPanel)->addWidget(subfolderName);
    RowsOf(numberPanel)->addStretch(1);
}

void MainWindow::BuildGeneralOptions(const ClassifyOptions& d) {
    generalOptions = WithRows(new DesignSizedPanel({0, kGeneralOptionsHeight}, optionColumn));
    generalOptions->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Rows a pixel closer than the method panels', so that the sidecars' row fits the design's height.
    RowsOf(generalOptions)->setSpacing(1);
    RowsOf(generalOptions)->addWidget(NewLabel(generalOptions, tr("[More Options]")), 0, Qt::AlignHCenter);
    moveSourceFiles = NewCheckBox(generalOptions, tr("Move source files"), d.MoveSourceFiles,
                                  tr("or Copy if dont select Move"));
    includeSubfolders = NewCheckBox(generalOptions, tr("Include subfolders"), d.IncludeSubfolders);
    includeFolderName = NewCheckBox(generalOptions, tr("Include folder name"), d.IncludeFolderName);
    onlyClassifySubfolder =
        NewCheckBox(generalOptions, tr("Only classify subfolder"), d.OnlyClassifySubfolder);
    excludeShortcut = NewCheckBox(generalOptions, tr("Exclude shortcut"), d.ExcludeShortcut);
    excludeFolderInfoFile = NewCheckBox(generalOptions, tr("Exclude folder info file"),
                                        d.ExcludeFolderInfoFile, tr("The file is used for folder configure"));
    excludeThumbFile = NewCheckBox(generalOptions, tr("Exclude pic thumb file"), d.ExcludeThumbFile);
    keepSidecars = NewCheckBox(generalOptions, tr("Keep sidecars with their photos"), d.KeepSidecars,
                               tr("A photo's .xmp file goes where the photo goes"));
    limitPreview = NewCheckBox(generalOptions, tr("Limit Preview number"), d.LimitPreview);
    for (QWidget* box :
         {moveSourceFiles, includeSubfolders, includeFolderName, onlyClassifySubfolder, excludeShortcut,
          excludeFolderInfoFile, excludeThumbFile, keepSidecars, limitPreview})
        RowsOf(generalOptions)->addWidget(box);
    previewLimit = NewNumberBox(generalOptions, kPreviewLimitMin, kPreviewLimitMax, d.PreviewLimit);
    previewLimit->setAccessibleName(tr("Preview limit"));
    AddRow(generalOptions, {previewLimit}, kSubOptionIndent);
    useTypeFilter = NewCheckBox(generalOptions, tr("File type filter:"), d.UseTypeFilter);
    RowsOf(generalOptions)->addWidget(useTypeFilter);
    // The predefined groups at their index, then the user's own list.
    QStringList filterEntries;
    for (const TypeGroupInfo& group : kTypeGroups)
        filterEntries << tr(group.FilterEntry);
    filterEntries << tr("Custom Files");
    typeFilterGroup = NewDropDownList(generalOptions, filterEntries, d.TypeFilterGroup);
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
    typeFilterText->setText(Text(d.TypeFilterText));
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
    Bind(engine_, moveSourceFiles, o.MoveSourceFiles);
    Bind(engine_, includeSubfolders, o.IncludeSubfolders);
    Bind(engine_, includeFolderName, o.IncludeFolderName);
    Bind(engine_, onlyClassifySubfolder, o.OnlyClassifySubfolder);
    Bind(engine_, excludeShortcut, o.ExcludeShortcut);
    Bind(engine_, excludeFolderInfoFile, o.ExcludeFolderInfoFile);
    Bind(engine_, excludeThumbFile, o.ExcludeThumbFile);
    Bind(engine_, keepSidecars, o.KeepSidecars);
    Bind(engine_, limitPreview, o.LimitPreview);
    Bind(engine_, previewLimit, o.PreviewLimit);
    Bind(engine_, useTypeFilter, o.UseTypeFilter);
    Bind(engine_, typeFilterText, o.TypeFilterText);
    Bind(engine_, typeFilterGroup, o.TypeFilterGroup);

    Bind(engine_, byWordList, o.NameByWordList);
    Bind(engine_, headLetterCount, o.HeadLetterCount);
    SyncWords();
    connect(wordList, &QPlainTextEdit::textChanged, this, &MainWindow::SyncWords);

    // The lists stay where they are, in the options: SetGroupTypes changes them.
    for (std::size_t i = 0; i < kTypeGroupCount; ++i)
        Bind(engine_, groupBoxes[i], o.Groups[i].Enabled);
    Bind(engine_, otherGroup1, o.Other1Enabled);
    Bind(engine_, otherGroup1Folder, o.Other1Folder);
    Bind(engine_, otherGroup1Types, o.Other1Types);
    Bind(engine_, otherGroup2, o.Other2Enabled);
    Bind(engine_, otherGroup2Folder, o.Other2Folder);
    Bind(engine_, otherGroup2Types, o.Other2Types);
    Bind(engine_, everyTypeFolder, o.EveryTypeFolder);

    Bind(engine_, sizeStep, o.SizeStep);
    Bind(engine_, sizeUnit, o.SizeUnit);

    Bind(engine_, timeKind, o.TimeKind);
    Bind(engine_, byYear, o.ByYear);
    Bind(engine_, byMonth, o.ByMonth);
    Bind(engine_, byWeek, o.ByWeek);
    Bind(engine_, byDay, o.ByDay);
    Bind(engine_, byHour, o.ByHour);
    Bind(engine_, includeMinute, o.IncludeMinute);
    Bind(engine_, includeSecond, o.IncludeSecond);
    Bind(engine_, groupedSubfolders, o.GroupedSubfolders);
    Bind(engine_, numberMonth, o.NumberMonth);
    Bind(engine_, abbrMonth, o.AbbrMonth);

    Bind(engine_, maxFilesPerFolder, o.MaxFilesPerFolder);
    Bind(engine_, subfolderName, o.SubfolderName);

    o.ResultLocation = resultLocation->currentText().toStdString();
    connect(resultLocation, &QComboBox::editTextChanged, this, [this](const QString& text) {
        options_.ResultLocation = text.toStdString();
        engine_.OptionsChanged();
    });
    SyncSourceList();
    QAbstractItemModel* rows = sourceList->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::rowsMoved, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::dataChanged, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::layoutChanged, this, &MainWindow::SyncSourceList);
    connect(rows, &QAbstractItemModel::modelReset, this, &MainWindow::SyncSourceList);
}

void MainWindow::SetGroupTypes(TypeGroup group, const std::string& types) {
    options_.Group(group).Types = types;
    GroupCheckBox(group)->setToolTip(Text(types));
    engine_.OptionsChanged();
}

void MainWindow::SyncWords() {
    options_.Words = LinesOf(wordList);
    engine_.OptionsChanged();
}

void MainWindow::SyncSourceList() {
    if (changingSourceRows_) return;
    options_.SourceList.clear();
    for (int row = 0; row < sourceList->topLevelItemCount(); ++row)
        options_.SourceList.push_back(SourcePathOf(sourceList->topLevelItem(row)));
    engine_.OptionsChanged();
}

void MainWindow::ShowNormalisedOptions(const ClassifyOptions& normalised) {
    const auto show = [](QLineEdit* edit, const std::string& value) {
        const QString text = QString::fromStdString(value);
        if (edit->text() != text) edit->setText(text);
    };
    if (const QString location = QString::fromStdString(normalised.ResultLocation);
        resultLocation->currentText() != location)
        resultLocation->setEditText(location);
    show(otherGroup1Folder, normalised.Other1Folder);
    show(otherGroup1Types, normalised.Other1Types);
    show(otherGroup2Folder, normalised.Other2Folder);
    show(otherGroup2Types, normalised.Other2Types);
    show(subfolderName, normalised.SubfolderName);
    if (LinesOf(wordList) != normalised.Words) {
        QStringList lines;
        for (const std::string& word : normalised.Words)
            lines.push_back(QString::fromStdString(word));
        wordList->setPlainText(lines.join(u'\n'));
    }
}

} // namespace varnolt
