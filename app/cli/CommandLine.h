// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of varnolt-cli, mapped one to one onto ClassifyOptions.
#include "engine/Options.h"
#include "platform/Translator.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace varnolt::cli {

enum class Command { Preview, Run, Undo };

// How the questions of the engine are answered when the user gave no --yes or --no.
enum class AnswerPolicy { Sensible, Yes, No };

struct Request {
    Command Action = Command::Preview;
    ClassifyOptions Options;
    std::string DataFolder; // empty: the window's
    AnswerPolicy Answers = AnswerPolicy::Sensible;
    bool Json = false; // the preview as one JSON object a placed item, in place of the tree
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInterrupted = 130;

// Fills `request` from the arguments (argv[0] included). Returns an exit code when the program should
// end at once: after --help or --version (0) or a usage error (2); the texts go to `out` and `err`, the
// usage errors of the program's own in the language of `texts` (those of CLI11 and --help in English).
std::optional<int> ParseCommandLine(const std::vector<std::string>& args, Request& request, std::ostream& out,
                                    std::ostream& err, Translator& texts = EnglishTexts::Instance());

// Locale-aware, case-sensitive order with ties broken by bytes: the order of the window's source list.
void SortSourceList(std::vector<std::string>& sources);

} // namespace varnolt::cli
