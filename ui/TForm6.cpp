#include "ui/TForm6.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace varnolt {

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Change file type"));
    // Only a close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    Label1 = new QLabel(tr("File Type:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label1->setBuddy(Edit1);
    Button1 = new QPushButton(tr("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(tr("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    // Enter confirms and Escape cancels, as in every other dialog of the desktop.
    Button1->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);

    // The design's size, or more when a larger font needs it.
    setFixedSize(QSize(420, 130).expandedTo(layout->totalMinimumSize()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool TForm6::EditText(const QString& label, QString& text) {
    Label1->setText(label);
    Edit1->setText(text);
    exec();
    if (accepted_) text = Edit1->text();
    return accepted_;
}

void TForm6::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TForm6::FormShow() {
    accepted_ = false;
    Edit1->setFocus();
}

void TForm6::Button1Click() {
    accepted_ = true;
    accept();
}

void TForm6::Button2Click() { reject(); }

} // namespace varnolt
