// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SettingsSaver.h"

#include "engine/Messages.h"
#include "engine/Text.h"
#include "engine/WordListFile.h"
#include "platform/qt/QtTranslator.h"
#include "ui/DataFolder.h"
#include "ui/SettingsLoader.h"

#include <QCoreApplication>
#include <algorithm>
#include <exception>
#include <initializer_list>
#include <string_view>

namespace varnolt {

namespace {

// A text of the settings code in the user's language, its placeholders filled after the translation.
std::string SettingsText(const char* english, std::initializer_list<std::string_view> arguments = {}) {
    return FillPlaceholders(QCoreApplication::translate("varnolt::Settings", english).toStdString(),
                            arguments);
}

void WriteOrThrow(SettingsStore& store, const std::string& name, const std::string& value) {
    store.Open()->WriteString(name, value);
}

void WriteFileOrThrow(bool written, const std::string& path, const std::string& error) {
    if (!written) throw SettingsError(CannotCreateFileText(path, error));
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
    if (fields.TypeFilterGroup() == kCustomFilterEntry && fields.UseTypeFilter() &&
        !fields.TypeFilterText().empty())
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
            notKept.push_back(SettingsText(
                QT_TRANSLATE_NOOP("varnolt::Settings", "The source \"%1\": its name holds a line break."),
                {path}));
        else
            paths.push_back(std::move(path));
    }
    if (paths.empty()) return;
    const std::string path = places.DataFolder + kSourceListFileName;
    std::string error;
    WriteFileOrThrow(places.Fs.ReplaceFile(path, EncodeTextFile(paths, TextEncoding::Plain), error), path,
                     error);
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
    for (int i = 0; i < count; ++i)
        key->WriteString(HistoryValueName(i), history[static_cast<std::size_t>(i)]);
    for (int i = count; key->Exists(HistoryValueName(i)); ++i)
        key->Delete(HistoryValueName(i));
}

std::string JoinNumbers(std::initializer_list<int> numbers) {
    std::string text;
    for (const int number : numbers)
        text += (text.empty() ? "" : ",") + std::to_string(number);
    return text;
}

void SaveWindowPlace(const WindowPlace& place, SettingsStore& store) {
    const auto key = store.Open();
    if (place.Geometry) {
        const auto& [x, y, width, height] = *place.Geometry;
        key->WriteString(kWindowGeometryName, JoinNumbers({x, y, width, height}));
        key->WriteString(kWindowMaximizedName, place.Maximized ? "true" : "false");
    }
    if (place.SplitterSizes.size() == 2)
        key->WriteString(kWindowSplitterName, JoinNumbers({place.SplitterSizes[0], place.SplitterSizes[1]}));
    if (!place.MethodKey.empty()) key->WriteString(kWindowMethodName, place.MethodKey);
}

} // namespace

void SaveSettings(const PersistedFields& fields, const SettingsPlaces& places, const LoadedSettings& loaded) {
    NotKept notKept;
    // Whatever goes wrong in one part, the others are saved and the window closes.
    const auto save = [&notKept](const char* part, const auto& step) {
        try {
            step();
        } catch (const std::exception& error) {
            //: %1: the part of the settings ("The word list"); %2: why it was not kept
            const char* entry = QT_TRANSLATE_NOOP("varnolt::Settings", "%1: %2");
            notKept.push_back(SettingsText(entry, {SettingsText(part), error.what()}));
        }
    };
    save(QT_TRANSLATE_NOOP("varnolt::Settings", "The Other groups"),
         [&] { SaveOtherGroups(fields, places.Store); });
    save(QT_TRANSLATE_NOOP("varnolt::Settings", "The Custom Files list"),
         [&] { SaveCustomTypeList(fields, places.Store); });
    save(QT_TRANSLATE_NOOP("varnolt::Settings", "The word list"), [&] { SaveWordList(fields, places); });
    save(QT_TRANSLATE_NOOP("varnolt::Settings", "The source list"),
         [&] { SaveSourceList(fields, places, notKept); });
    save(QT_TRANSLATE_NOOP("varnolt::Settings", "The history of result locations"),
         [&] { SaveHistory(fields, places.Store, loaded); });
    save(QT_TRANSLATE_NOOP("varnolt::Settings", "The window's size and place"),
         [&] { SaveWindowPlace(fields.Place(), places.Store); });
    if (notKept.empty()) return;
    std::string text = SettingsText(
        QT_TRANSLATE_NOOP("varnolt::Settings", "Not everything could be kept for the next start."));
    for (const std::string& line : notKept)
        text += "\n\n" + line;
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
    boxes.Show(text, TranslatedEngineText(Messages::Error), Buttons::Ok, Icon::Error);
}

std::string CannotOpenFileText(const std::string& path, const std::string& error) {
    return SettingsText(QT_TRANSLATE_NOOP("varnolt::Settings", "Cannot open file \"%1\". %2"), {path, error});
}

std::string CannotCreateFileText(const std::string& path, const std::string& error) {
    return SettingsText(QT_TRANSLATE_NOOP("varnolt::Settings", "Cannot create file \"%1\". %2"),
                        {path, error});
}

std::string HistoryValueName(int index) {
    return "Folder" + std::to_string(index);
}

} // namespace varnolt
