// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NameChecks.h"

#include "engine/Messages.h"
#include "engine/Text.h"
#include "platform/qt/QtTranslator.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace varnolt {

const char* const kProhibitedNameCharacters = "\\/:*?\"<>|";
const char* const kProhibitedNameMessage =
    QT_TRANSLATE_NOOP("varnolt::NameChecks",
                      "You should remove one of following nine characters from input text, because they are "
                      "prohibited in Windows filenames:  \\ / : * ? \" < > |");

bool CheckNameText(const std::string& text, MessageBoxes& boxes) {
    if (text.find_first_of(kProhibitedNameCharacters) == std::string::npos) return true;
    boxes.Show(QCoreApplication::translate("varnolt::NameChecks", kProhibitedNameMessage).toStdString(),
               TranslatedEngineText(Messages::Information), Buttons::Ok, Icon::Information);
    return false;
}

NameFieldGuard::NameFieldGuard(QLineEdit* field, MessageBoxes& boxes)
    : QObject(field), field_(field), boxes_(boxes) {
    connect(field_, &QLineEdit::textChanged, this, &NameFieldGuard::TextChanged);
}

void NameFieldGuard::TextChanged() {
    const QString text = field_->text();
    const std::string bytes = text.toStdString();
    if (CheckNameText(bytes, boxes_)) {
        lastAccepted_ = text;
        return;
    }
    // Setting the text runs this handler again, which accepts the fallback.
    field_->setText(CharacterCount(bytes) < 2 ? QString() : lastAccepted_);
    if (field_->isVisible()) field_->setFocus();
    field_->setCursorPosition(field_->text().size());
}

} // namespace varnolt
