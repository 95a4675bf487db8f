// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An engine over a real temporary tree whose every system call passes a hook that a test can switch
// between a fault injector and nothing.
#include "engine/Engine.h"
#include "platform/fakes/FakePump.h"
#include "platform/fakes/FaultInjector.h"
#include "platform/fakes/RecordingShell.h"
#include "platform/posix/PosixFileSystem.h"
#include "reliability/Ledger.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <string>

namespace varnolt::reliability {

class SwitchableHook final : public SyscallHook {
  public:
    SyscallHook* Target = nullptr;
    int Before(Syscall call, const std::string& path) override {
        return Target ? Target->Before(call, path) : 0;
    }
};

struct Rig {
    Rig() : engine(options, {fs, host, pump, shell}, data.Path()) {}

    std::string Source() const { return tree.Path() + "in"; }
    std::string Result() const { return result.empty() ? tree.Path() + "out" : result; }
    Snapshot Files() const { return TakeSnapshot({tree.Path(), Result()}); }
    // Whether the last command recorded is a run (an undo) that came to its end, refused or not.
    bool RunEnded() const;
    bool UndoEnded() const;

    SwitchableHook hook;
    ClassifyOptions options;
    PosixFileSystem fs{&hook};
    RecordingHost host;
    FakePump pump;
    RecordingShell shell;
    TempDir data;
    TempDir tree;
    std::string result; // another result location than "out" in the tree
    Engine engine;
};

} // namespace varnolt::reliability
