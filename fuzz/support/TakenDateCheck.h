// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What any date taken that a reader returns must be, and the libraries set up as the program sets them.
#include "fuzz/support/FuzzEngine.h"
#include "platform/media/LibraryEmbeddedDates.h"
#include "platform/media/TakenDateReaders.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace varnolt::fuzz {

// The bytes as the head of a file that their first byte makes up to 255 GiB longer, the rest reading as
// zeros; `served` counts what was read.
inline std::uint64_t PaddedSize(const std::uint8_t* data, std::size_t size) {
    return size + (size > 0 ? static_cast<std::uint64_t>(data[0]) << 30 : 0);
}
inline media::ReadAt PaddedFile(const std::uint8_t* data, std::size_t size, std::uint64_t& served) {
    const std::uint64_t fileSize = PaddedSize(data, size);
    return [=, &served](std::uint64_t offset, std::uint8_t* buffer, std::size_t count) {
        if (offset >= fileSize) return std::size_t{0};
        count = static_cast<std::size_t>(std::min<std::uint64_t>(count, fileSize - offset));
        const std::size_t fromData = offset < size ? std::min<std::size_t>(count, size - offset) : 0;
        if (fromData > 0) std::memcpy(buffer, data + offset, fromData);
        std::memset(buffer + fromData, 0, count - fromData);
        served += count;
        return count;
    };
}

inline void CheckDate(const std::optional<TakenDate>& taken, const char* reader) {
    if (!taken) return;
    const WrittenTime& t = taken->Time;
    for (const int field : {t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second})
        Expect(field >= 0 && field <= 9999, "a date field out of its digits", reader);
    // A UTC moment is shown in the sorting machine's zone; a zone of its own would be a second rule.
    Expect(!(taken->IsUtc && taken->OffsetMinutes), "a UTC moment with a zone", reader);
    if (taken->OffsetMinutes)
        Expect(std::abs(*taken->OffsetMinutes) <= 14 * 60 + 59, "a zone beyond 14 hours", reader);
}

} // namespace varnolt::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static varnolt::LibraryEmbeddedDates setUp;
    return 0;
}
