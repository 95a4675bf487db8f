// The option column: the five method panels above the general options, and the binding of every option
// control to its field of ClassifyOptions.
#include "ui/DesignSize.h"
#include "ui/BoundOptions.h"
#include "ui/TForm1.h"

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
QWidget* WithRows(QWidget* panel, const char* name) {
    panel->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->setSpacing(2);
    return panel;
}

QWidget* NewPanel(QWidget* parent, const char* name) { return WithRows(new QWidget(parent), name); }

QVBoxLayout* RowsOf(QWidget* panel) { return static_cast<QVBoxLayout*>(panel->layout()); }

QCheckBox* NewCheckBox(QWidget* panel, const char* name, const QString& caption, bool checked,
                       const QString& hint = {}) {
    auto* box = new QCheckBox(caption, panel);
    box->setObjectName(QLatin1String(name));
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

QPushButton* NewButton(QWidget* panel, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLineEdit* NewEdit(QWidget* panel, const char* name) {
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

// A number box with its up-down arrows, showing thousands separators ("1,000") in every locale.
QSpinBox* NewNumberBox(QWidget* panel, const char* name, int minimum, int maximum, int value) {
    auto* box = new QSpinBox(panel);
    box->setObjectName(QLatin1String(name));
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    box->setLocale(locale);
    box->setGroupSeparatorShown(true);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

QComboBox* NewDropDownList(QWidget* panel, const char* name, const QStringList& items, int selected) {
    auto* box = new QComboBox(panel);
    box->setObjectName(QLatin1String(name));
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
void Bind(QCheckBox* box, BoundOptions& o, bool ClassifyOptions::*field) {
    o.Options.*field = box->isChecked();
    QObject::connect(box, &QCheckBox::toggled, box, [&o, field](bool on) { o.Set(field, on); });
}

void Bind(QRadioButton* button, BoundOptions& o, bool ClassifyOptions::*field) {
    o.Options.*field = button->isChecked();
    QObject::connect(button, &QRadioButton::toggled, button, [&o, field](bool on) { o.Set(field, on); });
}

void Bind(QSpinBox* box, BoundOptions& o, std::int32_t ClassifyOptions::*field) {
    o.Options.*field = box->value();
    QObject::connect(box, &QSpinBox::valueChanged, box, [&o, field](int value) { o.Set(field, value); });
}

void Bind(QComboBox* box, BoundOptions& o, int ClassifyOptions::*field) {
    o.Options.*field = box->currentIndex();
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [&o, field](int index) { o.Set(field, index); });
}

void Bind(QLineEdit* edit, BoundOptions& o, std::string ClassifyOptions::*field) {
    o.Options.*field = edit->text().toStdString();
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [&o, field](const QString& text) { o.Set(field, text.toStdString()); });
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

QWidget* TForm1::BuildOptionColumn() {
    Panel7 = new VerticalScrollColumn(this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    // As wide as its widest panel needs, whichever is shown: the column does not jump between methods.
    Panel7->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* content = new DesignSizedPanel({kOptionColumnWidth, 0}, Panel7);
    content->setObjectName(QStringLiteral("OptionColumnContent"));
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    methodPanels_ = new QStackedWidget(Panel7);
    methodPanels_->setObjectName(QStringLiteral("MethodPanels"));
    BuildDatePanel();
    BuildNamePanel();
    BuildTypePanel();
    BuildSizePanel();
    BuildNumberPanel();
    noMethodPanel_ = new QWidget(methodPanels_);
    for (QWidget* panel : {Panel12, Panel1, Panel10, Panel11, Panel13, noMethodPanel_}) methodPanels_->addWidget(panel);
    methodPanels_->setCurrentWidget(Panel12);
    // The method panel takes the height the general options leave, also when no method is shown.
    layout->addWidget(methodPanels_, 1);
    BuildGeneralOptions();
    layout->addWidget(Panel4);
    Panel7->setWidget(content);
    return Panel7;
}

void TForm1::BuildDatePanel() {
    Panel12 = NewPanel(Panel7, "Panel12");
    CheckBox15 = NewCheckBox(Panel12, "CheckBox15", tr("by year"), true, tr("by file date"));
    CheckBox16 = NewCheckBox(Panel12, "CheckBox16", tr("by month"), true, tr("from Jan. to Dec."));
    CheckBox17 = NewCheckBox(Panel12, "CheckBox17", tr("by week"), false, tr("from Mon. to Sun."));
    CheckBox18 = NewCheckBox(Panel12, "CheckBox18", tr("by day"), true, tr("from 1st to 31st"));
    CheckBox19 = NewCheckBox(Panel12, "CheckBox19", tr("by hour"), false, tr("from 1st to 24th"));
    for (QWidget* box : {CheckBox15, CheckBox16, CheckBox17, CheckBox18, CheckBox19}) RowsOf(Panel12)->addWidget(box);
    CheckBox20 = NewCheckBox(Panel12, "CheckBox20", tr("include minute"), false);
    CheckBox21 = NewCheckBox(Panel12, "CheckBox21", tr("include second"), false);
    AddRow(Panel12, {CheckBox20}, kSubOptionIndent);
    AddRow(Panel12, {CheckBox21}, kSubOptionIndent);
    CheckBox20->hide();
    CheckBox21->hide();
    ComboBox3 = NewDropDownList(Panel12, "ComboBox3",
                                {tr("Creation Time"), tr("Last Access Time"), tr("Last Write Time"), tr("Date Taken")},
                                LastWriteTime);
    RowsOf(Panel12)->addWidget(NewLabel(Panel12, tr("Select a file time type: "), ComboBox3));
    RowsOf(Panel12)->addWidget(ComboBox3);
    CheckBox14 = NewCheckBox(Panel12, "CheckBox14", tr("Grouped subfolders"), false);
    CheckBox22 = NewCheckBox(Panel12, "CheckBox22", tr("Use number Month"), true, tr("Use number of month and weekday"));
    CheckBox23 = NewCheckBox(Panel12, "CheckBox23", tr("Use Abbr. Month"), false, tr("Abbr. name of month and weekday"));
    for (QWidget* box : {CheckBox14, CheckBox22, CheckBox23}) RowsOf(Panel12)->addWidget(box);
    RowsOf(Panel12)->addStretch(1);
}

void TForm1::BuildNamePanel() {
    Panel1 = NewPanel(Panel7, "Panel1");
    RadioButton6 = new QRadioButton(tr("by head letters of name"), Panel1);
    RadioButton6->setObjectName(QStringLiteral("RadioButton6"));
    RadioButton6->setChecked(true);
    RowsOf(Panel1)->addWidget(RadioButton6);
    Edit2 = NewNumberBox(Panel1, "Edit2", kHeadLetterCountMin, kHeadLetterCountMax, 1);
    AddRow(Panel1, {NewLabel(Panel1, tr("Number of letters: "), Edit2), Edit2}, kSubOptionIndent);
    RadioButton8 = new QRadioButton(tr("by word of the below list "), Panel1);
    RadioButton8->setObjectName(QStringLiteral("RadioButton8"));
    RowsOf(Panel1)->addWidget(RadioButton8);
    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    RowsOf(Panel1)->addWidget(NewLabel(Panel1, tr("[one line as one subfolder] "), Memo1));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setEnabled(false);
    RowsOf(Panel1)->addWidget(Memo1, 1);
    Button2 = NewButton(Panel1, "Button2", tr("Save as"));
    Button3 = NewButton(Panel1, "Button3", tr("Load"));
    Button2->setEnabled(false);
    Button3->setEnabled(false);
    AddRow(Panel1, {Button2, Button3});
}

void TForm1::BuildTypePanel() {
    Panel10 = NewPanel(Panel7, "Panel10");
    // The tooltip is the group's extension list, never translated.
    const auto addGroup = [this](QCheckBox*& box, QPushButton*& change, const char* boxName, const QString& caption,
                                 const char* buttonName, const char* types) {
        box = NewCheckBox(Panel10, boxName, caption, false, QLatin1String(types));
        change = NewButton(Panel10, buttonName, tr("Change"));
        change->setAccessibleName(tr("Change %1").arg(caption));
        AddRow(Panel10, {box})->addWidget(change, 0, Qt::AlignRight);
    };
    addGroup(CheckBox10, Button4, "CheckBox10", tr("Music files"), "Button4", kDefaultMusicTypes);
    addGroup(CheckBox7, Button5, "CheckBox7", tr("Image files"), "Button5", kDefaultImageTypes);
    addGroup(CheckBox6, Button6, "CheckBox6", tr("Vedio files"), "Button6", kDefaultVideoTypes);
    addGroup(CheckBox9, Button7, "CheckBox9", tr("Program files"), "Button7", kDefaultProgramTypes);
    addGroup(CheckBox8, Button8, "CheckBox8", tr("Document file"), "Button8", kDefaultDocumentTypes);

    const auto addOther = [this](QCheckBox*& box, QLineEdit*& folder, QLineEdit*& types, const char* boxName,
                                 const char* folderName, const char* typesName, const QString& group) {
        box = NewCheckBox(Panel10, boxName, tr("Other:"), false);
        folder = NewEdit(Panel10, folderName);
        folder->setAccessibleName(tr("%1: folder name").arg(group));
        types = NewEdit(Panel10, typesName);
        types->setAccessibleName(tr("%1: types").arg(group));
        AddRow(Panel10, {box, folder});
        AddRow(Panel10, {NewLabel(Panel10, tr("Type:")), types}, kSubOptionIndent);
    };
    addOther(CheckBox11, Edit3, Edit4, "CheckBox11", "Edit3", "Edit4", tr("First other group"));
    addOther(CheckBox12, Edit5, Edit6, "CheckBox12", "Edit5", "Edit6", tr("Second other group"));
    CheckBox13 = NewCheckBox(Panel10, "CheckBox13", tr("Classify to every type "), false,
                             tr("Use extension part as its folder name"));
    RowsOf(Panel10)->addWidget(CheckBox13);
    RowsOf(Panel10)->addStretch(1);
}

void TForm1::BuildSizePanel() {
    Panel11 = NewPanel(Panel7, "Panel11");
    Edit7 = NewNumberBox(Panel11, "Edit7", kSizeStepMin, kSizeStepMax, 100);
    RowsOf(Panel11)->addWidget(NewLabel(Panel11, tr("Specify step of file size: "), Edit7));
    ComboBox2 = NewDropDownList(Panel11, "ComboBox2", {tr("byte"), tr("KB"), tr("MB"), tr("GB")}, UnitKB);
    ComboBox2->setAccessibleName(tr("Unit of the size step"));
    AddRow(Panel11, {Edit7, ComboBox2});
    RowsOf(Panel11)->addStretch(1);
}

void TForm1::BuildNumberPanel() {
    Panel13 = NewPanel(Panel7, "Panel13");
    Edit8 = NewNumberBox(Panel13, "Edit8", kMaxFilesPerFolderMin, kMaxFilesPerFolderMax, 100);
    RowsOf(Panel13)->addWidget(NewLabel(Panel13, tr("Specify Max. files number in each subfolder: "), Edit8, true));
    RowsOf(Panel13)->addWidget(Edit8);
    Edit9 = NewEdit(Panel13, "Edit9");
    RowsOf(Panel13)->addWidget(NewLabel(Panel13, tr("Specify a subfolder name: "), Edit9));
    RowsOf(Panel13)->addWidget(Edit9);
    RowsOf(Panel13)->addStretch(1);
}

void TForm1::BuildGeneralOptions() {
    Panel4 = WithRows(new DesignSizedPanel({0, kGeneralOptionsHeight}, Panel7), "Panel4");
    Panel4->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    RowsOf(Panel4)->addWidget(NewLabel(Panel4, tr("[More Options]")), 0, Qt::AlignHCenter);
    CheckBox3 = NewCheckBox(Panel4, "CheckBox3", tr("Move source files"), true, tr("or Copy if dont select Move"));
    CheckBox4 = NewCheckBox(Panel4, "CheckBox4", tr("Include subfolders"), false);
    CheckBox5 = NewCheckBox(Panel4, "CheckBox5", tr("Include folder name"), false);
    CheckBox1 = NewCheckBox(Panel4, "CheckBox1", tr("Only classify subfolder"), false);
    CheckBox2 = NewCheckBox(Panel4, "CheckBox2", tr("Exclude shortcut"), true);
    CheckBox25 = NewCheckBox(Panel4, "CheckBox25", tr("Exclude folder info file"), true,
                             tr("The file is used for folder configure"));
    CheckBox26 = NewCheckBox(Panel4, "CheckBox26", tr("Exclude pic thumb file"), true);
    CheckBox27 = NewCheckBox(Panel4, "CheckBox27", tr("Limit Preview number"), false);
    for (QWidget* box : {CheckBox3, CheckBox4, CheckBox5, CheckBox1, CheckBox2, CheckBox25, CheckBox26, CheckBox27})
        RowsOf(Panel4)->addWidget(box);
    Edit10 = NewNumberBox(Panel4, "Edit10", kPreviewLimitMin, kPreviewLimitMax, 1000);
    Edit10->setAccessibleName(tr("Preview limit"));
    AddRow(Panel4, {Edit10}, kSubOptionIndent);
    CheckBox28 = NewCheckBox(Panel4, "CheckBox28", tr("File type filter:"), false);
    RowsOf(Panel4)->addWidget(CheckBox28);
    ComboBox1 = NewDropDownList(Panel4, "ComboBox1",
                                {tr("Music Files"), tr("Image Files"), tr("Vedio Files"), tr("Program Files"),
                                 tr("Document Files"), tr("Custom Files")},
                                0);
    ComboBox1->setAccessibleName(tr("File type filter group"));
    ComboBox1->hide();
    RowsOf(Panel4)->addWidget(ComboBox1);
    Edit1 = NewEdit(Panel4, "Edit1");
    Edit1->setToolTip(tr("Seperate each with ';'"));
    Edit1->setAccessibleName(tr("File type filter list"));
    // A list set by the program shows from its first entry; the box is narrower than most lists.
    connect(Edit1, &QLineEdit::cursorPositionChanged, Edit1, [edit = Edit1] {
        if (!edit->hasFocus()) edit->setCursorPosition(0);
    });
    Edit1->setText(QLatin1String(kDefaultMusicTypes));
    RowsOf(Panel4)->addWidget(Edit1);
    // Hidden, the filter keeps its room: the column is as high for every method, so that it does not
    // start to scroll when a method shows the filter.
    for (QWidget* control : {static_cast<QWidget*>(CheckBox28), static_cast<QWidget*>(ComboBox1),
                             static_cast<QWidget*>(Edit1)}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
    RowsOf(Panel4)->addStretch(1);
}

void TForm1::BindOptions() {
    boundOptions_ = std::make_unique<BoundOptions>(BoundOptions{options_, engine_});
    BoundOptions& o = *boundOptions_;
    Bind(CheckBox3, o, &ClassifyOptions::MoveSourceFiles);
    Bind(CheckBox4, o, &ClassifyOptions::IncludeSubfolders);
    Bind(CheckBox5, o, &ClassifyOptions::IncludeFolderName);
    Bind(CheckBox1, o, &ClassifyOptions::OnlyClassifySubfolder);
    Bind(CheckBox2, o, &ClassifyOptions::ExcludeShortcut);
    Bind(CheckBox25, o, &ClassifyOptions::ExcludeFolderInfoFile);
    Bind(CheckBox26, o, &ClassifyOptions::ExcludeThumbFile);
    Bind(CheckBox27, o, &ClassifyOptions::LimitPreview);
    Bind(Edit10, o, &ClassifyOptions::PreviewLimit);
    Bind(CheckBox28, o, &ClassifyOptions::UseTypeFilter);
    Bind(Edit1, o, &ClassifyOptions::TypeFilterText);
    Bind(ComboBox1, o, &ClassifyOptions::TypeFilterGroup);

    Bind(RadioButton8, o, &ClassifyOptions::NameByWordList);
    Bind(Edit2, o, &ClassifyOptions::HeadLetterCount);
    SyncWords();
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm1::SyncWords);

    Bind(CheckBox10, o, &ClassifyOptions::GroupMusic);
    Bind(CheckBox7, o, &ClassifyOptions::GroupImage);
    Bind(CheckBox6, o, &ClassifyOptions::GroupVideo);
    Bind(CheckBox9, o, &ClassifyOptions::GroupProgram);
    Bind(CheckBox8, o, &ClassifyOptions::GroupDocument);
    for (QCheckBox* group : {CheckBox10, CheckBox7, CheckBox6, CheckBox9, CheckBox8}) {
        SyncGroupTypes(group);
        group->installEventFilter(this);
    }
    Bind(CheckBox11, o, &ClassifyOptions::Other1Enabled);
    Bind(Edit3, o, &ClassifyOptions::Other1Folder);
    Bind(Edit4, o, &ClassifyOptions::Other1Types);
    Bind(CheckBox12, o, &ClassifyOptions::Other2Enabled);
    Bind(Edit5, o, &ClassifyOptions::Other2Folder);
    Bind(Edit6, o, &ClassifyOptions::Other2Types);
    Bind(CheckBox13, o, &ClassifyOptions::EveryTypeFolder);

    Bind(Edit7, o, &ClassifyOptions::SizeStep);
    Bind(ComboBox2, o, &ClassifyOptions::SizeUnit);

    Bind(ComboBox3, o, &ClassifyOptions::TimeKind);
    Bind(CheckBox15, o, &ClassifyOptions::ByYear);
    Bind(CheckBox16, o, &ClassifyOptions::ByMonth);
    Bind(CheckBox17, o, &ClassifyOptions::ByWeek);
    Bind(CheckBox18, o, &ClassifyOptions::ByDay);
    Bind(CheckBox19, o, &ClassifyOptions::ByHour);
    Bind(CheckBox20, o, &ClassifyOptions::IncludeMinute);
    Bind(CheckBox21, o, &ClassifyOptions::IncludeSecond);
    Bind(CheckBox14, o, &ClassifyOptions::GroupedSubfolders);
    Bind(CheckBox22, o, &ClassifyOptions::NumberMonth);
    Bind(CheckBox23, o, &ClassifyOptions::AbbrMonth);

    Bind(Edit8, o, &ClassifyOptions::MaxFilesPerFolder);
    Bind(Edit9, o, &ClassifyOptions::SubfolderName);

    options_.ResultLocation = ComboBox4->currentText().toStdString();
    connect(ComboBox4, &QComboBox::editTextChanged, this,
            [&o](const QString& text) { o.Set(&ClassifyOptions::ResultLocation, text.toStdString()); });
    SyncSourceList();
    QAbstractItemModel* rows = ListView1->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &TForm1::SyncSourceList);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &TForm1::SyncSourceList);
    connect(rows, &QAbstractItemModel::rowsMoved, this, &TForm1::SyncSourceList);
    connect(rows, &QAbstractItemModel::dataChanged, this, &TForm1::SyncSourceList);
    connect(rows, &QAbstractItemModel::layoutChanged, this, &TForm1::SyncSourceList);
    connect(rows, &QAbstractItemModel::modelReset, this, &TForm1::SyncSourceList);
}

void TForm1::SyncWords() {
    options_.Words = LinesOf(Memo1);
    engine_.OptionsChanged();
}

void TForm1::SyncSourceList() {
    if (changingSourceRows_) return;
    options_.SourceList.clear();
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row)
        options_.SourceList.push_back(SourcePathOf(ListView1->topLevelItem(row)));
    engine_.OptionsChanged();
}

void TForm1::SyncGroupTypes(QCheckBox* group) {
    const std::string types = group->toolTip().toStdString();
    if (group == CheckBox10) options_.MusicTypes = types;
    else if (group == CheckBox7) options_.ImageTypes = types;
    else if (group == CheckBox6) options_.VideoTypes = types;
    else if (group == CheckBox9) options_.ProgramTypes = types;
    else if (group == CheckBox8) options_.DocumentTypes = types;
    engine_.OptionsChanged();
}

void TForm1::ShowNormalisedOptions(const ClassifyOptions& normalised) {
    const auto show = [](QLineEdit* edit, const std::string& value) {
        const QString text = QString::fromStdString(value);
        if (edit->text() != text) edit->setText(text);
    };
    if (const QString location = QString::fromStdString(normalised.ResultLocation); ComboBox4->currentText() != location)
        ComboBox4->setEditText(location);
    show(Edit3, normalised.Other1Folder);
    show(Edit4, normalised.Other1Types);
    show(Edit5, normalised.Other2Folder);
    show(Edit6, normalised.Other2Types);
    show(Edit9, normalised.SubfolderName);
    if (LinesOf(Memo1) != normalised.Words) {
        QStringList lines;
        for (const std::string& word : normalised.Words) lines.push_back(QString::fromStdString(word));
        Memo1->setPlainText(lines.join(u'\n'));
    }
}

} // namespace varnolt
