// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings held in memory; a value can be made to hold something other than text.
#include "platform/SettingsStore.h"

#include <map>
#include <set>
#include <string>

namespace varnolt {

class MemorySettingsStore : public SettingsStore {
  public:
    std::map<std::string, std::string> Values;
    // Names whose value is of another type than text; reading one throws.
    std::set<std::string> NonTextValues;
    // Names whose writing fails.
    std::set<std::string> FailingWrites;
    int OpenCount = 0;
    int OpenNow = 0;

    std::unique_ptr<SettingsKey> Open() override;
};

} // namespace varnolt
