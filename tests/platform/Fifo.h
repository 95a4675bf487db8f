// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running an operation that must never wait on a fifo.
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace varnolt::testing {

// The result of `operation`; when it blocks on reading `fifo`, the test fails and a writer that comes
// and goes lets the operation end.
inline bool ResultWithoutBlockingOn(const std::string& fifo, const std::function<bool()>& operation) {
    auto result = std::async(std::launch::async, operation);
    if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "blocked on the fifo " << fifo;
        ::close(::open(fifo.c_str(), O_WRONLY));
    }
    return result.get();
}

} // namespace varnolt::testing
