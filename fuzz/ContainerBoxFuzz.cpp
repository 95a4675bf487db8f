// The program's own readers of MP4/QuickTime, Matroska and AVI dates, over any bytes as the head of a file
// that may be far larger: a date or none, never a crash, a hang or a read past the cap. They run in the
// fuzzer's process, so that it steers by their branches.
#include "fuzz/support/TakenDateCheck.h"
#include "platform/media/ContainerBoxes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

constexpr std::uint64_t kFuzzReadCap = 256u << 10;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // As in the video target: the first byte makes the file up to 255 GiB longer, the rest reading as zeros.
    const std::uint64_t fileSize = size + (size > 0 ? static_cast<std::uint64_t>(data[0]) << 30 : 0);
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
    for (const auto reader : {media::QuickTimeTakenDate, media::MatroskaTakenDate, media::AviTakenDate}) {
        served = 0;
        CheckDate(reader(read, fileSize, kFuzzReadCap), "container");
        Expect(served <= kFuzzReadCap, "a container read past its cap");
    }
    return 0;
}
