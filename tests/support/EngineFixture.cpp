// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/EngineFixture.h"

#include <algorithm>
#include <filesystem>

namespace varnolt {

std::vector<std::string> EngineFixture::FilesBelow(const std::string& root) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_directory()) files.push_back(fs::relative(entry.path(), root).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace varnolt
