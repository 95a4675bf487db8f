#include "app/cli/Cli.h"

#include "app/cli/CommandLine.h"
#include "app/cli/Console.h"
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

void OnInterrupt(int) { interruptRequested = 1; }

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

bool PrepareDataFolder(const std::string& folder, std::ostream& err) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error) return true;
    err << "Can not create the data folder " << folder << ": " << error.message() << '\n';
    return false;
}

void Execute(const Request& request, Engine& engine, ConsoleProgress& progress, std::ostream& out) {
    switch (request.Action) {
    case Command::Preview:
        if (request.Json) {
            progress.OnPreviewItem = [&](const std::string& path, const std::string& category) {
                out << PlanLine(path, category, PlannedDestination(request.Options.ResultLocation, category, path));
            };
        }
        engine.PreviewCommand();
        progress.ClearLine();
        if (!request.Json && engine.Preview().HasNodes()) WritePreviewTree(engine.Preview(), out);
        return;
    case Command::Run:
        engine.Run();
        progress.ClearLine();
        if (!progress.StatusText(0).empty()) out << progress.StatusText(0) << '\n';
        return;
    case Command::Undo:
        engine.UndoLastRun();
        progress.ClearLine();
        if (!progress.StatusText(1).empty()) out << progress.StatusText(1) << '\n';
        return;
    }
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

void InstallInterruptHandler() {
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool live) {
    Request request;
    if (auto exit = ParseCommandLine(args, request, out, err)) return *exit;

    const std::string dataFolder =
        request.DataFolder.empty() ? DefaultDataFolder() : WithTrailingSlash(request.DataFolder);
    if (!PrepareDataFolder(dataFolder, err)) return kExitRefused;

    PosixFileSystem fs;
    ConsoleMessageBoxes boxes(request.Answers, err);
    Engine* running = nullptr;
    ConsoleProgress progress(err, live, [&] { return running ? running->State().ItemCount : 0; });
    QuietShell shell;
    LibraryEmbeddedDates dates;
    Engine engine(request.Options, {fs, boxes, progress, shell, progress, dates}, dataFolder);
    running = &engine;

    bool stopPressed = false;
    progress.OnPump = [&] {
        if (interruptRequested && !stopPressed && engine.IsWalking()) {
            stopPressed = true;
            engine.Stop();
        }
    };

    // The settings of the window, beside the data folder, are the program's own too.
    engine.KeepOutOfWalks(DefaultSettingsFolder());
    Execute(request, engine, progress, out);
    out.flush();
    if (boxes.Failed()) return kExitRefused;
    return stopPressed ? kExitInterrupted : kExitOk;
}

} // namespace varnolt::cli
