// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace varnolt {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "varnolt-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& relative, const std::string& content) const {
    const fs::path full = path_ + relative;
    fs::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
    return full.string();
}

std::string TempDir::Folder(const std::string& relative) const {
    fs::create_directories(path_ + relative);
    return path_ + relative;
}

std::string TempDir::Read(const std::string& relative) const {
    std::ifstream in(path_ + relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TempDir::Exists(const std::string& relative) const {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(path_ + relative, ignored));
}

} // namespace varnolt
