// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings: named text values. The store is opened for each load, each save and each
// single write, and closed when the opened key goes.
#include <memory>
#include <stdexcept>
#include <string>

namespace varnolt {

// A setting that cannot be read or written; its text is meant for the user.
class SettingsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class SettingsKey {
  public:
    virtual ~SettingsKey() = default;
    virtual bool Exists(const std::string& name) = 0;
    // The text of the value, "" when it does not exist. Throws SettingsError when the value holds
    // something other than text.
    virtual std::string ReadString(const std::string& name) = 0;
    // Creates or replaces the value; throws SettingsError when it cannot be stored.
    virtual void WriteString(const std::string& name, const std::string& value) = 0;
    virtual void Delete(const std::string& name) = 0;
};

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Creates the store when it is missing.
    virtual std::unique_ptr<SettingsKey> Open() = 0;
};

} // namespace varnolt
