// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/ScriptedFileDialogs.h"

namespace varnolt {

namespace {
template <typename T> T Next(std::deque<T>& answers) {
    if (answers.empty()) return T();
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}
} // namespace

std::string ScriptedFileDialogs::BrowseForFolder(const std::string& title) {
    ++Shown;
    FolderTitles.push_back(title);
    return Next(Folders);
}

std::vector<std::string> ScriptedFileDialogs::OpenFiles(const std::string& filter, bool) {
    ++Shown;
    OpenFilters.push_back(filter);
    return Next(OpenedFiles);
}

std::string ScriptedFileDialogs::SaveFile(const std::string& filter, const std::string&) {
    ++Shown;
    SaveFilters.push_back(filter);
    return Next(SavedFiles);
}

} // namespace varnolt
