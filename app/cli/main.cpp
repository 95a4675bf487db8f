// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/Cli.h"
#include "platform/posix/Translations.h"

#include <clocale>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace {

// The messages in the user's language, from the translations of the window.
std::optional<varnolt::TranslationCatalog> UserTranslation() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    const std::string folder = varnolt::TranslationsFolder(program.parent_path());
    const auto language =
        varnolt::ChooseLanguage(varnolt::LanguagesFromEnvironment(), varnolt::ShippedLanguages(folder));
    if (!language) return std::nullopt;
    return varnolt::TranslationCatalog::Load(varnolt::TranslationFile(folder, *language));
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    std::ios::sync_with_stdio(false);
    varnolt::cli::InstallInterruptHandler();
    const std::vector<std::string> args(argv, argv + argc);
    // The progress line goes to standard error, so only it needs to be a terminal.
    const bool live = isatty(STDERR_FILENO);
    if (auto catalog = UserTranslation()) {
        varnolt::CatalogTranslator texts(std::move(*catalog));
        return varnolt::cli::RunCli(args, std::cout, std::cerr, live, texts);
    }
    return varnolt::cli::RunCli(args, std::cout, std::cerr, live);
}
