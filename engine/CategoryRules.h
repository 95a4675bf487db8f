// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether an item takes part in a command, and the category it goes to under the methods "name", "type",
// "size" and "number". Pure functions over the options and the facts of one item. A category is a path
// relative to the result location with "/" between its levels; an empty category means "not placed".
#include "engine/Options.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnolt {

// The exclusion filters of folder info files, shortcuts and thumbnail caches. Files only.
bool IsExcludedFile(const ClassifyOptions& options, std::string_view path);
// The type filter: true when the item may take part.
bool PassesTypeFilter(const ClassifyOptions& options, std::string_view path, bool isFile);

// A file's name without its last extension; a folder's whole name.
std::string BaseNameOf(std::string_view path, bool isFile);
// The first `count` characters, a-z upper-cased; empty for an empty base name.
std::string HeadLetterCategory(std::string_view baseName, std::int32_t count);
// The first non-empty word that occurs in the base name, case-sensitively; empty when none does.
std::string WordListCategory(std::string_view baseName, const std::vector<std::string>& words);
std::string NameCategory(const ClassifyOptions& options, std::string_view path, bool isFile);

// Files only: the first enabled group whose list holds the extension (the predefined groups in the order
// of kTypeGroups, their captions as folders, then the two Other groups), optionally with the extension
// as one more level; the extension alone when no group holds it and every type gets its own folder.
std::string TypeCategory(const ClassifyOptions& options, std::string_view path);

// "<lower><unit>-<upper><unit>": the half-open range of `stepBytes` that holds `size`, counted in
// steps of `step` units. Empty for a step that is not positive or a unit outside the list.
std::string SizeCategory(std::uint64_t size, std::int64_t stepBytes, std::int32_t step, int unit);

// Starts the next numbered folder when the current one holds `maxFilesPerFolder` items; returns
// whether it did.
bool AdvanceNumberedFolder(std::int32_t maxFilesPerFolder, std::int32_t& folderFillCount,
                           std::int32_t& folderSerial);
// "Batch" for serial 0, "Batch (n)" after that.
std::string NumberedFolderName(std::string_view subfolderName, std::int32_t serial);

// Whether every level of the category is a real folder name below the result location: not empty, not
// "." or "..", and free of NUL. A category that fails this would leave its place or the result location.
bool IsSafeCategory(std::string_view category);
// The category "." (a hidden file's one head letter): the result location itself.
inline constexpr std::string_view kResultFolderItself = ".";
// Whether a name typed for category folders gives real folder names below the result location: every
// level neither empty nor made of dots and blanks alone (which stand for "." or ".." where trailing
// dots and blanks are dropped), and no NUL.
bool IsUsableFolderName(std::string_view name);

} // namespace varnolt
