// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A read that a library may get stuck in, run where it cannot hold the program up.
#include "platform/EmbeddedDates.h"

#include <chrono>
#include <functional>
#include <optional>

namespace varnolt::media {

struct ChildLimits {
    // Processor time the child may spend; then it is ended by the system.
    std::chrono::milliseconds Processor{1000};
    // How long the caller waits for the answer, the child's start and a busy machine included.
    std::chrono::milliseconds Wall{5000};
};

// Runs `read` in a child process and returns its answer; none when the child ran out of time, crashed, or
// could not be started.
std::optional<TakenDate> ReadInChild(const std::function<std::optional<TakenDate>()>& read, ChildLimits limits = {});

} // namespace varnolt::media
