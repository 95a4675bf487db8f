// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varnolt::media {

namespace {

// The answer as it crosses the pipe.
struct Answer {
    int Found = 0;
    int IsUtc = 0;
    int Fields[6] = {};
    int HasOffset = 0;
    int Offset = 0;
};

Answer ToAnswer(const std::optional<TakenDate>& taken) {
    Answer answer;
    if (!taken) return answer;
    const WrittenTime& t = taken->Time;
    answer = {1, taken->IsUtc, {t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second}, taken->OffsetMinutes.has_value(),
              taken->OffsetMinutes.value_or(0)};
    return answer;
}

std::optional<TakenDate> FromAnswer(const Answer& a) {
    if (!a.Found) return std::nullopt;
    TakenDate taken{a.IsUtc != 0, {a.Fields[0], a.Fields[1], a.Fields[2], a.Fields[3], a.Fields[4], a.Fields[5]}, {}};
    if (a.HasOffset) taken.OffsetMinutes = a.Offset;
    return taken;
}

[[noreturn]] void RunChild(const std::function<std::optional<TakenDate>()>& read, int out, ChildLimits limits) {
    // Past its processor time the child gets SIGVTALRM, which ends it.
    const auto ms = limits.Processor.count();
    itimerval budget{};
    budget.it_value.tv_sec = ms / 1000;
    budget.it_value.tv_usec = (ms % 1000) * 1000;
    signal(SIGVTALRM, SIG_DFL);
    setitimer(ITIMER_VIRTUAL, &budget, nullptr);
    const Answer answer = ToAnswer(read());
    const bool written = ::write(out, &answer, sizeof answer) == static_cast<ssize_t>(sizeof answer);
    // No exit handlers: they belong to the parent.
    ::_exit(written ? 0 : 1);
}

// Everything the child wrote before it ended, or before the deadline.
bool ReadAnswer(int in, Answer& answer, std::chrono::milliseconds wall) {
    auto* bytes = reinterpret_cast<char*>(&answer);
    std::size_t got = 0;
    const auto deadline = std::chrono::steady_clock::now() + wall;
    while (got < sizeof answer) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd ready{in, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return false;
        const ssize_t n = ::read(in, bytes + got, sizeof answer - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::optional<TakenDate> ReadInChild(const std::function<std::optional<TakenDate>()>& read, ChildLimits limits) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        RunChild(read, pipeEnds[1], limits);
    }
    ::close(pipeEnds[1]);
    Answer answer;
    const bool answered = child > 0 && ReadAnswer(pipeEnds[0], answer, limits.Wall);
    ::close(pipeEnds[0]);
    if (child > 0) {
        if (!answered) ::kill(child, SIGKILL);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    return answered ? FromAnswer(answer) : std::nullopt;
}

} // namespace varnolt::media
