// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Points the per-user settings and data locations into a fresh temporary folder for as long as the
// object lives, so that no test reads or writes the settings of the person running it.
#include "support/TempDir.h"

#include <QSettings>
#include <QString>
#include <cstdlib>
#include <string>

namespace varnolt {

class TempHome {
  public:
    TempHome() : oldConfig_(Variable("XDG_CONFIG_HOME")), oldData_(Variable("XDG_DATA_HOME")) {
        setenv("XDG_CONFIG_HOME", ConfigFolder().c_str(), 1);
        setenv("XDG_DATA_HOME", DataLocation().c_str(), 1);
        // QSettings keeps the folder it found first; tell it about this one.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(ConfigFolder()));
    }
    ~TempHome() {
        Restore("XDG_CONFIG_HOME", oldConfig_);
        Restore("XDG_DATA_HOME", oldData_);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    // Ends with "/".
    const std::string& Path() const { return dir_.Path(); }
    std::string ConfigFolder() const { return dir_.Path() + "config/"; }
    std::string DataLocation() const { return dir_.Path() + "data/"; }
    // The settings file that QSettings("Quorvane", "Varnolt") uses here.
    std::string SettingsFile() const { return ConfigFolder() + "Quorvane/Varnolt.conf"; }
    void WriteSettingsFile(const std::string& content) const {
        dir_.File("config/Quorvane/Varnolt.conf", content);
    }

  private:
    static std::string Variable(const char* name) {
        const char* value = std::getenv(name);
        return value ? value : "";
    }
    static void Restore(const char* name, const std::string& value) {
        if (value.empty())
            unsetenv(name);
        else
            setenv(name, value.c_str(), 1);
    }

    TempDir dir_;
    std::string oldConfig_;
    std::string oldData_;
};

} // namespace varnolt
