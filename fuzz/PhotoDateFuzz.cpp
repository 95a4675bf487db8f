// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of photos' dates over any bytes as the start of a file: cut, corrupt and huge headers give a
// date or none, never a crash, a hang or an allocation beyond the bytes' own size.
#include "fuzz/support/TakenDateCheck.h"
#include "platform/media/TakenDateReaders.h"

#include <cstdint>

using namespace varnolt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::CheckDate(media::ExifTakenDate(data, size), "photo");
    return 0;
}
