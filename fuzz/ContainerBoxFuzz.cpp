// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own readers of MP4/QuickTime, Matroska and AVI dates, over any bytes as the head of a file
// that may be far larger (PaddedFile): a date or none, never a crash, a hang or a read past the cap. They run
// in the fuzzer's process, so that it steers by their branches.
#include "fuzz/support/TakenDateCheck.h"
#include "platform/media/ContainerBoxes.h"

#include <cstdint>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

constexpr std::uint64_t kFuzzReadCap = 256u << 10;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t served = 0;
    const media::ReadAt read = PaddedFile(data, size, served);
    const std::uint64_t fileSize = PaddedSize(data, size);
    for (const auto reader : {media::QuickTimeTakenDate, media::MatroskaTakenDate, media::AviTakenDate}) {
        served = 0;
        CheckDate(reader(read, fileSize, kFuzzReadCap), "container");
        Expect(served <= kFuzzReadCap, "a container read past its cap");
    }
    return 0;
}
