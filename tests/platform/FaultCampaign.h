// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs an operation again and again, with one of its system calls failing each time.
#include "platform/fakes/FaultInjector.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace varnolt::testing {

inline const std::vector<int> CampaignErrors = {EACCES, ENOSPC, EIO, ENOENT};
// For long operations: the code treats EACCES, ENOSPC and EIO alike, while a vanished entry (ENOENT)
// can look like a free name.
inline const std::vector<int> ShortCampaignErrors = {ENOSPC, ENOENT};

// What a kill before any one call would leave: hands every call on to `faults`, and first counts the
// calls before which `sound()` (say, "the destination is missing or whole") did not hold.
class KillPointWatch final : public SyscallHook {
  public:
    KillPointWatch(FaultInjector& faults, std::function<bool()> sound)
        : faults_(faults), sound_(std::move(sound)) {}
    int Before(Syscall call, const std::string& path) override {
        if (!sound_()) ++Unsound;
        return faults_.Before(call, path);
    }
    int Unsound = 0;

  private:
    FaultInjector& faults_;
    std::function<bool()> sound_;
};

// Describes the call that `faults` made fail as the k-th, for the test's messages.
inline std::string FailedCall(const FaultInjector& faults, int k, int error) {
    std::string text = "call " + std::to_string(k) + " failing with " + std::strerror(error);
    if (k <= faults.Total()) {
        const auto& call = faults.Calls()[static_cast<std::size_t>(k - 1)];
        text += std::string(": ") + SyscallName(call.Kind) + " " + call.Path;
    }
    return text;
}

// A failed change names the errno of one of the calls made to fail, not one of a later clean-up.
inline bool ReportsAnInjectedError(const FsResult& result, const FaultInjector& faults) {
    for (const auto& call : faults.Calls())
        if (call.Error != 0 && result.Error() == std::error_code(call.Error, std::generic_category()))
            return true;
    return false;
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
