#pragma once
// "Change file type": edits the extension list of one type group. Created once and reused.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varnolt {

class TForm6 : public QDialog {
    Q_OBJECT

public:
    explicit TForm6(QWidget* parent = nullptr);

    // Shows the dialog modally with `label` above `text`; true when it was closed with OK, and then
    // `text` holds what the user confirmed.
    bool EditText(const QString& label, QString& text);
    bool Accepted() const { return accepted_; }

    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* Button1; // OK
    QPushButton* Button2; // Cancel

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void Button1Click();
    void Button2Click();

    bool accepted_ = false;
};

} // namespace varnolt
