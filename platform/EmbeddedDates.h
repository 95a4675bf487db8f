// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The embedded-date service: the moment a photo or a video says it was taken, read from inside the file.
// Never throws.
#include <optional>
#include <string>

namespace varnolt {

// A calendar date and time as the file writes it, not yet checked.
struct WrittenTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

struct TakenDate {
    // Either the wall clock where the photo or video was taken, to be used as written, or a UTC moment
    // (most video containers store only that).
    bool IsUtc = false;
    WrittenTime Time;
    // The zone of a wall clock (minutes east of UTC), where the file tells it.
    std::optional<int> OffsetMinutes;
};

class EmbeddedDates {
  public:
    virtual ~EmbeddedDates() = default;
    // Empty for a file of a type that carries no such date, one without it, or one that cannot be read.
    virtual std::optional<TakenDate> ReadTakenDate(const std::string& path) = 0;
};

// For a caller that never sorts by the date taken: every file is without one.
class NoEmbeddedDates final : public EmbeddedDates {
  public:
    std::optional<TakenDate> ReadTakenDate(const std::string&) override { return std::nullopt; }
    static NoEmbeddedDates& Instance() {
        static NoEmbeddedDates none;
        return none;
    }
};

} // namespace varnolt
