// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/Cli.h"

#include <clocale>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    std::ios::sync_with_stdio(false);
    varnolt::cli::InstallInterruptHandler();
    // The progress line goes to standard error, so only it needs to be a terminal.
    return varnolt::cli::RunCli({argv, argv + argc}, std::cout, std::cerr, isatty(STDERR_FILENO));
}
