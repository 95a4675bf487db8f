// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/PersistedFields.h"

#include <string>
#include <vector>

namespace varnolt {

// The start-up step's reading of the settings, after "by file date" is selected. A journal that a
// crashed run left behind becomes "undo.udo" first, so that Undo is offered for it. A value that is not
// text stops the loading with a message; what was read before it stays in force, but for a history read
// halfway, which is left out whole: the saver puts the window's entries before the stored ones then.
LoadedSettings LoadSettings(PersistedFields& fields, const SettingsPlaces& places);

// The stored history, "Folder0" first, up to the first missing index; the surplus values past the tenth
// are deleted on the way. Throws SettingsError at a value that is not text.
std::vector<std::string> ReadStoredHistory(SettingsKey& key);

// The window's place, from the settings group of its own ("Window/..."); a value missing or not in its
// form is left out. Throws SettingsError at a value that is not text.
WindowPlace ReadWindowPlace(SettingsKey& key);

} // namespace varnolt
