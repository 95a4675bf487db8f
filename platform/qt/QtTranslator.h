#pragma once
#include "platform/Translator.h"

namespace varnolt {

// The engine's texts in the language of the translations installed in the application (English when
// there are none).
std::string TranslatedEngineText(const char* english);

class QtTranslator final : public Translator {
  public:
    std::string Translate(const char* english) override { return TranslatedEngineText(english); }
};

} // namespace varnolt
