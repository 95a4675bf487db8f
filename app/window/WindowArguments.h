// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of the window: varnolt [OPTIONS] [PATH...].
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace varnolt {

inline constexpr int kWindowExitUsage = 2;

// Answers --help and --version (argv[0] included), before anything needs a display: the exit status
// when the program should end at once, the text gone to `out`.
std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& args, std::ostream& out);

// The paths to open, made absolute, from what Qt left of the command line; an option the program does
// not know is refused with a text on `err`.
std::optional<std::vector<std::string>> PathsToOpen(const std::vector<std::string>& args, std::ostream& err);

} // namespace varnolt
