// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of XMP sidecars over any bytes: a date or none, never a crash or a hang.
#include "fuzz/support/TakenDateCheck.h"
#include "platform/media/TakenDateReaders.h"

#include <cstdint>
#include <string_view>

using namespace varnolt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::CheckDate(media::XmpTakenDate({reinterpret_cast<const char*>(data), size}), "sidecar");
    return 0;
}
