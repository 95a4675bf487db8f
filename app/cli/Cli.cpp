// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/Cli.h"

#include "app/cli/CommandLine.h"
#include "app/cli/Console.h"
#include "app/cli/ConsoleTexts.h"
#include "app/cli/JsonPlan.h"
#include "engine/Engine.h"
#include "engine/Text.h"
#include "platform/media/LibraryEmbeddedDates.h"
#include "platform/posix/PosixFileSystem.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace varnolt::cli {

namespace {

volatile std::sig_atomic_t interruptRequested = 0;

void OnInterrupt(int) {
    interruptRequested = 1;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

bool PrepareDataFolder(const std::string& folder, std::ostream& err, Translator& texts) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error) return true;
    err << "varnolt-cli: "
        << FillPlaceholders(texts.Translate(Texts::DataFolderUnmade), {folder, error.message()}) << '\n';
    return false;
}

void Execute(const Request& request, Engine& engine, ConsoleHost& host, std::ostream& out) {
    switch (request.Action) {
    case Command::Preview:
        engine.PreviewCommand();
        host.ClearLine();
        if (!request.Json && engine.Preview().HasNodes()) WritePreviewTree(engine.Preview(), out);
        return;
    case Command::Run:
        engine.Run();
        return;
    case Command::Undo:
        engine.UndoLastRun();
        return;
    }
}

// A source that is not there is most likely mistyped: nothing runs, and the journal of the last run stays.
bool SourcesExist(const Request& request, FileSystem& fs, ConsoleHost& host) {
    bool all = true;
    for (const std::string& source : request.Options.SourceList) {
        if (fs.EntryExists(source)) continue;
        host.Complain(source + ": " + std::make_error_code(std::errc::no_such_file_or_directory).message());
        all = false;
    }
    return all;
}

} // namespace

std::string DefaultDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string base = xdg && xdg[0] == '/' ? xdg : HomeFolder() + "/.local/share";
    return WithTrailingSlash(base) + "Quorvane/Varnolt/";
}

std::string DefaultSettingsFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string base = xdg && xdg[0] == '/' ? xdg : HomeFolder() + "/.config";
    return WithTrailingSlash(base) + "Quorvane/";
}

void RequestInterrupt() {
    interruptRequested = 1;
}

void InstallInterruptHandler() {
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool live,
           Translator& texts) {
    Request request;
    if (auto exit = ParseCommandLine(args, request, out, err, texts)) return *exit;

    const std::string dataFolder =
        request.DataFolder.empty() ? DefaultDataFolder() : WithTrailingSlash(request.DataFolder);
    if (!PrepareDataFolder(dataFolder, err, texts)) return kExitRefused;

    PosixFileSystem fs;
    ConsoleHost host(request, out, err, live, texts);
    if (request.Action != Command::Undo && !SourcesExist(request, fs, host)) return kExitRefused;
    QuietShell shell;
    LibraryEmbeddedDates dates;
    Engine engine(request.Options, {fs, host, host, shell, dates}, dataFolder);

    bool stopPressed = false;
    host.OnPump = [&] {
        if (interruptRequested && !stopPressed && engine.IsWalking()) {
            stopPressed = true;
            engine.Stop();
        }
    };

    // The settings of the window, beside the data folder, are the program's own too.
    engine.KeepOutOfWalks(DefaultSettingsFolder());
    Execute(request, engine, host, out);
    out.flush();
    interruptRequested = 0;
    return stopPressed ? kExitInterrupted : host.ExitCode();
}

} // namespace varnolt::cli
