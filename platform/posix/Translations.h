// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translations shipped with the program, found and read without Qt: the window hands them to Qt,
// varnolt-cli reads them itself. A translation is a Qt message file, translations/varnolt_<language>.qm.
#include "platform/Translator.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnolt {

// The user's languages in the order of preference, as the C library and Qt read them: $LANGUAGE (a
// colon-separated list), then the first of $LC_ALL, $LC_MESSAGES and $LANG.
std::vector<std::string> LanguagesFromEnvironment();

// The shipped language for the user's `preferred` languages ("de_DE.UTF-8", "pt-BR", "zh"): the first
// of them that a shipped one matches, whole or by its language part. None when English (or "C") comes
// first, or when nothing matches: the texts are then the English ones of the sources.
std::optional<std::string> ChooseLanguage(const std::vector<std::string>& preferred,
                                          const std::vector<std::string>& shipped);

// The languages of the varnolt_<language>.qm files in `folder`, sorted.
std::vector<std::string> ShippedLanguages(const std::string& folder);

// Where the translations lie: translations/ beside the program in the build tree, share/varnolt/
// translations/ of an installed one.
std::string TranslationsFolder(const std::string& programFolder);

// The file of `language` in `folder`.
std::string TranslationFile(const std::string& folder, std::string_view language);

// The translated texts of one message file, by context and English text, in UTF-8.
class TranslationCatalog {
  public:
    // None when the file cannot be read or is not a message file.
    static std::optional<TranslationCatalog> Load(const std::string& path);
    // The bytes of a message file; none when they are not one.
    static std::optional<TranslationCatalog> Parse(std::string_view bytes);

    // Null when the text has no translation.
    const std::string* Find(std::string_view context, std::string_view english) const;

  private:
    using Texts = std::map<std::string, std::string, std::less<>>;
    std::map<std::string, Texts, std::less<>> contexts_;
};

// The engine's texts from a catalog, the English text where it has none.
class CatalogTranslator final : public Translator {
  public:
    explicit CatalogTranslator(TranslationCatalog catalog) : catalog_(std::move(catalog)) {}
    std::string_view Translate(const char* english) override;

  private:
    TranslationCatalog catalog_;
};

} // namespace varnolt
