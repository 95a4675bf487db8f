// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An engine over a real temporary tree, with scripted message boxes and a recording window.
#include "engine/Engine.h"
#include "platform/fakes/FakePump.h"
#include "platform/fakes/RecordingShell.h"
#include "platform/fakes/ScriptedMessageBoxes.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/RecordingRunView.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace varnolt {

class EngineFixture : public ::testing::Test {
protected:
    EngineFixture() : engine(options, {fs, boxes, pump, shell, view}, data.Path()) {}

    // Lists the files below `root` as paths relative to it, sorted.
    static std::vector<std::string> FilesBelow(const std::string& root);

    ClassifyOptions options;
    PosixFileSystem fs;
    ScriptedMessageBoxes boxes;
    FakePump pump;
    RecordingShell shell;
    RecordingRunView view;
    TempDir data;
    TempDir tree;
    Engine engine;
};

} // namespace varnolt
