// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of photos' dates over any bytes as the start of a file: cut, corrupt and huge headers give a
// date or none, never a crash, a hang or an allocation beyond the bytes' own size. A JPEG's segments are
// read as the program reads them, the bytes as the file.
#include "fuzz/support/TakenDateCheck.h"
#include "platform/media/TakenDateReaders.h"

#include <cstdint>
#include <vector>

using namespace varnolt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::CheckDate(media::ExifTakenDate(data, size), "photo");
    std::uint64_t served = 0;
    std::vector<std::uint8_t> head;
    if (media::ReadJpegHead(fuzz::PaddedFile(data, size, served), size, head)) {
        fuzz::Expect(head.size() <= size, "a JPEG's head longer than the file", "photo");
        fuzz::CheckDate(media::ExifTakenDate(head.data(), head.size()), "photo");
    }
    return 0;
}
