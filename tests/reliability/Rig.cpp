// SPDX-License-Identifier: GPL-3.0-or-later
#include "reliability/Rig.h"

namespace varnolt::reliability {

namespace {

bool LastEndedIs(const RecordingHost& host, CommandKind kind) {
    return !host.Ends.empty() && host.LastEnd().Kind == kind;
}

} // namespace

bool Rig::RunEnded() const {
    return !engine.IsBusy() && LastEndedIs(host, CommandKind::Run);
}

bool Rig::UndoEnded() const {
    return !engine.IsBusy() && LastEndedIs(host, CommandKind::Undo);
}

} // namespace varnolt::reliability
