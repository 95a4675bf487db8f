// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// varnolt-cli as a function, so that tests can run it in-process.
#include "platform/Translator.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace varnolt::cli {

// Runs one command line (argv[0] included) and returns the exit status. `live` draws the progress line;
// `texts` gives the messages in the user's language.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool live,
           Translator& texts = EnglishTexts::Instance());

// Ctrl-C presses Stop (the journal is still saved); a second Ctrl-C ends the process at once.
void InstallInterruptHandler();
// What Ctrl-C does, for the next command that runs: it stops at its first turn.
void RequestInterrupt();

// $XDG_DATA_HOME, or ~/.local/share, + "Quorvane/Varnolt/": the window's data folder.
std::string DefaultDataFolder();
// $XDG_CONFIG_HOME, or ~/.config, + "Quorvane/": the folder of the window's settings file.
std::string DefaultSettingsFolder();

} // namespace varnolt::cli
