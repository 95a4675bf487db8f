// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An engine over the memory file system, with a host that answers yes (no to retrying a result folder)
// and records.
#include "engine/Engine.h"
#include "engine/Text.h"
#include "fuzz/support/MemoryFileSystem.h"
#include "platform/fakes/FakePump.h"
#include "platform/fakes/RecordingShell.h"
#include "support/RecordingHost.h"

#include <cstdio>
#include <cstdlib>

namespace varnolt::fuzz {

inline constexpr const char* kDataFolder = "/data/";

struct FuzzEngine {
    FuzzEngine() { fs.AddFolderWithParents(kDataFolder); }

    ClassifyOptions options;
    MemoryFileSystem fs;
    RecordingHost host;
    FakePump pump;
    RecordingShell shell;
    Engine engine{options, {fs, host, pump, shell}, kDataFolder};
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
