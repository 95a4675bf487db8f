#include "platform/qt/QtSettingsStore.h"

#include <QMetaType>
#include <QSettings>
#include <QString>
#include <QVariant>

namespace varnolt {

namespace {

QString Key(const std::string& name) { return QString::fromStdString(name); }

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
        settings_.setValue(Key(name), QString::fromStdString(value));
        settings_.sync();
        if (settings_.status() != QSettings::NoError)
            throw SettingsError("Failed to set data for '" + name + "' in " + File());
    }

    void Delete(const std::string& name) override { settings_.remove(Key(name)); }

private:
    std::string File() const { return settings_.fileName().toStdString(); }

    QSettings settings_;
};

} // namespace

std::unique_ptr<SettingsKey> QtSettingsStore::Open() { return std::make_unique<QtSettingsKey>(); }

} // namespace varnolt
