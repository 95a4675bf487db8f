// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/WindowArguments.h"

#include "app/AbsolutePath.h"

#include <ostream>

namespace varnolt {

namespace {

const char* const kHelp = R"(Usage: varnolt [OPTIONS] [PATH...]
Sorts many files at once into category folders, with a preview and an undo of the last run.

Opens the window with the folders and files PATH... in its source list, added as the Folder and Files
buttons add them once the settings have loaded. A PATH that does not exist is left out, and one box
names what was left out. There is one window per user: while it is open, a second start hands its
PATHs to it, brings it to the front and ends.

Options:
  -h, --help     Print this help message and exit
  --version      Display program version information and exit
  --             Every word after it is a PATH, also one that starts with "-"

The options of Qt programs are understood too (-platform, -style, -reverse, ...).
varnolt-cli runs the same classification from a shell; see varnolt-cli --help.
)";

constexpr const char* kEndOfOptions = "--";

bool IsOption(const std::string& word) {
    return word.size() > 1 && word.front() == '-';
}

} // namespace

std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args, std::ostream& out) {
    for (std::size_t i = 1; i < args.size() && args[i] != kEndOfOptions; ++i) {
        if (args[i] == "-h" || args[i] == "--help") {
            out << kHelp;
            return 0;
        }
        if (args[i] == "--version") {
            out << "varnolt " << VARNOLT_VERSION << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> PathsToOpen(const std::vector<std::string>& args, std::ostream& err) {
    std::vector<std::string> paths;
    bool options = true;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (options && args[i] == kEndOfOptions) {
            options = false;
        } else if (options && IsOption(args[i])) {
            err << "varnolt: unknown option " << args[i] << "\nRun with --help for more information.\n";
            return std::nullopt;
        } else if (!args[i].empty()) {
            paths.push_back(AbsolutePath(args[i]));
        }
    }
    return paths;
}

} // namespace varnolt
