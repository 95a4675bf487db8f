// SPDX-License-Identifier: GPL-3.0-or-later
#include "reliability/Rig.h"

#include "engine/Messages.h"
#include "engine/Text.h"

namespace varnolt::reliability {

bool Rig::RunEnded() const {
    if (boxes.Shown.empty() || view.StopEnabled || engine.IsBusy()) return false;
    // A run that cannot check or make its result location is refused before it touches anything.
    const ShownMessage& last = boxes.Shown.back();
    return last.Text.ends_with(FillPlaceholders(Messages::RunCompleted, {""})) ||
           last.Text == Messages::InvalidResultLocation ||
           last.Text.starts_with(FillPlaceholders(Messages::CannotCreateResultFolder, {""}));
}

bool Rig::UndoEnded() const {
    if (boxes.Shown.empty() || engine.IsBusy() || view.Busy) return false;
    // An unreadable journal ends the undo with its error, before anything changed.
    const ShownMessage& last = boxes.Shown.back();
    return last.Text == Messages::UndoDone || last.Caption == Messages::Error;
}

} // namespace varnolt::reliability
