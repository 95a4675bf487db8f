// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Change file type": edits the extension list of one type group. Created once and reused.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varnolt {

class FileTypesDialog : public QDialog {
    Q_OBJECT

  public:
    explicit FileTypesDialog(QWidget* parent = nullptr);

    // Shows the dialog modally with `label` above `text`; true when it was closed with OK, and then
    // `text` holds what the user confirmed.
    bool EditText(const QString& label, QString& text);

    QLabel* typesLabel;
    QLineEdit* typesEdit;
    QPushButton* okButton;
    QPushButton* cancelButton;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onShown();
    void onOkClicked();
    void onCancelClicked();

    bool accepted_ = false;
};

} // namespace varnolt
