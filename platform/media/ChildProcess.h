// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads that a library may get stuck in, run in a child process where they cannot hold the program up.
#include "platform/EmbeddedDates.h"

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <string_view>
#include <sys/types.h>

namespace varnolt::media {

struct ChildLimits {
    // Processor time the child may spend on one request; then it is ended by the system.
    std::chrono::milliseconds Processor{1000};
    // How long the caller waits for one answer, the child's start and a busy machine included.
    std::chrono::milliseconds Wall{5000};
};

// One child process that lives across requests and answers them one after another with `read`, so that a
// request costs a round trip rather than a process. A child that runs out of time or crashes is ended and
// its request has no answer; the next request starts a new one.
class ChildReader {
  public:
    using Read = std::function<std::optional<TakenDate>(std::string_view request)>;
    explicit ChildReader(Read read, ChildLimits limits = {});
    ~ChildReader();
    ChildReader(const ChildReader&) = delete;
    ChildReader& operator=(const ChildReader&) = delete;

    // None when the child ran out of time, crashed, or could not be started.
    std::optional<TakenDate> Ask(std::string_view request);

  private:
    bool Start();
    void End();

    Read read_;
    ChildLimits limits_;
    std::mutex mutex_;
    pid_t child_ = -1;
    int socket_ = -1;
};

} // namespace varnolt::media
