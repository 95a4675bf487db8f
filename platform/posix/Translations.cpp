// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/Translations.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace varnolt {

namespace {

constexpr std::string_view kFilePrefix = "varnolt_";
constexpr std::string_view kFileSuffix = ".qm";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "de_DE.UTF-8@euro" -> "de_DE", "pt-BR" -> "pt_BR".
std::string Normalised(std::string language) {
    language = language.substr(0, language.find_first_of(".@"));
    std::replace(language.begin(), language.end(), '-', '_');
    return language;
}

std::string_view LanguagePart(std::string_view language) {
    return language.substr(0, language.find('_'));
}

bool IsEnglish(std::string_view language) {
    return language == "C" || language == "POSIX" || LanguagePart(language) == "en";
}

std::optional<std::string> ShippedMatch(const std::string& wanted, const std::vector<std::string>& shipped) {
    for (const std::string& candidate : shipped)
        if (candidate == wanted) return candidate;
    // German of Austria gets German, Chinese without a region the shipped Chinese.
    for (const std::string& candidate : shipped)
        if (LanguagePart(candidate) == LanguagePart(wanted)) return candidate;
    return std::nullopt;
}

bool IsFolder(const std::string& path) {
    struct stat facts {};
    return stat(path.c_str(), &facts) == 0 && S_ISDIR(facts.st_mode);
}

// The message file's big-endian numbers and tagged blocks, read from the front.
class QmReader {
  public:
    explicit QmReader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return bytes_.empty(); }
    std::optional<std::uint8_t> Byte() {
        if (bytes_.empty()) return std::nullopt;
        const auto value = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return value;
    }
    std::optional<std::uint32_t> Number() {
        if (bytes_.size() < 4) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | static_cast<std::uint8_t>(bytes_[static_cast<std::size_t>(i)]);
        bytes_.remove_prefix(4);
        return value;
    }
    std::optional<std::string_view> Bytes(std::uint32_t length) {
        if (bytes_.size() < length) return std::nullopt;
        const std::string_view value = bytes_.substr(0, length);
        bytes_.remove_prefix(length);
        return value;
    }
    // A length, then that many bytes.
    std::optional<std::string_view> Block() {
        const auto length = Number();
        return length ? Bytes(*length) : std::nullopt;
    }

  private:
    std::string_view bytes_;
};

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The translations are stored as UTF-16, big-endian.
std::string Utf8FromUtf16(std::string_view bytes) {
    std::string out;
    auto unit = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i]) << 8 |
                                          static_cast<std::uint8_t>(bytes[i + 1]));
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unit(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size()) {
            const std::uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, code);
    }
    return out;
}

// The tags of Qt's message files.
enum : std::uint8_t {
    kMessagesBlock = 0x69,
    kEnd = 1,
    kSourceText16 = 2,
    kTranslation = 3,
    kContext16 = 4,
    kObsolete1 = 5,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};
constexpr std::string_view kMagic = "\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd";
constexpr std::uint32_t kNoTranslation = 0xFFFFFFFF;

struct Message {
    std::optional<std::string_view> Context, English, Comment;
    std::optional<std::string> Translation;
};

// One message up to its end tag; none when the block is cut or holds a tag of another format.
std::optional<Message> ReadMessage(QmReader& in) {
    Message message;
    for (;;) {
        const auto tag = in.Byte();
        if (!tag) return std::nullopt;
        switch (*tag) {
        case kEnd:
            return message;
        case kTranslation: {
            const auto length = in.Number();
            if (!length) return std::nullopt;
            if (*length == kNoTranslation) break;
            const auto text = in.Bytes(*length);
            if (!text) return std::nullopt;
            // A text with plural forms has one translation each; the first is the singular.
            if (!message.Translation) message.Translation = Utf8FromUtf16(*text);
            break;
        }
        case kObsolete1:
            if (!in.Bytes(4)) return std::nullopt;
            break;
        case kSourceText16:
        case kContext16:
            if (!in.Block()) return std::nullopt;
            break;
        case kSourceText:
        case kContext:
        case kComment: {
            const auto text = in.Block();
            if (!text) return std::nullopt;
            (*tag == kSourceText ? message.English
             : *tag == kContext  ? message.Context
                                 : message.Comment) = *text;
            break;
        }
        default:
            return std::nullopt;
        }
    }
}

} // namespace

std::vector<std::string> LanguagesFromEnvironment() {
    std::vector<std::string> languages;
    const std::string list = Variable("LANGUAGE");
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t colon = std::min(list.find(':', start), list.size());
        if (colon > start) languages.push_back(list.substr(start, colon - start));
        start = colon + 1;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (std::string value = Variable(name); !value.empty()) {
            languages.push_back(std::move(value));
            break;
        }
    }
    return languages;
}

std::optional<std::string> ChooseLanguage(const std::vector<std::string>& preferred,
                                          const std::vector<std::string>& shipped) {
    for (const std::string& language : preferred) {
        const std::string wanted = Normalised(language);
        if (wanted.empty()) continue;
        if (IsEnglish(wanted)) return std::nullopt;
        if (auto match = ShippedMatch(wanted, shipped)) return match;
    }
    return std::nullopt;
}

std::vector<std::string> ShippedLanguages(const std::string& folder) {
    std::vector<std::string> languages;
    DIR* listing = opendir(folder.c_str());
    if (!listing) return languages;
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name.size() > kFilePrefix.size() + kFileSuffix.size() && name.starts_with(kFilePrefix) &&
            name.ends_with(kFileSuffix))
            languages.emplace_back(
                name.substr(kFilePrefix.size(), name.size() - kFilePrefix.size() - kFileSuffix.size()));
    }
    closedir(listing);
    std::sort(languages.begin(), languages.end());
    return languages;
}

std::string TranslationsFolder(const std::string& programFolder) {
    const std::string beside = programFolder + "/translations";
    if (IsFolder(beside)) return beside;
    return programFolder + "/../share/varnolt/translations";
}

std::string TranslationFile(const std::string& folder, std::string_view language) {
    return folder + "/" + std::string(kFilePrefix) + std::string(language) + std::string(kFileSuffix);
}

std::optional<TranslationCatalog> TranslationCatalog::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return Parse(bytes);
}

std::optional<TranslationCatalog> TranslationCatalog::Parse(std::string_view bytes) {
    if (!bytes.starts_with(kMagic)) return std::nullopt;
    QmReader file(bytes.substr(kMagic.size()));
    TranslationCatalog catalog;
    while (!file.AtEnd()) {
        const auto tag = file.Byte();
        const auto block = file.Block();
        if (!tag || !block) return std::nullopt;
        if (*tag != kMessagesBlock) continue;
        QmReader messages(*block);
        while (!messages.AtEnd()) {
            const auto message = ReadMessage(messages);
            if (!message) return std::nullopt;
            // A text with a disambiguation is another text than the one the engine asks for; a message
            // without its English text (a file compressed by lrelease) cannot be found by it.
            if (!message->Context || !message->English || !message->Translation ||
                !message->Comment.value_or("").empty())
                continue;
            catalog.contexts_[std::string(*message->Context)][std::string(*message->English)] =
                *message->Translation;
        }
    }
    return catalog;
}

const std::string* TranslationCatalog::Find(std::string_view context, std::string_view english) const {
    const auto texts = contexts_.find(context);
    if (texts == contexts_.end()) return nullptr;
    const auto text = texts->second.find(english);
    return text == texts->second.end() ? nullptr : &text->second;
}

std::string_view CatalogTranslator::Translate(const char* english) {
    const std::string* text = catalog_.Find(kEngineTextsContext, english);
    return text ? std::string_view(*text) : std::string_view(english);
}

} // namespace varnolt
