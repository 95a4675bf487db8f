// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/SettingsStore.h"

namespace varnolt {

// QSettings of "Quorvane" / "Varnolt" in the native format (~/.config/Quorvane/Varnolt.conf).
class QtSettingsStore : public SettingsStore {
  public:
    std::unique_ptr<SettingsKey> Open() override;
};

} // namespace varnolt
