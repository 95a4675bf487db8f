// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts that become folder names must not hold the nine characters that Windows file names forbid:
// the folders are often made on shared or removable disks that Windows also reads.
#include "platform/MessageBoxes.h"

#include <QObject>
#include <QString>
#include <string>

class QLineEdit;

namespace varnolt {

extern const char* const kProhibitedNameCharacters; // in the order they are tested
extern const char* const kProhibitedNameMessage;

// True when the text holds none of the nine characters; otherwise tells the user and returns false.
bool CheckNameText(const std::string& text, MessageBoxes& boxes);

// Keeps a name field free of the nine characters: a refused text falls back to the field's last
// accepted one (or to nothing, when it is a single character), and the caret goes to the end.
class NameFieldGuard : public QObject {
    Q_OBJECT

  public:
    NameFieldGuard(QLineEdit* field, MessageBoxes& boxes);
    const QString& LastAccepted() const { return lastAccepted_; }

    // The field's change handler; runs on every change, the program's own included.
    void TextChanged();

  private:
    QLineEdit* field_;
    MessageBoxes& boxes_;
    QString lastAccepted_;
};

} // namespace varnolt
