// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varnolt::media {

namespace {

// The answer as it crosses the socket.
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
    answer = {1,
              taken->IsUtc,
              {t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second},
              taken->OffsetMinutes.has_value(),
              taken->OffsetMinutes.value_or(0)};
    return answer;
}

std::optional<TakenDate> FromAnswer(const Answer& a) {
    if (!a.Found) return std::nullopt;
    TakenDate taken{
        a.IsUtc != 0, {a.Fields[0], a.Fields[1], a.Fields[2], a.Fields[3], a.Fields[4], a.Fields[5]}, {}};
    if (a.HasOffset) taken.OffsetMinutes = a.Offset;
    return taken;
}

// All of `size` bytes, or false at the end of the stream or, with a deadline, when it has passed.
bool ReadAll(int fd, void* data, std::size_t size,
             std::optional<std::chrono::steady_clock::time_point> deadline = std::nullopt) {
    auto* bytes = static_cast<char*>(data);
    for (std::size_t got = 0; got < size;) {
        if (deadline) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                *deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return false;
            pollfd ready{fd, POLLIN, 0};
            const int polled = ::poll(&ready, 1, static_cast<int>(left.count()));
            if (polled < 0 && errno == EINTR) continue;
            if (polled <= 0) return false;
        }
        const ssize_t n = ::recv(fd, bytes + got, size - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

// Without SIGPIPE: a child that has gone is noticed by the answer that does not come.
bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    for (std::size_t put = 0; put < size;) {
        const ssize_t n = ::send(fd, bytes + put, size - put, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        put += static_cast<std::size_t>(n);
    }
    return true;
}

void SetProcessorBudget(std::chrono::milliseconds budget) {
    const auto ms = budget.count();
    itimerval timer{};
    timer.it_value.tv_sec = ms / 1000;
    timer.it_value.tv_usec = (ms % 1000) * 1000;
    setitimer(ITIMER_VIRTUAL, &timer, nullptr);
}

[[noreturn]] void Serve(const ChildReader::Read& read, int fd, ChildLimits limits) {
    // The parent's other files (its journal, its lock) are not the child's to keep open.
    if (fd > 3) ::close_range(3, static_cast<unsigned>(fd) - 1, 0);
    ::close_range(static_cast<unsigned>(fd) + 1, ~0u, 0);
    // Past its processor time on one request the child gets SIGVTALRM, which ends it.
    signal(SIGVTALRM, SIG_DFL);
    std::string request;
    for (std::uint32_t length = 0; ReadAll(fd, &length, sizeof length);) {
        request.resize(length);
        if (!ReadAll(fd, request.data(), length)) break;
        SetProcessorBudget(limits.Processor);
        const Answer answer = ToAnswer(read(request));
        SetProcessorBudget(std::chrono::milliseconds(0));
        if (!WriteAll(fd, &answer, sizeof answer)) break;
    }
    // No exit handlers: they belong to the parent.
    ::_exit(0);
}

} // namespace

ChildReader::ChildReader(Read read, ChildLimits limits) : read_(std::move(read)), limits_(limits) {}

ChildReader::~ChildReader() {
    const std::lock_guard<std::mutex> lock(mutex_);
    End();
}

bool ChildReader::Start() {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return false;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        Serve(read_, ends[1], limits_);
    }
    ::close(ends[1]);
    if (child < 0) {
        ::close(ends[0]);
        return false;
    }
    child_ = child;
    socket_ = ends[0];
    return true;
}

void ChildReader::End() {
    if (child_ < 0) return;
    ::close(socket_);
    ::kill(child_, SIGKILL);
    int status = 0;
    while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {
    }
    child_ = -1;
    socket_ = -1;
}

std::optional<TakenDate> ChildReader::Ask(std::string_view request) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (child_ < 0 && !Start()) return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + limits_.Wall;
    const auto length = static_cast<std::uint32_t>(request.size());
    Answer answer;
    if (WriteAll(socket_, &length, sizeof length) && WriteAll(socket_, request.data(), request.size()) &&
        ReadAll(socket_, &answer, sizeof answer, deadline))
        return FromAnswer(answer);
    End();
    return std::nullopt;
}

} // namespace varnolt::media
