// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/PersistedFields.h"

namespace varnolt {

// The saving at close. Nothing is written for an empty word list or source list, so the last ones
// come back at the next start, and nothing replaces what the start-up step did not get to read (see
// LoadedSettings). Each part is saved on its own: one that cannot be written does not keep the others
// from being saved, and one message at the end tells what could not be kept and why.
void SaveSettings(const PersistedFields& fields, const SettingsPlaces& places, const LoadedSettings& loaded);

} // namespace varnolt
