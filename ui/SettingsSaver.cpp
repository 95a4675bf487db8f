#include "ui/SettingsSaver.h"

#include "engine/Messages.h"
#include "engine/Text.h"
#include "ui/DataFolder.h"
#include "ui/SettingsLoader.h"
#include "ui/WordListFile.h"

#include <algorithm>
#include <exception>

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

// What could not be kept, one entry for each part, for the message at the end.
using NotKept = std::vector<std::string>;

// A path that holds a line break would come back as two rows, and a run cannot move it anyway: it is
// left out.
void SaveSourceList(const PersistedFields& fields, const SettingsPlaces& places, NotKept& notKept) {
    std::vector<std::string> paths;
    for (std::string& path : fields.SourcePaths()) {
        if (ContainsLineBreak(path))
            notKept.push_back("The source \"" + path + "\": its name holds a line break.");
        else
            paths.push_back(std::move(path));
    }
    if (paths.empty()) return;
    const std::string path = places.DataFolder + kSourceListFileName;
    std::string error;
    WriteFileOrThrow(places.Fs.ReplaceFile(path, EncodeTextFile(paths, TextEncoding::Plain), error), path, error);
}

// The window's entries and, when the start-up step did not get to read the stored ones, those behind
// them, as if each entry of the window had been put at the head of the stored history.
std::vector<std::string> HistoryToStore(const PersistedFields& fields, SettingsKey& key,
                                        const LoadedSettings& loaded) {
    std::vector<std::string> history = fields.ResultHistory();
    if (loaded.History) return history;
    const std::size_t fromWindow = history.size();
    for (const std::string& stored : ReadStoredHistory(key)) {
        const auto same = [lower = LowerAllLetters(stored)](const std::string& entry) {
            return LowerAllLetters(entry) == lower;
        };
        if (std::none_of(history.begin(), history.begin() + static_cast<std::ptrdiff_t>(fromWindow), same))
            history.push_back(stored);
    }
    return history;
}

// The first ten entries; every stored entry past them goes, up to the first gap. A history that was not
// read and got no entry since stays as it is stored.
void SaveHistory(const PersistedFields& fields, SettingsStore& store, const LoadedSettings& loaded) {
    if (!loaded.History && fields.ResultHistory().empty()) return;
    const auto key = store.Open();
    const auto history = HistoryToStore(fields, *key, loaded);
    const int count = std::min<int>(static_cast<int>(history.size()), kStoredHistoryLength);
    for (int i = 0; i < count; ++i) key->WriteString(HistoryValueName(i), history[static_cast<std::size_t>(i)]);
    for (int i = count; key->Exists(HistoryValueName(i)); ++i) key->Delete(HistoryValueName(i));
}

} // namespace

void SaveSettings(const PersistedFields& fields, const SettingsPlaces& places, const LoadedSettings& loaded) {
    NotKept notKept;
    // Whatever goes wrong in one part, the others are saved and the window closes.
    const auto save = [&notKept](const char* part, const auto& step) {
        try {
            step();
        } catch (const std::exception& error) {
            notKept.push_back(std::string(part) + ": " + error.what());
        }
    };
    save("The Other groups", [&] { SaveOtherGroups(fields, places.Store); });
    save("The Custom Files list", [&] { SaveCustomTypeList(fields, places.Store); });
    save("The word list", [&] { SaveWordList(fields, places); });
    save("The source list", [&] { SaveSourceList(fields, places, notKept); });
    save("The history of result locations", [&] { SaveHistory(fields, places.Store, loaded); });
    if (notKept.empty()) return;
    std::string text = "Not everything could be kept for the next start.";
    for (const std::string& line : notKept) text += "\n\n" + line;
    ReportSettingsError(places.Boxes, text);
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
