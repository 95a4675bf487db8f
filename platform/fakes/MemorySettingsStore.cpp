// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/MemorySettingsStore.h"

namespace varnolt {

namespace {

class MemoryKey : public SettingsKey {
  public:
    explicit MemoryKey(MemorySettingsStore& store) : store_(store) {
        ++store_.OpenCount;
        ++store_.OpenNow;
    }
    ~MemoryKey() override { --store_.OpenNow; }

    bool Exists(const std::string& name) override {
        return store_.Values.contains(name) || store_.NonTextValues.contains(name);
    }

    std::string ReadString(const std::string& name) override {
        if (store_.NonTextValues.contains(name)) throw SettingsError("Invalid data type for '" + name + "'");
        const auto found = store_.Values.find(name);
        return found == store_.Values.end() ? std::string() : found->second;
    }

    void WriteString(const std::string& name, const std::string& value) override {
        if (store_.FailingWrites.contains(name)) throw SettingsError("Cannot write '" + name + "'");
        store_.NonTextValues.erase(name);
        store_.Values[name] = value;
    }

    void Delete(const std::string& name) override {
        store_.Values.erase(name);
        store_.NonTextValues.erase(name);
    }

  private:
    MemorySettingsStore& store_;
};

} // namespace

std::unique_ptr<SettingsKey> MemorySettingsStore::Open() {
    return std::make_unique<MemoryKey>(*this);
}

} // namespace varnolt
