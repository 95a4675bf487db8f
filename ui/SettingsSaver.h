#pragma once
#include "ui/PersistedFields.h"

namespace varnolt {

// The saving at close. Nothing is written for an empty word list or source list, so the last ones
// come back at the next start. A file or value that cannot be written is reported and ends the saving.
void SaveSettings(const PersistedFields& fields, const SettingsPlaces& places);

} // namespace varnolt
