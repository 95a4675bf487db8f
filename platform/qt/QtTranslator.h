// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Translator.h"

#include <functional>
#include <map>
#include <string>

namespace varnolt {

// Installs in the application the translation of the first of the desktop's languages (QLocale's
// uiLanguages) that `folder` holds, with Qt's own for its standard buttons; none when English comes
// first. Returns the language installed, or an empty text.
std::string InstallTranslations(const std::string& folder);

// The engine's texts in the language of the translations installed in the application (English when
// there are none).
std::string TranslatedEngineText(const char* english);

class QtTranslator final : public Translator {
  public:
    // Each text is looked up once, in the translations installed when it is first asked for: a preview
    // asks for two texts an item, and a lookup in Qt costs more than the rest of the item.
    std::string_view Translate(const char* english) override;

  private:
    std::map<std::string, std::string, std::less<>> translated_;
};

} // namespace varnolt
