// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs an operation again and again, with one of its system calls failing each time.
#include "platform/fakes/FaultInjector.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace varnolt::testing {

inline const std::vector<int> CampaignErrors = {EACCES, ENOSPC, EIO, ENOENT};
// For long operations: the code treats EACCES, ENOSPC and EIO alike, while a vanished entry (ENOENT)
// can look like a free name.
inline const std::vector<int> ShortCampaignErrors = {ENOSPC, ENOENT};

// Describes the call that `faults` made fail as the k-th, for the test's messages.
inline std::string FailedCall(const FaultInjector& faults, int k, int error) {
    std::string text = "call " + std::to_string(k) + " failing with " + std::strerror(error);
    if (k <= faults.Total()) {
        const auto& call = faults.Calls()[static_cast<std::size_t>(k - 1)];
        text += std::string(": ") + SyscallName(call.Kind) + " " + call.Path;
    }
    return text;
}

// For each error, runs `attempt(faults)` with call k failing, for k = 1, 2, ... up to the last call
// that the operation makes; `attempt` sets up a fresh tree, may add rules of its own and checks the
// outcome. The last run of each error fails no call at all.
template <typename Attempt>
void FailEachCallInTurn(Attempt attempt, const std::vector<int>& errors = CampaignErrors) {
    for (const int error : errors) {
        for (int k = 1;; ++k) {
            FaultInjector faults;
            faults.FailNthCall(k, error);
            attempt(faults, [&] { return FailedCall(faults, k, error); });
            if (faults.Total() < k || ::testing::Test::HasFailure()) break;
        }
    }
}

} // namespace varnolt::testing
