// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtSettingsStore.h"

#include <QFile>
#include <QMetaType>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <sys/stat.h>

namespace varnolt {

namespace {

QString Key(const std::string& name) {
    return QString::fromStdString(name);
}

// Which file stands at a path: Qt saves by writing a new file and renaming it over the old one.
struct FileIdentity {
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;

    static FileIdentity Of(const QString& path) {
        struct stat info;
        if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
        return {true, info.st_dev, info.st_ino};
    }
    bool operator==(const FileIdentity&) const = default;
};

class QtSettingsKey : public SettingsKey {
  public:
    QtSettingsKey() : settings_("Quorvane", "Varnolt") {}

    bool Exists(const std::string& name) override { return settings_.contains(Key(name)); }

    std::string ReadString(const std::string& name) override {
        const QVariant value = settings_.value(Key(name));
        if (!value.isValid()) return {};
        // A hand-edited "a, b" comes back as a list, "@Variant(...)" as whatever it holds.
        if (value.typeId() != QMetaType::QString)
            throw SettingsError("Invalid data type for '" + name + "' in " + File());
        return value.toString().toStdString();
    }

    void WriteString(const std::string& name, const std::string& value) override {
        const QSettings::Status earlier = settings_.status();
        const FileIdentity before = FileIdentity::Of(settings_.fileName());
        settings_.setValue(Key(name), QString::fromStdString(value));
        settings_.sync();
        if (!Written(earlier, before)) throw SettingsError("Cannot write '" + name + "' to " + File());
    }

    void Delete(const std::string& name) override { settings_.remove(Key(name)); }

  private:
    // The status keeps the first error of this object for good, and a line Qt cannot parse (a "# note")
    // is such an error although the write goes through. So only an access error that this write raised
    // says it failed; after any other error the file tells, which Qt replaces on every successful save.
    bool Written(QSettings::Status earlier, const FileIdentity& before) const {
        const QSettings::Status now = settings_.status();
        if (now == QSettings::NoError) return true;
        if (earlier == QSettings::NoError && now == QSettings::AccessError) return false;
        const FileIdentity after = FileIdentity::Of(settings_.fileName());
        return after.Exists && after != before;
    }

    std::string File() const { return settings_.fileName().toStdString(); }

    QSettings settings_;
};

} // namespace

std::unique_ptr<SettingsKey> QtSettingsStore::Open() {
    return std::make_unique<QtSettingsKey>();
}

} // namespace varnolt
