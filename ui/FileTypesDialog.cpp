// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileTypesDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace varnolt {

FileTypesDialog::FileTypesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Change file type"));
    // Only a close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    typesLabel = new QLabel(tr("File Type:"), this);
    typesLabel->setObjectName(QStringLiteral("Label1"));
    typesEdit = new QLineEdit(this);
    typesEdit->setObjectName(QStringLiteral("Edit1"));
    typesLabel->setBuddy(typesEdit);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("Button1"));
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("Button2"));
    // Enter confirms and Escape cancels, as in every other dialog of the desktop.
    okButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(typesLabel);
    layout->addWidget(typesEdit);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &FileTypesDialog::onOkClicked);
    connect(cancelButton, &QPushButton::clicked, this, &FileTypesDialog::onCancelClicked);

    // The design's size, or more when a larger font needs it.
    setFixedSize(QSize(420, 130).expandedTo(layout->totalMinimumSize()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool FileTypesDialog::EditText(const QString& label, QString& text) {
    typesLabel->setText(label);
    typesEdit->setText(text);
    exec();
    if (accepted_) text = typesEdit->text();
    return accepted_;
}

void FileTypesDialog::showEvent(QShowEvent* event) {
    onShown();
    QDialog::showEvent(event);
}

void FileTypesDialog::onShown() {
    accepted_ = false;
    typesEdit->setFocus();
}

void FileTypesDialog::onOkClicked() {
    accepted_ = true;
    accept();
}

void FileTypesDialog::onCancelClicked() {
    reject();
}

} // namespace varnolt
