// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A system-call hook for tests: makes chosen calls fail, runs an action just before a chosen call, and
// counts every call, so that a test can fail call k for every k of an operation in turn.
#include "platform/posix/PosixFileSystem.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace varnolt {

class FaultInjector final : public SyscallHook {
  public:
    struct Call {
        Syscall Kind;
        std::string Path;
        int Error = 0; // what the call was made to fail with, 0 when it ran
    };

    int Before(Syscall call, const std::string& path) override;

    // Makes the n-th call (counted from 1) of `kind` fail with `error`.
    void FailNth(Syscall kind, int n, int error);
    // Makes the n-th call of any kind fail with `error`.
    void FailNthCall(int n, int error);
    // Makes every call whose path contains `text` fail with `error`; only calls of `kind` when given.
    // EXDEV spares the rename of a finished copy from its hidden name, which stays in one folder.
    void FailPathsContaining(std::string text, int error, std::optional<Syscall> kind = std::nullopt);
    // Runs `action` just before the n-th call of `kind`, which then goes ahead (unless a rule fails it).
    void RunBefore(Syscall kind, int n, std::function<void()> action);

    int Count(Syscall kind) const { return counts_[static_cast<std::size_t>(kind)]; }
    int Total() const { return static_cast<int>(calls_.size()); }
    // Every call seen, in order.
    const std::vector<Call>& Calls() const { return calls_; }

  private:
    struct NthRule {
        std::optional<Syscall> Kind; // any kind when empty
        int N;
        int Error;
    };
    struct PathRule {
        std::string Text;
        std::optional<Syscall> Kind;
        int Error;
    };
    struct Action {
        Syscall Kind;
        int N;
        std::function<void()> Run;
    };

    int ErrorFor(Syscall kind, const std::string& path, int countOfKind, int total) const;

    std::array<int, SyscallKindCount> counts_{};
    std::vector<Call> calls_;
    std::vector<NthRule> nthRules_;
    std::vector<PathRule> pathRules_;
    std::vector<Action> actions_;
};

} // namespace varnolt
