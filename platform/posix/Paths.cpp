// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/Paths.h"

namespace varnolt::posix {

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string ParentOf(const std::string& path) {
    const std::string trimmed = WithoutTrailingSlash(path);
    const auto lastSlash = trimmed.rfind('/');
    if (lastSlash == std::string::npos) return ".";
    const auto parentEnd = trimmed.find_last_not_of('/', lastSlash);
    if (parentEnd == std::string::npos) return "/";
    return trimmed.substr(0, parentEnd + 1);
}

std::string NumberedName(const std::string& path, int n) {
    return n == 1 ? path : path + " (" + std::to_string(n) + ")";
}

} // namespace varnolt::posix
