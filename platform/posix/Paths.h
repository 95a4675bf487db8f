// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splitting the paths handed to the file system.
#include <string>

namespace varnolt::posix {

// The path without its trailing "/"s; "/" stays "/".
std::string WithoutTrailingSlash(std::string path);
// The folder that holds `path`: "/a" for "/a/b", "/" for "/a", "." for a bare name.
std::string ParentOf(const std::string& path);
// `path` for n = 1, else `path` + " (n)": the names a folder takes when its own is taken.
std::string NumberedName(const std::string& path, int n);

} // namespace varnolt::posix
