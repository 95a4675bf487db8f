// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An engine over a real temporary tree, with a scripted, recording host.
#include "engine/Engine.h"
#include "platform/fakes/FakePump.h"
#include "platform/fakes/RecordingShell.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace varnolt {

class EngineFixture : public ::testing::Test {
  protected:
    EngineFixture() : engine(options, {fs, host, pump, shell}, data.Path()) {}

    // For a test that hands items to the engine without a command: a command is what takes the options
    // in, and one refused for want of sources takes them and changes nothing else. The record of that
    // refusal is dropped.
    void TakeOptions();

    // Lists the files below `root` as paths relative to it, sorted.
    static std::vector<std::string> FilesBelow(const std::string& root);

    ClassifyOptions options;
    PosixFileSystem fs;
    RecordingHost host;
    FakePump pump;
    RecordingShell shell;
    TempDir data;
    TempDir tree;
    Engine engine;
};

} // namespace varnolt
