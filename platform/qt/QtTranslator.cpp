// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtTranslator.h"

#include "platform/posix/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace varnolt {

std::string InstallTranslations(const std::string& folder) {
    std::vector<std::string> preferred;
    for (const QString& language : QLocale::system().uiLanguages())
        preferred.push_back(language.toStdString());
    const auto language = ChooseLanguage(preferred, ShippedLanguages(folder));
    if (!language) return {};
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QString::fromStdString(TranslationFile(folder, *language)))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // The standard buttons and dialogs (Yes, No, Cancel, the file dialog) in the same language.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + QString::fromStdString(*language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return *language;
}

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
