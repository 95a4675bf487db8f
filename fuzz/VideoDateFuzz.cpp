// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of videos' dates over any bytes, as the head of a video that may be far larger than the bytes:
// cut, corrupt and huge headers give a date or none, never hold the program up, and the video is never read
// past its cap. Every input is read in one long-lived child process, as the program reads videos.
#include "fuzz/support/TakenDateCheck.h"
#include "platform/media/ChildProcess.h"
#include "platform/media/TakenDateReaders.h"

#include <chrono>
#include <cstdint>
#include <iterator>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

// Small enough that a fuzzer's run tries many inputs; the reader's loop is the same for any cap and limit.
constexpr std::uint64_t kFuzzReadCap = 256u << 10;
constexpr media::ChildLimits kFuzzLimits{std::chrono::milliseconds(300), std::chrono::milliseconds(3000)};
// What the child answers when it was read past its cap.
constexpr int kOverreadMark = -1;

// The parsers that the file's name may call for, or none.
constexpr const char* kParsers[] = {nullptr, "Mpeg4", "Mk", "Riff", "MpegTs"};

// In the child: the request is the input, the head of a file (PaddedFile) named for one of the parsers.
std::optional<TakenDate> ReadInput(std::string_view input) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(input.data());
    const std::size_t size = input.size();
    std::uint64_t served = 0;
    const media::ReadAt read = PaddedFile(data, size, served);
    const std::uint64_t fileSize = PaddedSize(data, size);
    const char* parser = size > 0 ? kParsers[data[0] % std::size(kParsers)] : nullptr;
    const std::optional<TakenDate> taken = media::ContainerTakenDate(read, fileSize, kFuzzReadCap, parser);
    if (served > kFuzzReadCap) return TakenDate{true, {kOverreadMark}, std::nullopt};
    return taken;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static media::ChildReader reader(ReadInput, kFuzzLimits);
    const auto started = std::chrono::steady_clock::now();
    const std::optional<TakenDate> video = reader.Ask({reinterpret_cast<const char*>(data), size});
    Expect(!video || video->Time.Year != kOverreadMark, "a video read past its cap");
    CheckDate(video, "video");
    // The wall limit, and a second for replacing the child on a busy machine.
    Expect(std::chrono::steady_clock::now() - started < kFuzzLimits.Wall + std::chrono::seconds(1),
           "a video read that held the program up");
    return 0;
}
