// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Categories of the method "date": the parts of one file time that the date options select, joined
// into one folder name ("2011-3-7") or nested folders ("2011/3/7").
#include "engine/Options.h"
#include "platform/EmbeddedDates.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varnolt {

// A file time in local calendar time.
struct LocalTime {
    int Year = 0;
    int Month = 1;     // 1-12
    int DayOfWeek = 0; // 0 Sunday to 6 Saturday
    int Day = 1;       // 1-31
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

// The time that `timeKind` names: creation, last access, or (any other index) last write.
FileTime ChosenFileTime(const ItemInfo& info, int timeKind);
// With the local offset in force at that time itself, daylight saving time included. Empty for a time
// that has no calendar date of the common era.
std::optional<LocalTime> ToLocalTime(FileTime time);

// Month n (1-12) and weekday n (1 Sunday to 7 Saturday): a number, a name or a three-letter abbreviation.
std::string MonthText(int n, const ClassifyOptions& options);
std::string WeekdayText(int n, const ClassifyOptions& options);

// Empty when no part is selected.
std::string DateCategoryOf(const LocalTime& time, const ClassifyOptions& options);
// The date a photo or video says it was taken, in local calendar time: a wall clock as written, where it
// was taken, or a UTC moment converted like a file time. Empty when it is not plausible: no calendar date,
// before 1900, or more than a day after `now`.
std::optional<LocalTime> TakenLocalTime(const TakenDate& taken, FileTime now);

// The category of an item from its directory entry, or from the date it carries when `TimeKind` is
// DateTaken and it has a plausible one; empty when its time has no date.
std::string DateCategory(const std::string& path, const ItemInfo& info, const ClassifyOptions& options,
                         EmbeddedDates& dates);

} // namespace varnolt
