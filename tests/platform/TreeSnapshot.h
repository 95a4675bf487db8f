// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a tree holds, entry by entry, so that a test can tell whether an operation left it as it was.
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace varnolt::testing {

// One line per entry: its kind, permission bits, modification time and content, or a link's target.
using TreeSnapshot = std::map<std::string, std::string>;

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline std::string DescribeEntry(const std::string& path) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) return "missing";
    std::ostringstream line;
    if (S_ISLNK(info.st_mode)) return "link -> " + std::filesystem::read_symlink(path).string();
    line << std::oct << (info.st_mode & 07777) << std::dec << " mtime " << info.st_mtim.tv_sec << "."
         << info.st_mtim.tv_nsec << " ";
    if (S_ISDIR(info.st_mode)) {
        line << "folder";
    } else if (S_ISREG(info.st_mode)) {
        const std::string content = ReadBytes(path);
        if (content.size() <= 64)
            line << "file " << content;
        else
            line << "file of " << content.size() << " bytes, hash " << std::hash<std::string>{}(content);
    } else {
        line << "special";
    }
    return line.str();
}

// Every entry below `root` (not following links), by its path relative to `root`; the root itself as "".
// Nothing when `root` is missing.
inline TreeSnapshot Snapshot(const std::string& root) {
    namespace fs = std::filesystem;
    TreeSnapshot tree;
    std::error_code error;
    if (!fs::exists(fs::symlink_status(root, error))) return tree;
    tree[""] = DescribeEntry(root);
    if (!fs::is_directory(fs::symlink_status(root, error))) return tree;
    for (const auto& entry : fs::recursive_directory_iterator(root, error))
        tree[fs::relative(entry.path(), root).string()] = DescribeEntry(entry.path().string());
    return tree;
}

// What a folder holds, without the folder itself (whose modification time changes when an entry is
// made and removed again).
inline TreeSnapshot Content(const std::string& root) {
    TreeSnapshot tree = Snapshot(root);
    tree.erase("");
    return tree;
}

// The regular files below `root` with their content: what must never be lost.
inline std::map<std::string, std::string> FileContents(const std::string& root) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(root, error))
        if (entry.is_regular_file() && !entry.is_symlink())
            files[fs::relative(entry.path(), root).string()] = ReadBytes(entry.path().string());
    return files;
}

} // namespace varnolt::testing
