// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What any date taken that a reader returns must be, and the libraries set up as the program sets them.
#include "fuzz/support/FuzzEngine.h"
#include "platform/media/LibraryEmbeddedDates.h"

#include <cstdlib>

namespace varnolt::fuzz {

inline void CheckDate(const std::optional<TakenDate>& taken, const char* reader) {
    if (!taken) return;
    const WrittenTime& t = taken->Time;
    for (const int field : {t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second})
        Expect(field >= 0 && field <= 9999, "a date field out of its digits", reader);
    if (taken->OffsetMinutes) Expect(std::abs(*taken->OffsetMinutes) <= 14 * 60 + 59, "a zone beyond 14 hours", reader);
}

} // namespace varnolt::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static varnolt::LibraryEmbeddedDates setUp;
    return 0;
}
