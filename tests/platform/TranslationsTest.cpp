// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped translation chosen for the user's languages, and message files read without Qt.
#include "platform/posix/Translations.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace varnolt {
namespace {

TEST(Translations, TheFirstPreferredLanguageShippedWinsUnlessEnglishComesFirst) {
    const std::vector<std::string> shipped = {"de", "fr", "ja", "pt_BR", "zh_CN"};
    struct Case {
        std::vector<std::string> Preferred;
        std::optional<std::string> Chosen;
    };
    const Case cases[] = {
        {{"de_DE.UTF-8"}, "de"},
        {{"de-AT"}, "de"},
        {{"pt_BR.UTF-8@latin"}, "pt_BR"},
        {{"pt_PT"}, "pt_BR"},
        {{"zh-Hans-CN"}, "zh_CN"},
        {{"nl", "", "fr_CA"}, "fr"},
        {{"en_US.UTF-8", "de"}, std::nullopt},
        {{"C.UTF-8"}, std::nullopt},
        {{"POSIX"}, std::nullopt},
        {{"ko_KR"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseLanguage(c.Preferred, shipped), c.Chosen) << testing::PrintToString(c.Preferred);
}

// A message file as lrelease writes it: the magic, then a block of messages, each its tagged fields.
std::string Field(char tag, const std::string& bytes) {
    const auto n = static_cast<std::uint32_t>(bytes.size());
    return std::string{tag, static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
                       static_cast<char>(n)} +
           bytes;
}
std::string MessageFile(const std::string& messages) {
    return std::string("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd", 16) +
           Field('\x69', messages);
}

TEST(Translations, AMessageFileGivesItsTranslationsInUtf8) {
    // "Zé" and a character beyond the 16-bit plane, as UTF-16 big-endian.
    const std::string translation("\0Z\0\xe9\xd8\x3d\xde\x00", 8);
    const std::string message = Field('\x03', translation) + Field('\x08', "") + Field('\x06', "Zed") +
                                Field('\x07', kEngineTextsContext) + '\x01';
    const std::string disambiguated = Field('\x03', std::string("\0X", 2)) + Field('\x08', "other") +
                                      Field('\x06', "Zed") + Field('\x07', kEngineTextsContext) + '\x01';
    const auto catalog = TranslationCatalog::Parse(MessageFile(message + disambiguated));
    ASSERT_TRUE(catalog);
    ASSERT_NE(catalog->Find(kEngineTextsContext, "Zed"), nullptr);
    EXPECT_EQ(*catalog->Find(kEngineTextsContext, "Zed"), "Z\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(catalog->Find("varnolt::MainWindow", "Zed"), nullptr);
    EXPECT_EQ(CatalogTranslator(*catalog).Translate("Not there"), "Not there");

    // Cut short, or not a message file: nothing, rather than half a catalog.
    EXPECT_FALSE(TranslationCatalog::Parse(MessageFile(message).substr(0, 40)));
    EXPECT_FALSE(TranslationCatalog::Parse(MessageFile(message.substr(0, message.size() - 1))));
    EXPECT_FALSE(TranslationCatalog::Parse("<?xml version=\"1.0\"?><TS/>"));
}

} // namespace
} // namespace varnolt
