// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An engine over the memory file system, with every question answered Yes and a window that records.
#include "engine/Engine.h"
#include "engine/Text.h"
#include "fuzz/support/MemoryFileSystem.h"
#include "platform/fakes/FakePump.h"
#include "platform/fakes/RecordingShell.h"
#include "platform/fakes/ScriptedMessageBoxes.h"
#include "support/RecordingRunView.h"

#include <cstdio>
#include <cstdlib>

namespace varnolt::fuzz {

inline constexpr const char* kDataFolder = "/data/";

struct FuzzEngine {
    FuzzEngine() { fs.AddFolderWithParents(kDataFolder); }

    ClassifyOptions options;
    MemoryFileSystem fs;
    ScriptedMessageBoxes boxes;
    FakePump pump;
    RecordingShell shell;
    RecordingRunView view;
    Engine engine{options, {fs, boxes, pump, shell, view}, kDataFolder};
};

// A broken promise: print it and let the fuzzer keep the input that found it.
[[noreturn]] inline void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "broken promise: %s: %s\n", what, detail.c_str());
    std::abort();
}

inline void Expect(bool holds, const char* what, const std::string& detail = {}) {
    if (!holds) Fail(what, detail);
}

} // namespace varnolt::fuzz
