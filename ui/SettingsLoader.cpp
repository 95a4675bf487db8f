// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SettingsLoader.h"

#include "engine/RunJournal.h"
#include "engine/WordListFile.h"
#include "ui/DataFolder.h"

#include <charconv>

namespace varnolt {

namespace {

void ReadGroupLists(SettingsKey& key, PersistedFields& fields) {
    for (const auto& group : kTypeGroups)
        if (key.Exists(group.SettingsKey))
            fields.SetGroupTypes(group.Group, key.ReadString(group.SettingsKey));
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
    const auto content = LoadWordList(places.Fs, path, error);
    if (!content) throw SettingsError(CannotOpenFileText(path, error));
    fields.LoadWordList(*content);
}

// "12,-40,900,600": whole numbers between commas; nothing when any is not one.
std::vector<int> ReadNumbers(SettingsKey& key, const std::string& name) {
    const std::string text = key.ReadString(name);
    std::vector<int> numbers;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (at < end) {
        int number = 0;
        const auto [next, error] = std::from_chars(at, end, number);
        if (error != std::errc() || (next != end && *next != ',')) return {};
        numbers.push_back(number);
        at = next == end ? end : next + 1;
    }
    return numbers;
}

void ReadSettings(PersistedFields& fields, const SettingsPlaces& places, LoadedSettings& loaded) {
    {
        const auto key = places.Store.Open();
        ReadGroupLists(*key, fields);
        ReadOtherGroups(*key, fields);
        if (key->Exists("Customtype")) fields.SetCustomTypeList(key->ReadString("Customtype"));
        // The filter starts on its first entry, the Music group.
        fields.SetTypeFilterText(fields.GroupTypes(TypeGroup::Music));
        ReadWordList(places, fields);
        for (const std::string& entry : ReadStoredHistory(*key))
            fields.AppendResultHistory(entry);
        loaded.History = true;
        if (const WindowPlace place = ReadWindowPlace(*key); !place.MethodKey.empty())
            fields.ShowMethod(place.MethodKey);
    }
    if (places.Fs.FileExists(places.DataFolder + kJournalFileName)) fields.EnableUndo();
    if (places.Fs.FileExists(places.DataFolder + kSourceListFileName)) fields.ShowLoadLastList();
}

} // namespace

LoadedSettings LoadSettings(PersistedFields& fields, const SettingsPlaces& places) {
    RecoverInterruptedJournalIfFree(places.Fs, places.DataFolder);
    LoadedSettings loaded;
    try {
        ReadSettings(fields, places, loaded);
    } catch (const SettingsError& error) {
        ReportSettingsError(places.Boxes, error.what());
    }
    return loaded;
}

WindowPlace ReadWindowPlace(SettingsKey& key) {
    WindowPlace place;
    if (const auto geometry = ReadNumbers(key, kWindowGeometryName);
        geometry.size() == 4 && geometry[2] > 0 && geometry[3] > 0)
        place.Geometry = std::array<int, 4>{geometry[0], geometry[1], geometry[2], geometry[3]};
    place.Maximized = key.ReadString(kWindowMaximizedName) == "true";
    place.SplitterSizes = ReadNumbers(key, kWindowSplitterName);
    place.MethodKey = key.ReadString(kWindowMethodName);
    return place;
}

// Stops at the first missing index, so values after a gap stay as they are.
std::vector<std::string> ReadStoredHistory(SettingsKey& key) {
    std::vector<std::string> history;
    for (int i = 0;; ++i) {
        const std::string name = HistoryValueName(i);
        if (!key.Exists(name)) return history;
        if (i < kStoredHistoryLength)
            history.push_back(key.ReadString(name));
        else
            key.Delete(name);
    }
}

} // namespace varnolt
