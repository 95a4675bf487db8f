// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtFileDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace varnolt {

namespace {

std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

std::string QtFileDialogs::BrowseForFolder(const std::string& title) {
    return NativePath(QFileDialog::getExistingDirectory(nullptr, QString::fromStdString(title)));
}

std::vector<std::string> QtFileDialogs::OpenFiles(const std::string& filter, bool several) {
    QFileDialog dialog(nullptr, QString(), QString(), QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    std::vector<std::string> chosen;
    if (dialog.exec() != QDialog::Accepted) return chosen;
    for (const QString& file : dialog.selectedFiles())
        chosen.push_back(NativePath(file));
    return chosen;
}

std::string QtFileDialogs::SaveFile(const std::string& filter, const std::string& defaultSuffix) {
    QFileDialog dialog(nullptr, QString(), QString(), QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(defaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return NativePath(dialog.selectedFiles().constFirst());
}

} // namespace varnolt
