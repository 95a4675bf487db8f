// SPDX-License-Identifier: GPL-3.0-or-later
// The campaigns create thousands of small trees and the program syncs what it moves: on a disk that
// costs minutes, in memory seconds. The promises checked do not depend on the file system's kind.
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class TemporaryFoldersInMemory : public ::testing::Environment {
  public:
    void SetUp() override {
        if (access("/dev/shm", W_OK) == 0) setenv("TMPDIR", "/dev/shm", 1);
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new TemporaryFoldersInMemory);

} // namespace
