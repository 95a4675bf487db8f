// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ClassifyOptions: every option that a command reads. The window keeps it in step with its controls and
// the engine reads a field at the moment it uses it, so a change made during a run applies to the items
// handled after it.
#include "engine/TypeGroups.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnolt {

namespace Method {
inline constexpr const char* Date = "date";
inline constexpr const char* Name = "name";
inline constexpr const char* Number = "number";
inline constexpr const char* Type = "type";
inline constexpr const char* Size = "size";
} // namespace Method

enum SizeUnitIndex : int { UnitByte = 0, UnitKB = 1, UnitMB = 2, UnitGB = 3 };
// DateTaken: the date a photo or video carries inside it, else its last write time.
enum TimeKindIndex : int { CreationTime = 0, LastAccessTime = 1, LastWriteTime = 2, DateTaken = 3 };

inline constexpr const char* kSizeUnitTexts[] = {"byte", "KB", "MB", "GB"};

// Ranges of the number boxes.
inline constexpr std::int32_t kPreviewLimitMin = 1, kPreviewLimitMax = 32767;
inline constexpr std::int32_t kHeadLetterCountMin = 1, kHeadLetterCountMax = 100;
inline constexpr std::int32_t kSizeStepMin = 1, kSizeStepMax = 32767;
inline constexpr std::int32_t kMaxFilesPerFolderMin = 1, kMaxFilesPerFolderMax = 32767;

// A predefined type group as a command reads it: whether it is on, and its extension list.
struct TypeGroupOption {
    bool Enabled = false;
    std::string Types;
};
using TypeGroupOptions = std::array<TypeGroupOption, kTypeGroupCount>;

// Every group off, with its default list.
inline TypeGroupOptions DefaultTypeGroupOptions() {
    TypeGroupOptions groups;
    for (std::size_t i = 0; i < kTypeGroupCount; ++i)
        groups[i].Types = kTypeGroups[i].DefaultTypes;
    return groups;
}

struct ClassifyOptions {
    // Sources, target and method.
    std::vector<std::string> SourceList; // sorted by the window
    std::string ResultLocation;
    std::string MethodKey; // one of Method::*, or empty

    // General options.
    bool MoveSourceFiles = true;
    bool IncludeSubfolders = false;
    bool IncludeFolderName = false;
    bool OnlyClassifySubfolder = false;
    bool ExcludeShortcut = true;
    bool ExcludeFolderInfoFile = true;
    bool ExcludeThumbFile = true;
    // A photo's ".xmp" sidecar goes where the photo goes.
    bool KeepSidecars = true;
    bool LimitPreview = false;
    std::int32_t PreviewLimit = 1000;
    bool UseTypeFilter = false;
    std::string TypeFilterText = InfoOf(TypeGroup::Music).DefaultTypes; // the filter's first entry
    int TypeFilterGroup = 0;

    // Method "name".
    bool NameByWordList = false;
    std::int32_t HeadLetterCount = 1;
    std::vector<std::string> Words;

    // Method "type": the predefined groups, in the order of kTypeGroups, and the two free Other groups.
    TypeGroupOptions Groups = DefaultTypeGroupOptions();
    TypeGroupOption& Group(TypeGroup group) { return Groups[IndexOf(group)]; }
    const TypeGroupOption& Group(TypeGroup group) const { return Groups[IndexOf(group)]; }
    bool AnyGroupEnabled() const {
        for (const TypeGroupOption& group : Groups)
            if (group.Enabled) return true;
        return false;
    }
    bool Other1Enabled = false;
    std::string Other1Folder;
    std::string Other1Types;
    bool Other2Enabled = false;
    std::string Other2Folder;
    std::string Other2Types;
    bool EveryTypeFolder = false;

    // Method "size".
    std::int32_t SizeStep = 100;
    int SizeUnit = UnitKB;

    // Method "date".
    int TimeKind = LastWriteTime;
    bool ByYear = true;
    bool ByMonth = true;
    bool ByWeek = false;
    bool ByDay = true;
    bool ByHour = false;
    bool IncludeMinute = false;
    bool IncludeSecond = false;
    bool GroupedSubfolders = false;
    bool NumberMonth = true;
    bool AbbrMonth = false;

    // Method "number".
    std::int32_t MaxFilesPerFolder = 100;
    std::string SubfolderName;
};

} // namespace varnolt
