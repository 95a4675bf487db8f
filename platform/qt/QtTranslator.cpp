// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtTranslator.h"

#include <QCoreApplication>

namespace varnolt {

std::string TranslatedEngineText(const char* english) {
    return QCoreApplication::translate(kEngineTextsContext, english).toStdString();
}

std::string_view QtTranslator::Translate(const char* english) {
    const std::string_view text = english;
    auto known = translated_.find(text);
    if (known == translated_.end()) known = translated_.emplace(text, TranslatedEngineText(english)).first;
    return known->second;
}

} // namespace varnolt
