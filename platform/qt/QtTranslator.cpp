#include "platform/qt/QtTranslator.h"

#include <QCoreApplication>

namespace varnolt {

std::string TranslatedEngineText(const char* english) {
    return QCoreApplication::translate(kEngineTextsContext, english).toStdString();
}

} // namespace varnolt
