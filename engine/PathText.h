// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths as text: "/" between levels, names, extensions and extension lists.
#include <string>
#include <string_view>

namespace varnolt {

// Paths use "/" between levels.
std::string WithTrailingSlash(std::string_view folder);
// The entry `name` of `folder`, built in one piece.
std::string PathIn(std::string_view folder, std::string_view name);
// The last component of a path (a trailing "/" is dropped first).
std::string NameOf(std::string_view path);
// The same, as a view into `path`: for the checks made of every item.
std::string_view NameViewOf(std::string_view path);
// From the last "." of the name to the end, dot included; empty when the name has no ".".
std::string ExtensionOf(std::string_view path);
// The path with its extension cut off the end.
std::string WithoutExtension(std::string_view path);
// The part up to and including the last "/"; empty when there is none.
std::string FolderPartOf(std::string_view path);
// A saved web page (".htm", ".html" in any letter case), which may have a folder of its resources.
bool IsWebPage(std::string_view path);

// Whether the extension e (without its dot) is an entry of the ";"-separated list; entries compare
// whole, so ".jpg" or " jpg" in the list never match "jpg", and an empty e matches nothing.
bool ExtensionMatches(std::string_view e, std::string_view list);

bool ContainsLineBreak(std::string_view text);

} // namespace varnolt
