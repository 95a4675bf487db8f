// The type groups and the type filter, the word list with its file buttons, the name fields, and the
// settings that outlive a restart.
#include "engine/Messages.h"
#include "ui/NameChecks.h"
#include "ui/SettingsLoader.h"
#include "ui/SettingsSaver.h"
#include "ui/TForm1.h"
#include "ui/TForm6.h"
#include "engine/WordListFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

namespace varnolt {

namespace {

constexpr const char* kWordListSaveFilter = QT_TRANSLATE_NOOP("varnolt::TForm1", "Text File (*.txt)");
constexpr const char* kWordListOpenFilter = QT_TRANSLATE_NOOP("varnolt::TForm1", "Text Files (*.txt);;All Files (*)");

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The word box's text as it was typed or loaded: toPlainText() would turn a no-break space into a
// plain one.
std::string WordBoxText(const QPlainTextEdit* memo) {
    QString text = memo->document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
    return text.toStdString();
}

} // namespace

// The window's fields as the settings loader and saver see them: the controls themselves, read and
// written at the moment the loader or the saver runs.
class WindowFields : public PersistedFields {
public:
    explicit WindowFields(TForm1& window) : w_(window) {}

    std::string GroupTypes(TypeGroup group) const override {
        return w_.GroupCheckBox(group)->toolTip().toStdString();
    }
    void SetGroupTypes(TypeGroup group, const std::string& types) override {
        w_.GroupCheckBox(group)->setToolTip(Text(types));
    }
    std::string OtherFolder(int group) const override {
        return (group == 0 ? w_.Edit3 : w_.Edit5)->text().toStdString();
    }
    std::string OtherTypes(int group) const override {
        return (group == 0 ? w_.Edit4 : w_.Edit6)->text().toStdString();
    }
    void SetOtherGroup(int group, const std::string& folder, const std::string& types) override {
        (group == 0 ? w_.Edit3 : w_.Edit5)->setText(Text(folder));
        (group == 0 ? w_.Edit4 : w_.Edit6)->setText(Text(types));
    }
    void SetCustomTypeList(const std::string& types) override { w_.customTypeList_ = types; }

    int TypeFilterGroup() const override { return w_.ComboBox1->currentIndex(); }
    bool UseTypeFilter() const override { return w_.CheckBox28->isChecked(); }
    std::string TypeFilterText() const override { return w_.Edit1->text().toStdString(); }
    void SetTypeFilterText(const std::string& text) override { w_.Edit1->setText(Text(text)); }

    std::string WordListText() const override { return WordBoxText(w_.Memo1); }
    TextEncoding WordListEncoding() const override { return w_.wordListEncoding_; }
    void LoadWordList(const TextFileContent& content) override { w_.ShowWordList(content); }

    std::vector<std::string> SourcePaths() const override { return w_.Options().SourceList; }
    std::vector<std::string> ResultHistory() const override { return w_.ResultHistory(); }
    void AppendResultHistory(const std::string& location) override {
        w_.ComboBox4->addItem(Text(location));
        // The box's own text is not restored: it starts empty, the history waits in the drop-down.
        w_.ComboBox4->setCurrentIndex(-1);
    }

    void EnableUndo() override { w_.SetUndoEnabled(true); }
    void ShowLoadLastList() override { w_.Button1->show(); }

private:
    TForm1& w_;
};

void TForm1::ConnectFieldHandlers() {
    Form6 = new TForm6(this);
    const std::array<QPushButton*, kTypeGroupCount> changeButtons = {Button4, Button5, Button6, Button7, Button8};
    for (const auto& group : kTypeGroups)
        connect(changeButtons[static_cast<std::size_t>(group.Group)], &QPushButton::clicked, this,
                [this, which = group.Group] { EditGroupTypes(which); });
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);

    connect(RadioButton8, &QRadioButton::toggled, this, &TForm1::RadioButton8Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    for (QLineEdit* name : {Edit9, Edit3, Edit5}) new NameFieldGuard(name, boxes_);

    connect(this, &TForm1::closing, this, &TForm1::FormClose);
}

QCheckBox* TForm1::GroupCheckBox(TypeGroup group) const {
    const std::array<QCheckBox*, kTypeGroupCount> boxes = {CheckBox10, CheckBox7, CheckBox6, CheckBox9, CheckBox8};
    return boxes[static_cast<std::size_t>(group)];
}

void TForm1::EditGroupTypes(TypeGroup group) {
    QCheckBox* box = GroupCheckBox(group);
    QString text = box->toolTip();
    if (!Form6->EditText(box->text() + QLatin1Char(':'), text)) return;
    const std::string types = NormaliseGroupTypes(text.toStdString());
    box->setToolTip(Text(types));
    WriteSetting(SettingsPlacesOfWindow(), InfoOf(group).StoredName, types);
}

void TForm1::ComboBox1Change(int entry) {
    if (entry == kCustomFilterEntry)
        Edit1->setText(Text(customTypeList_));
    else if (entry >= 0 && entry < kTypeGroupCount)
        Edit1->setText(GroupCheckBox(static_cast<TypeGroup>(entry))->toolTip());
}

void TForm1::Edit1Change() {
    if (ComboBox1->currentIndex() == kCustomFilterEntry) customTypeList_ = Edit1->text().toStdString();
}

void TForm1::RadioButton8Click(bool byWords) {
    for (QWidget* control : {static_cast<QWidget*>(Memo1), static_cast<QWidget*>(Button2),
                             static_cast<QWidget*>(Button3)})
        control->setEnabled(byWords);
    if (byWords) Memo1->setFocus(Qt::OtherFocusReason);
}

void TForm1::Button2Click() {
    const std::string text = WordBoxText(Memo1);
    if (text.empty()) return;
    const std::string path = dialogs_.SaveFile(tr(kWordListSaveFilter).toStdString(), "txt");
    if (path.empty()) return;
    std::string error;
    if (!SaveWordList(fs_, path, text, wordListEncoding_, error))
        ReportSettingsError(boxes_, CannotCreateFileText(path, error));
}

void TForm1::Button3Click() {
    const auto files = dialogs_.OpenFiles(tr(kWordListOpenFilter).toStdString(), true);
    if (files.empty()) return;
    std::string error;
    if (const auto content = LoadWordList(fs_, files.front(), error))
        ShowWordList(*content);
    else
        ReportSettingsError(boxes_, CannotOpenFileText(files.front(), error));
}

void TForm1::ShowWordList(const TextFileContent& content) {
    Memo1->setPlainText(Text(JoinWordList(content)));
    wordListEncoding_ = content.Encoding;
}

std::vector<std::string> TForm1::ResultHistory() const {
    std::vector<std::string> history;
    for (int i = 0; i < ComboBox4->count(); ++i) history.push_back(ComboBox4->itemText(i).toStdString());
    return history;
}

SettingsPlaces TForm1::SettingsPlacesOfWindow() { return {settings_, fs_, boxes_, engine_.DataFolder()}; }

void TForm1::LoadStoredSettings() {
    WindowFields fields(*this);
    loadedSettings_ = LoadSettings(fields, SettingsPlacesOfWindow());
}

void TForm1::FormClose() {
    // Closed before the start-up step: the window holds none of the stored values, and saving its empty
    // history would delete the stored one.
    if (!loadedSettings_) return;
    WindowFields fields(*this);
    SaveSettings(fields, SettingsPlacesOfWindow(), *loadedSettings_);
}

} // namespace varnolt
