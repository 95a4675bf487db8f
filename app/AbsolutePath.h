// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths given on a command line, made independent of the working folder they were typed in.
#include <filesystem>
#include <string>

namespace varnolt {

// Absolute and lexically normal, without a trailing "/" (as the folder dialogs give them); "" stays "".
inline std::string AbsolutePath(const std::string& path) {
    if (path.empty()) return path;
    std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
    while (absolute.size() > 1 && absolute.back() == '/')
        absolute.pop_back();
    return absolute;
}

} // namespace varnolt
