#include "ui/SettingsSaver.h"

#include "engine/Messages.h"
#include "ui/DataFolder.h"
#include "ui/WordListFile.h"

#include <algorithm>

namespace varnolt {

namespace {

void WriteOrThrow(SettingsStore& store, const std::string& name, const std::string& value) {
    store.Open()->WriteString(name, value);
}

void WriteFileOrThrow(bool written, const std::string& path, const std::string& error) {
    if (!written) throw SettingsError("Cannot create file \"" + path + "\". " + error);
}

void SaveOtherGroups(const PersistedFields& fields, SettingsStore& store) {
    for (int group = 0; group < 2; ++group) {
        const std::string folder = fields.OtherFolder(group);
        if (!folder.empty())
            WriteOrThrow(store, kOtherGroupStoredNames[static_cast<std::size_t>(group)],
                         JoinOtherGroup(folder, fields.OtherTypes(group)));
    }
}

void SaveCustomTypeList(const PersistedFields& fields, SettingsStore& store) {
    if (fields.TypeFilterGroup() == kCustomFilterEntry && fields.UseTypeFilter() && !fields.TypeFilterText().empty())
        WriteOrThrow(store, "Customtype", fields.TypeFilterText());
}

void SaveWordList(const PersistedFields& fields, const SettingsPlaces& places) {
    const std::string text = fields.WordListText();
    if (text.empty()) return;
    const std::string path = places.DataFolder + kWordListFileName;
    std::string error;
    WriteFileOrThrow(SaveWordList(places.Fs, path, text, fields.WordListEncoding(), error), path, error);
}

void SaveSourceList(const PersistedFields& fields, const SettingsPlaces& places) {
    const auto paths = fields.SourcePaths();
    if (paths.empty()) return;
    const std::string path = places.DataFolder + kSourceListFileName;
    std::string error;
    WriteFileOrThrow(places.Fs.ReplaceFile(path, EncodeTextFile(paths, TextEncoding::Plain), error), path, error);
}

// The first ten entries; every stored entry past them goes, up to the first gap.
void SaveHistory(const PersistedFields& fields, SettingsStore& store) {
    const auto history = fields.ResultHistory();
    const int count = std::min<int>(static_cast<int>(history.size()), kStoredHistoryLength);
    const auto key = store.Open();
    for (int i = 0; i < count; ++i) key->WriteString(HistoryValueName(i), history[static_cast<std::size_t>(i)]);
    for (int i = count; key->Exists(HistoryValueName(i)); ++i) key->Delete(HistoryValueName(i));
}

} // namespace

void SaveSettings(const PersistedFields& fields, const SettingsPlaces& places) {
    try {
        SaveOtherGroups(fields, places.Store);
        SaveCustomTypeList(fields, places.Store);
        SaveWordList(fields, places);
        SaveSourceList(fields, places);
        SaveHistory(fields, places.Store);
    } catch (const SettingsError& error) {
        ReportSettingsError(places.Boxes, error.what());
    }
}

void WriteSetting(const SettingsPlaces& places, const std::string& name, const std::string& value) {
    try {
        WriteOrThrow(places.Store, name, value);
    } catch (const SettingsError& error) {
        ReportSettingsError(places.Boxes, error.what());
    }
}

void ReportSettingsError(MessageBoxes& boxes, const std::string& text) {
    boxes.Show(text, Messages::Error, Buttons::Ok, Icon::Error);
}

std::string HistoryValueName(int index) { return "Folder" + std::to_string(index); }

} // namespace varnolt
