// SPDX-License-Identifier: GPL-3.0-or-later
// The settings loader and saver over an in-memory store and a real temporary data folder, and the
// QSettings store and the data folder against a temporary home.
#include "TempHome.h"
#include "engine/RunJournal.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/ScriptedMessageBoxes.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtSettingsStore.h"
#include "support/TempDir.h"
#include "ui/DataFolder.h"
#include "ui/SettingsLoader.h"
#include "ui/SettingsSaver.h"

#include <QSettings>
#include <QStringList>
#include <QTest>
#include <array>
#include <cstdio>
#include <unistd.h>

using namespace varnolt;

namespace {

// The persisted fields as plain values, defaults as the window starts with them.
struct Fields : PersistedFields {
    std::array<std::string, kTypeGroupCount> Groups;
    std::array<std::string, 2> Folders, Types;
    std::string Custom;
    int FilterGroup = 0;
    bool FilterOn = false;
    std::string FilterText = "untouched";
    std::string Words;
    TextEncoding Encoding = TextEncoding::Plain;
    std::vector<std::string> Sources, History;
    bool UndoEnabled = false, LoadLastListShown = false;
    WindowPlace Window;
    std::string MethodShown;

    Fields() {
        for (const auto& group : kTypeGroups)
            Groups[static_cast<std::size_t>(group.Group)] = group.DefaultTypes;
    }

    std::string GroupTypes(TypeGroup group) const override { return Groups[static_cast<std::size_t>(group)]; }
    void SetGroupTypes(TypeGroup group, const std::string& types) override {
        Groups[static_cast<std::size_t>(group)] = types;
    }
    std::string OtherFolder(int group) const override { return Folders[static_cast<std::size_t>(group)]; }
    std::string OtherTypes(int group) const override { return Types[static_cast<std::size_t>(group)]; }
    void SetOtherGroup(int group, const std::string& folder, const std::string& types) override {
        Folders[static_cast<std::size_t>(group)] = folder;
        Types[static_cast<std::size_t>(group)] = types;
    }
    void SetCustomTypeList(const std::string& types) override { Custom = types; }
    int TypeFilterGroup() const override { return FilterGroup; }
    bool UseTypeFilter() const override { return FilterOn; }
    std::string TypeFilterText() const override { return FilterText; }
    void SetTypeFilterText(const std::string& text) override { FilterText = text; }
    std::string WordListText() const override { return Words; }
    TextEncoding WordListEncoding() const override { return Encoding; }
    void LoadWordList(const TextFileContent& content) override {
        Words.clear();
        for (std::size_t i = 0; i < content.Lines.size(); ++i)
            Words += (i ? "\n" : "") + content.Lines[i];
        Encoding = content.Encoding;
    }
    std::vector<std::string> SourcePaths() const override { return Sources; }
    std::vector<std::string> ResultHistory() const override { return History; }
    void AppendResultHistory(const std::string& location) override { History.push_back(location); }
    void EnableUndo() override { UndoEnabled = true; }
    void ShowLoadLastList() override { LoadLastListShown = true; }
    WindowPlace Place() const override { return Window; }
    void ShowMethod(const std::string& methodKey) override { MethodShown = methodKey; }
};

std::vector<std::string> StoredHistory(const MemorySettingsStore& store) {
    std::vector<std::string> names;
    for (const auto& [name, value] : store.Values)
        if (name.starts_with("Folder")) names.push_back(name + "=" + value);
    return names;
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

    MemorySettingsStore store;
    ScriptedMessageBoxes boxes;
    PosixFileSystem fs;
    std::unique_ptr<TempDir> data;

    SettingsPlaces Places() { return {store, fs, boxes, data->Path()}; }
    void Save(const Fields& fields, LoadedSettings loaded = {.History = true}) {
        SaveSettings(fields, Places(), loaded);
    }
    Fields Loaded() {
        Fields fields;
        LoadSettings(fields, Places());
        return fields;
    }

  private slots:
    void init() {
        store = MemorySettingsStore();
        boxes = ScriptedMessageBoxes();
        data = std::make_unique<TempDir>();
    }

    void firstStartKeepsEveryDefault() {
        const Fields fields = Loaded();
        const Fields defaults;
        QCOMPARE(fields.Groups, defaults.Groups);
        QVERIFY(fields.Folders[0].empty() && fields.Types[0].empty() && fields.Custom.empty());
        QCOMPARE(fields.FilterText, std::string(kTypeGroups[0].DefaultTypes));
        QVERIFY(fields.Words.empty());
        QVERIFY(fields.History.empty());
        QVERIFY(!fields.UndoEnabled);
        QVERIFY(!fields.LoadLastListShown);
        QVERIFY(boxes.Shown.empty());
        QCOMPARE(store.OpenNow, 0);
    }

    void storedListsReplaceDefaultsAndTheFilterShowsMusic() {
        store.Values = {{"Music", "ogg;flac"}, {"Vedio", ""}, {"Customtype", "abc;def"}};
        const Fields fields = Loaded();
        QCOMPARE(fields.Groups[0], std::string("ogg;flac"));
        QCOMPARE(fields.Groups[1], std::string(kTypeGroups[1].DefaultTypes));
        QCOMPARE(fields.Groups[2], std::string());
        QCOMPARE(fields.Custom, std::string("abc;def"));
        // Even with a custom list stored, the filter starts on the Music entry.
        QCOMPARE(fields.FilterText, std::string("ogg;flac"));
    }

    void otherGroupsSplitAtTheFirstSpaceAndComeBackUnchanged() {
        store.Values = {{"Othertype1", "Pics jpg;png"}, {"Othertype2", "My Pics jpg"}};
        Fields fields = Loaded();
        QCOMPARE(fields.Folders[0], std::string("Pics"));
        QCOMPARE(fields.Types[0], std::string("jpg;png"));
        QCOMPARE(fields.Folders[1], std::string("My"));
        QCOMPARE(fields.Types[1], std::string("Pics jpg"));
        store.Values.clear();
        Save(fields);
        QCOMPARE(store.Values["Othertype1"], std::string("Pics jpg;png"));
        QCOMPARE(store.Values["Othertype2"], std::string("My Pics jpg"));
    }

    void otherGroupWithoutSpaceIsAllTypes() {
        store.Values = {{"Othertype1", "jpg;png"}};
        const Fields fields = Loaded();
        QCOMPARE(fields.Folders[0], std::string());
        QCOMPARE(fields.Types[0], std::string("jpg;png"));
    }

    void emptyFieldsLeaveStoredValuesAndFilesAlone() {
        store.Values = {{"Othertype1", "Pics jpg"}, {"Customtype", "xyz"}};
        data->File(kWordListFileName, "alpha\r\nbeta");
        data->File(kSourceListFileName, "/a\r\n");
        Fields fields; // empty Other groups, word list and source list
        fields.FilterGroup = kCustomFilterEntry;
        fields.FilterOn = true;
        fields.FilterText = "";
        Save(fields);
        QCOMPARE(store.Values["Othertype1"], std::string("Pics jpg"));
        QCOMPARE(store.Values["Customtype"], std::string("xyz"));
        QCOMPARE(data->Read(kWordListFileName), std::string("alpha\r\nbeta"));
        QCOMPARE(data->Read(kSourceListFileName), std::string("/a\r\n"));
        QVERIFY(boxes.Shown.empty());
    }

    void customTypeIsSavedOnlyUnderCustomFilesWithTheFilterOn() {
        store.Values = {{"Customtype", "old"}};
        Fields fields;
        fields.FilterText = "new";
        fields.FilterOn = true;
        fields.FilterGroup = 0;
        Save(fields);
        QCOMPARE(store.Values["Customtype"], std::string("old"));
        fields.FilterGroup = kCustomFilterEntry;
        fields.FilterOn = false;
        Save(fields);
        QCOMPARE(store.Values["Customtype"], std::string("old"));
        fields.FilterOn = true;
        Save(fields);
        QCOMPARE(store.Values["Customtype"], std::string("new"));
    }

    void twelveHistoryEntriesStoreTheFirstTen() {
        Fields fields;
        for (int i = 0; i < 12; ++i)
            fields.History.push_back("/out/" + std::to_string(i));
        Save(fields);
        const auto stored = StoredHistory(store);
        QCOMPARE(stored.size(), std::size_t(10));
        QCOMPARE(store.Values["Folder0"], std::string("/out/0"));
        QCOMPARE(store.Values["Folder9"], std::string("/out/9"));
        QVERIFY(!store.Values.contains("Folder10"));
    }

    void threeHistoryEntriesDeleteTheStoredRest() {
        for (int i = 0; i < 10; ++i)
            store.Values[HistoryValueName(i)] = "/old/" + std::to_string(i);
        Fields fields;
        fields.History = {"/a", "/b", "/c"};
        Save(fields);
        QCOMPARE(StoredHistory(store), (std::vector<std::string>{"Folder0=/a", "Folder1=/b", "Folder2=/c"}));
    }

    void historyStopsAtAGapAndDeletesSurplusValues() {
        store.Values = {{"Folder0", "/a"}, {"Folder1", "/b"}, {"Folder3", "/d"}};
        QCOMPARE(Loaded().History, (std::vector<std::string>{"/a", "/b"}));
        QCOMPARE(store.Values["Folder3"], std::string("/d"));

        store.Values.clear();
        for (int i = 0; i < 13; ++i)
            store.Values[HistoryValueName(i)] = "/h" + std::to_string(i);
        QCOMPARE(Loaded().History.size(), std::size_t(10));
        QCOMPARE(StoredHistory(store).size(), std::size_t(10));
        QVERIFY(!store.Values.contains("Folder10") && !store.Values.contains("Folder12"));
    }

    void aValueOfAnotherTypeStopsTheLoaderAndTheSaverKeepsWhatItDidNotRead() {
        store.Values = {{"Music", "ogg"}, {"Othertype1", "Pics jpg"}, {"Folder0", "/a"}, {"Folder1", "/b"}};
        store.NonTextValues = {"Image"};
        data->File(kWordListFileName, "word");
        data->File(kJournalFileName, "Move Mode\r\n");
        data->File(kSourceListFileName, "/a\r\n");
        Fields fields;
        const LoadedSettings loaded = LoadSettings(fields, Places());
        QCOMPARE(boxes.Shown.size(), std::size_t(1));
        QCOMPARE(boxes.Shown[0].Caption, std::string("Error"));
        QVERIFY(boxes.Shown[0].Text.find("Image") != std::string::npos);
        QCOMPARE(fields.Groups[0], std::string("ogg"));
        QVERIFY(fields.Folders[0].empty());
        QVERIFY(fields.Words.empty());
        QVERIFY(fields.History.empty());
        QVERIFY(!fields.UndoEnabled);
        QVERIFY(!fields.LoadLastListShown);
        QCOMPARE(store.OpenNow, 0);

        const auto stored = store.Values;
        Save(fields, loaded);
        QCOMPARE(store.Values, stored);
        QCOMPARE(data->Read(kWordListFileName), std::string("word"));
        // Entries of this session go before the unread ones, as if the history had been read.
        fields.History = {"/new", "/B"};
        Save(fields, loaded);
        QCOMPARE(StoredHistory(store),
                 (std::vector<std::string>{"Folder0=/new", "Folder1=/B", "Folder2=/a"}));
        QCOMPARE(boxes.Shown.size(), std::size_t(1));

        // A history that cannot be read is not replaced: the entries of this session are not kept then.
        store.NonTextValues = {"Folder1"};
        Save(fields, loaded);
        QCOMPARE(store.Values["Folder0"], std::string("/new"));
        QVERIFY(store.NonTextValues.contains("Folder1"));
        QCOMPARE(boxes.Shown.size(), std::size_t(2));
        QVERIFY(boxes.Shown[1].Text.find("history") != std::string::npos);
    }

    // The window's place has a group of its own and comes back whole; the other values stay as they were.
    void theWindowsPlaceIsKeptInAGroupOfItsOwn() {
        Fields fields;
        Save(fields);
        const auto without = store.Values;
        fields.Window = {std::array<int, 4>{-12, 40, 900, 640}, true, {210, 330}, "size"};
        Save(fields);
        auto window = store.Values;
        for (const auto& [name, value] : without)
            QCOMPARE(window[name], value);
        std::erase_if(window, [&](const auto& value) { return without.contains(value.first); });
        QCOMPARE(window, (std::map<std::string, std::string>{{"Window/Geometry", "-12,40,900,640"},
                                                             {"Window/Maximized", "true"},
                                                             {"Window/Method", "size"},
                                                             {"Window/Splitter", "210,330"}}));
        const WindowPlace place = ReadWindowPlace(*store.Open());
        QVERIFY(place.Geometry == fields.Window.Geometry);
        QVERIFY(place.Maximized);
        QCOMPARE(place.SplitterSizes, (std::vector<int>{210, 330}));
        QCOMPARE(Loaded().MethodShown, std::string("size"));
    }

    // A hand-edited value not in its form is left out, the window keeps its own.
    void aWindowPlaceNotInItsFormIsLeftOut_data() {
        QTest::addColumn<QString>("geometry");
        QTest::addColumn<QString>("splitter");
        QTest::newRow("a word") << "12,40,wide,640"
                                << "210,x";
        QTest::newRow("too few") << "12,40,900"
                                 << "210,";
        QTest::newRow("no size") << "12,40,0,640"
                                 << ",210,330";
        QTest::newRow("past a number") << "12,40,900,640px"
                                       << "210;330";
    }
    void aWindowPlaceNotInItsFormIsLeftOut() {
        QFETCH(QString, geometry);
        QFETCH(QString, splitter);
        store.Values = {{"Window/Geometry", geometry.toStdString()},
                        {"Window/Splitter", splitter.toStdString()}};
        const WindowPlace place = ReadWindowPlace(*store.Open());
        QVERIFY(!place.Geometry);
        QVERIFY(place.SplitterSizes.size() != 2);
    }

    void journalAndSourceListFilesOfferUndoAndLoadLastList() {
        data->File(kJournalFileName, "Move Mode\r\n");
        data->File(kSourceListFileName, "/a\r\n");
        const Fields fields = Loaded();
        QVERIFY(fields.UndoEnabled);
        QVERIFY(fields.LoadLastListShown);
    }

    void aJournalLeftByACrashIsOfferedForUndo() {
        data->File(kJournalInProgressFileName, "Move Mode\r\n/src/a\r\n/dst/a\r\n");
        QVERIFY(Loaded().UndoEnabled);
        QCOMPARE(data->Read(kJournalFileName), std::string("Move Mode\r\n/src/a\r\n/dst/a\r\n"));
        QVERIFY(!data->Exists(kJournalInProgressFileName));
    }

    void wordListKeepsTheEncodingItWasLoadedIn() {
        data->File(kWordListFileName, "\xEF\xBB\xBF"
                                      "eins\r\nzwei\r\n");
        Fields fields = Loaded();
        QCOMPARE(fields.Words, std::string("eins\nzwei"));
        QCOMPARE(fields.Encoding, TextEncoding::Utf8WithMark);
        fields.Words += "\ndrei";
        Save(fields);
        QCOMPARE(data->Read(kWordListFileName), std::string("\xEF\xBB\xBF"
                                                            "eins\r\nzwei\r\ndrei"));
    }

    void sourceListIsWrittenOneLinePerPathWithoutMarkAndWithoutPathsThatBreakTheLine() {
        Fields fields;
        fields.Sources = {"/a b", "/two\nrows", "/c", "/cr\r"};
        Save(fields);
        QCOMPARE(data->Read(kSourceListFileName), std::string("/a b\r\n/c\r\n"));
        QCOMPARE(boxes.Shown.size(), std::size_t(1));
        QVERIFY(boxes.Shown[0].Text.find("/two\nrows") != std::string::npos);
        QVERIFY(boxes.Shown[0].Text.find("/cr\r") != std::string::npos);
    }

    void whatCannotBeWrittenIsToldInOneMessageAndTheRestIsSaved() {
        Fields fields;
        fields.Words = "word";
        fields.Sources = {"/a"};
        fields.Folders[0] = "Pics";
        fields.History = {"/out"};
        store.FailingWrites = {"Othertype1"};
        SettingsPlaces places = Places();
        places.DataFolder = data->Path() + "missing/";
        SaveSettings(fields, places, {.History = true});
        QCOMPARE(boxes.Shown.size(), std::size_t(1));
        for (const char* told : {"Othertype1", kWordListFileName, kSourceListFileName})
            QVERIFY2(boxes.Shown[0].Text.find(told) != std::string::npos, told);
        QCOMPARE(store.Values["Folder0"], std::string("/out"));
    }

    void writeSettingReportsAFailure() {
        store.FailingWrites = {"Music"};
        WriteSetting(Places(), "Music", "x");
        QCOMPARE(boxes.Shown.size(), std::size_t(1));
        WriteSetting(Places(), "Image", "y");
        QCOMPARE(store.Values["Image"], std::string("y"));
        QCOMPARE(store.OpenCount, 2);
        QCOMPARE(store.OpenNow, 0);
    }

    void qtStoreReadsWritesAndDeletesInATemporaryHome() {
        TempHome home;
        QtSettingsStore qtStore;
        {
            const auto key = qtStore.Open();
            QVERIFY(!key->Exists("Music"));
            key->WriteString("Music", "mp3, wma;ünï");
            key->WriteString("Folder0", "/out");
            key->Delete("Folder0");
        }
        const auto key = qtStore.Open();
        QVERIFY(key->Exists("Music"));
        QCOMPARE(key->ReadString("Music"), std::string("mp3, wma;ünï"));
        QVERIFY(!key->Exists("Folder0"));
        QVERIFY(fs.FileExists(home.SettingsFile()));
    }

    void qtStoreJudgesEveryValueAndEveryWriteOnItsOwn() {
        TempHome home;
        // As hand edits leave it: an unquoted comma makes a list, and Qt takes only ";" for a comment.
        home.WriteSettingsFile("[General]\nImage=jpg, png\nMusic=\"mp3;wma\"\n\n[Notes]\n# kept by hand\n");
        QtSettingsStore qtStore;
        {
            const auto key = qtStore.Open();
            QVERIFY(key->Exists("Image"));
            QVERIFY_THROWS_EXCEPTION(SettingsError, key->ReadString("Image"));
            QCOMPARE(key->ReadString("Music"), std::string("mp3;wma"));
            key->WriteString("Othertype1", "Pics jpg");
            key->WriteString("Folder0", "/out");
        }
        QCOMPARE(qtStore.Open()->ReadString("Folder0"), std::string("/out"));

        // A folder in the file's place: nothing can be written there, not even by root.
        QVERIFY(std::remove(home.SettingsFile().c_str()) == 0);
        QVERIFY(fs.MakeFolder(home.SettingsFile()));
        QVERIFY_THROWS_EXCEPTION(SettingsError, qtStore.Open()->WriteString("Folder0", "/other"));
    }

    void dataFolderCreatesEveryMissingLevel() {
        TempHome home;
        const std::string folder = MakeDataFolder(fs, UserDataLocation());
        QCOMPARE(folder, home.DataLocation() + "Quorvane/Varnolt/");
        QVERIFY(fs.FolderExists(folder));
        QCOMPARE(MakeDataFolder(fs, UserDataLocation()), folder);
    }

    void dataFolderWithoutLocationIsRelative() {
        TempDir current;
        char* previous = getcwd(nullptr, 0);
        QVERIFY(chdir(current.Path().c_str()) == 0);
        const std::string folder = MakeDataFolder(fs, "");
        const bool created = current.Exists("Quorvane/Varnolt");
        QVERIFY(chdir(previous) == 0);
        free(previous);
        QCOMPARE(folder, std::string("Quorvane/Varnolt/"));
        QVERIFY(created);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
