#pragma once
#include "ui/PersistedFields.h"

namespace varnolt {

// The start-up step's reading of the settings, after "by file date" is selected. A journal that a
// crashed run left behind becomes "undo.udo" first, so that Undo is offered for it. A value that is not
// text stops the loading with a message; what was read before it stays in force.
void LoadSettings(PersistedFields& fields, const SettingsPlaces& places);

} // namespace varnolt
