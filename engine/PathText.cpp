// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PathText.h"

#include "engine/Utf8.h"

namespace varnolt {

std::string WithTrailingSlash(std::string_view folder) {
    std::string out(folder);
    if (out.empty() || out.back() != '/') out += '/';
    return out;
}

std::string PathIn(std::string_view folder, std::string_view name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path.append(folder);
    if (path.empty() || path.back() != '/') path += '/';
    path.append(name);
    return path;
}

std::string_view NameViewOf(std::string_view path) {
    if (!path.empty() && path.back() == '/') path.remove_suffix(1);
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string NameOf(std::string_view path) {
    return std::string(NameViewOf(path));
}

std::string ExtensionOf(std::string_view path) {
    const std::string_view name = NameViewOf(path);
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string WithoutExtension(std::string_view path) {
    return std::string(path.substr(0, path.size() - ExtensionOf(path).size()));
}

std::string FolderPartOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

bool IsWebPage(std::string_view path) {
    const std::string extension = LowerAsciiLetters(ExtensionOf(path));
    return extension == ".htm" || extension == ".html";
}

bool ExtensionMatches(std::string_view e, std::string_view list) {
    if (e.empty()) return false;
    const std::string entry = ";" + std::string(e) + ";";
    const std::string wrapped = ";" + std::string(list) + ";";
    return wrapped.find(entry) != std::string::npos;
}

// Two memchr scans rather than find_first_of's test of every byte against the set: it runs twice for
// every item.
bool ContainsLineBreak(std::string_view text) {
    return text.find('\n') != std::string_view::npos || text.find('\r') != std::string_view::npos;
}

} // namespace varnolt
