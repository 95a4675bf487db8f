// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FaultInjector.h"

#include <cerrno>

namespace varnolt {

namespace {

// A finished copy is renamed from its hidden name within its folder: a rule that makes renames into a
// folder cross file systems does not apply to that one.
bool IsPartialCopy(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return std::string_view(path)
        .substr(slash == std::string::npos ? 0 : slash + 1)
        .starts_with(kPartialCopyPrefix);
}

} // namespace

int FaultInjector::Before(Syscall call, const std::string& path) {
    const int countOfKind = ++counts_[static_cast<std::size_t>(call)];
    const int total = static_cast<int>(calls_.size()) + 1;
    calls_.push_back({call, path});
    // Copied first: the action may well make calls of its own, which come back here.
    std::vector<std::function<void()>> due;
    for (const Action& action : actions_)
        if (action.Kind == call && action.N == countOfKind) due.push_back(action.Run);
    for (const auto& run : due)
        run();
    const int error = ErrorFor(call, path, countOfKind, total);
    calls_[static_cast<std::size_t>(total - 1)].Error = error;
    return error;
}

int FaultInjector::ErrorFor(Syscall kind, const std::string& path, int countOfKind, int total) const {
    for (const NthRule& rule : nthRules_) {
        const bool matches = rule.Kind ? *rule.Kind == kind && rule.N == countOfKind : rule.N == total;
        if (matches) return rule.Error;
    }
    for (const PathRule& rule : pathRules_)
        if ((!rule.Kind || *rule.Kind == kind) && path.find(rule.Text) != std::string::npos &&
            !(rule.Error == EXDEV && IsPartialCopy(path)))
            return rule.Error;
    return 0;
}

void FaultInjector::FailNth(Syscall kind, int n, int error) {
    nthRules_.push_back({kind, n, error});
}

void FaultInjector::FailNthCall(int n, int error) {
    nthRules_.push_back({std::nullopt, n, error});
}

void FaultInjector::FailPathsContaining(std::string text, int error, std::optional<Syscall> kind) {
    pathRules_.push_back({std::move(text), kind, error});
}

void FaultInjector::RunBefore(Syscall kind, int n, std::function<void()> action) {
    actions_.push_back({kind, n, std::move(action)});
}

} // namespace varnolt
