// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CategoryRules.h"

#include "engine/Text.h"

#include <algorithm>
#include <array>

namespace varnolt {

namespace {

// An extension worth looking up: more than the bare dot.
bool HasRealExtension(std::string_view extension) {
    return extension.size() > 1;
}

// The extension without its dot, every letter lower-cased.
std::string LoweredExtensionOf(std::string_view path) {
    return LowerAllLetters(ExtensionOf(path).substr(1));
}

struct OtherGroup {
    bool Enabled;
    std::string_view Types;
    std::string_view Folder;
};

} // namespace

bool IsExcludedFile(const ClassifyOptions& options, std::string_view path) {
    const std::string_view name = NameViewOf(path);
    // The Windows names are compared exactly: "Desktop.ini" and "thumbs.db" are the user's own files.
    return (options.ExcludeFolderInfoFile && name == "desktop.ini") ||
           (options.ExcludeShortcut && LowerAsciiLetters(ExtensionOf(name)) == ".lnk") ||
           (options.ExcludeThumbFile && name == "Thumbs.db");
}

bool PassesTypeFilter(const ClassifyOptions& options, std::string_view path, bool isFile) {
    if (!options.UseTypeFilter || options.MethodKey == Method::Type || options.TypeFilterText.empty())
        return true;
    if (!isFile || !HasRealExtension(ExtensionOf(path))) return false;
    return ExtensionMatches(LoweredExtensionOf(path), LowerAsciiLetters(options.TypeFilterText));
}

std::string BaseNameOf(std::string_view path, bool isFile) {
    const std::string name = NameOf(path);
    return isFile ? WithoutExtension(name) : name;
}

std::string HeadLetterCategory(std::string_view baseName, std::int32_t count) {
    if (count <= 0) return {};
    return UpperAsciiLetters(FirstCharacters(baseName, static_cast<std::size_t>(count)));
}

std::string WordListCategory(std::string_view baseName, const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        if (!word.empty() && baseName.find(word) != std::string_view::npos) return word;
    }
    return {};
}

std::string NameCategory(const ClassifyOptions& options, std::string_view path, bool isFile) {
    const std::string baseName = BaseNameOf(path, isFile);
    return options.NameByWordList ? WordListCategory(baseName, options.Words)
                                  : HeadLetterCategory(baseName, options.HeadLetterCount);
}

std::string TypeCategory(const ClassifyOptions& options, std::string_view path) {
    if (!HasRealExtension(ExtensionOf(path))) return {};
    const std::string extension = LoweredExtensionOf(path);
    const auto placed = [&](std::string_view folder) {
        return options.EveryTypeFolder ? std::string(folder) + "/" + extension : std::string(folder);
    };
    // Tried in this order; an extension listed twice goes to the earlier group.
    for (std::size_t i = 0; i < kTypeGroupCount; ++i) {
        const TypeGroupOption& group = options.Groups[i];
        if (group.Enabled && ExtensionMatches(extension, group.Types)) return placed(kTypeGroups[i].Caption);
    }
    const std::array<OtherGroup, 2> others{{
        {options.Other1Enabled, options.Other1Types, options.Other1Folder},
        {options.Other2Enabled, options.Other2Types, options.Other2Folder},
    }};
    for (const OtherGroup& group : others)
        if (group.Enabled && ExtensionMatches(extension, group.Types)) return placed(group.Folder);
    return options.EveryTypeFolder ? extension : std::string();
}

std::string SizeCategory(std::uint64_t size, std::int64_t stepBytes, std::int32_t step, int unit) {
    if (stepBytes <= 0 || step <= 0 || unit < UnitByte || unit > UnitGB) return {};
    const std::uint64_t steps = size / static_cast<std::uint64_t>(stepBytes);
    const std::uint64_t lower = static_cast<std::uint64_t>(step) * steps;
    const std::uint64_t upper = static_cast<std::uint64_t>(step) * (steps + 1);
    const std::string unitText = kSizeUnitTexts[unit];
    return std::to_string(lower) + unitText + "-" + std::to_string(upper) + unitText;
}

bool AdvanceNumberedFolder(std::int32_t maxFilesPerFolder, std::int32_t& folderFillCount,
                           std::int32_t& folderSerial) {
    if (folderFillCount < maxFilesPerFolder) return false;
    folderFillCount = 0;
    ++folderSerial;
    return true;
}

std::string NumberedFolderName(std::string_view subfolderName, std::int32_t serial) {
    std::string name(subfolderName);
    if (serial != 0) name += " (" + std::to_string(serial) + ")";
    return name;
}

bool IsSafeCategory(std::string_view category) {
    if (category.find('\0') != std::string_view::npos) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = category.find('/', start);
        const std::string_view level = category.substr(start, end - start);
        if (level.empty() || level == "." || level == "..") return false;
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

bool IsUsableFolderName(std::string_view name) {
    if (name.find('\0') != std::string_view::npos) return false;
    const auto dotOrBlank = [](char c) { return c == '.' || static_cast<unsigned char>(c) <= ' '; };
    for (std::size_t start = 0;;) {
        const std::size_t end = name.find('/', start);
        const std::string_view level = name.substr(start, end - start);
        if (std::all_of(level.begin(), level.end(), dotOrBlank)) return false; // an empty level too
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

} // namespace varnolt
