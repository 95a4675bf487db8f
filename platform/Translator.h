// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string_view>

namespace varnolt {

// Where a translation file holds the engine's texts.
inline constexpr const char* kEngineTextsContext = "varnolt::Messages";

// The user's language for the texts the engine shows. `english` is one of the texts marked with
// VARNOLT_TRANSLATE_NOOP in engine/Messages.h; placeholders ("%1") are filled after the translation.
class Translator {
  public:
    virtual ~Translator() = default;
    // Valid for as long as the translator: a run asks for texts at every item, and copying them would
    // cost more than filling them in.
    virtual std::string_view Translate(const char* english) = 0;
};

// For front-ends without translations: every text as written.
class EnglishTexts final : public Translator {
  public:
    std::string_view Translate(const char* english) override { return english; }
    static EnglishTexts& Instance() {
        static EnglishTexts english;
        return english;
    }
};

} // namespace varnolt
