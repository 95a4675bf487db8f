#include "ui/SettingsLoader.h"

#include "engine/RunJournal.h"
#include "ui/DataFolder.h"

namespace varnolt {

namespace {

void ReadGroupLists(SettingsKey& key, PersistedFields& fields) {
    for (const auto& group : kTypeGroups)
        if (key.Exists(group.StoredName)) fields.SetGroupTypes(group.Group, key.ReadString(group.StoredName));
}

void ReadOtherGroups(SettingsKey& key, PersistedFields& fields) {
    for (int group = 0; group < 2; ++group) {
        const char* name = kOtherGroupStoredNames[static_cast<std::size_t>(group)];
        if (!key.Exists(name)) continue;
        const OtherGroupText text = SplitOtherGroup(key.ReadString(name));
        fields.SetOtherGroup(group, text.Folder, text.Types);
    }
}

void ReadWordList(const SettingsPlaces& places, PersistedFields& fields) {
    const std::string path = places.DataFolder + kWordListFileName;
    if (!places.Fs.FileExists(path)) return;
    std::string error;
    const auto bytes = places.Fs.ReadWholeFile(path, error);
    if (!bytes) throw SettingsError("Cannot open file \"" + path + "\". " + error);
    fields.LoadWordList(DecodeTextFile(*bytes));
}

// Stops at the first missing index, so values after a gap stay as they are.
void ReadHistory(SettingsKey& key, PersistedFields& fields) {
    for (int i = 0;; ++i) {
        const std::string name = HistoryValueName(i);
        if (!key.Exists(name)) return;
        if (i < kStoredHistoryLength)
            fields.AppendResultHistory(key.ReadString(name));
        else
            key.Delete(name);
    }
}

void ReadSettings(PersistedFields& fields, const SettingsPlaces& places) {
    {
        const auto key = places.Store.Open();
        ReadGroupLists(*key, fields);
        ReadOtherGroups(*key, fields);
        if (key->Exists("Customtype")) fields.SetCustomTypeList(key->ReadString("Customtype"));
        // The filter starts on its first entry, the Music group.
        fields.SetTypeFilterText(fields.GroupTypes(TypeGroup::Music));
        ReadWordList(places, fields);
        ReadHistory(*key, fields);
    }
    if (places.Fs.FileExists(places.DataFolder + kJournalFileName)) fields.EnableUndo();
    if (places.Fs.FileExists(places.DataFolder + kSourceListFileName)) fields.ShowLoadLastList();
}

} // namespace

void LoadSettings(PersistedFields& fields, const SettingsPlaces& places) {
    RecoverInterruptedJournalIfFree(places.Fs, places.DataFolder);
    try {
        ReadSettings(fields, places);
    } catch (const SettingsError& error) {
        ReportSettingsError(places.Boxes, error.what());
    }
}

} // namespace varnolt
