// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of videos' dates over any bytes, as the head of a video that may be far larger than the bytes:
// cut, corrupt and huge headers give a date or none, never hold the program up, and the video is never read
// past its cap. Slow by nature: every input is read in a child process, as the program reads a video.
#include "fuzz/support/TakenDateCheck.h"
#include "platform/media/ChildProcess.h"
#include "platform/media/TakenDateReaders.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

// Small enough that a fuzzer's run tries many inputs; the reader's loop is the same for any cap and limit.
constexpr std::uint64_t kFuzzReadCap = 256u << 10;
constexpr media::ChildLimits kFuzzLimits{std::chrono::milliseconds(300), std::chrono::milliseconds(3000)};
// What the child answers when it was read past its cap.
constexpr int kOverreadMark = -1;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // As the program reads a video: in a child process; here as the head of a file that the first byte
    // makes up to 255 GiB longer than the bytes, the rest reading as zeros.
    const std::uint64_t fileSize = size + (size > 0 ? static_cast<std::uint64_t>(data[0]) << 30 : 0);
    const auto started = std::chrono::steady_clock::now();
    const std::optional<TakenDate> video = media::ReadInChild(
        [&]() -> std::optional<TakenDate> {
            std::uint64_t served = 0;
            const media::ReadAt read = [&](std::uint64_t offset, std::uint8_t* buffer, std::size_t count) {
                if (offset >= fileSize) return std::size_t{0};
                count = static_cast<std::size_t>(std::min<std::uint64_t>(count, fileSize - offset));
                const std::size_t fromData = offset < size ? std::min<std::size_t>(count, size - offset) : 0;
                if (fromData > 0) std::memcpy(buffer, data + offset, fromData);
                std::memset(buffer + fromData, 0, count - fromData);
                served += count;
                return count;
            };
            const std::optional<TakenDate> taken = media::ContainerTakenDate(read, fileSize, kFuzzReadCap);
            if (served > kFuzzReadCap) return TakenDate{true, {kOverreadMark}, std::nullopt};
            return taken;
        },
        kFuzzLimits);
    Expect(!video || video->Time.Year != kOverreadMark, "a video read past its cap");
    CheckDate(video, "video");
    // The wall limit, and a second for starting and ending the child on a busy machine.
    Expect(std::chrono::steady_clock::now() - started < kFuzzLimits.Wall + std::chrono::seconds(1),
           "a video read that held the program up");
    return 0;
}
