// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/EngineFixture.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace varnolt {

void EngineFixture::TakeOptions() {
    const bool preview = engine.State().PreviewMode;
    const auto sources = std::exchange(options.SourceList, {});
    engine.PreviewCommand();
    options.SourceList = sources;
    engine.State().PreviewMode = preview;
    host.Notices.pop_back();
    host.Ends.pop_back();
}

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
