// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DateCategory.h"

#include "platform/fakes/FakeEmbeddedDates.h"
#include "support/LocalZone.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace varnolt {
namespace {

// 2011-03-07 14:05:09, a Monday.
constexpr LocalTime kMonday{2011, 3, 1, 7, 14, 5, 9};

struct DateCase {
    const char* Description;
    void (*Set)(ClassifyOptions&);
    const char* Category;
};

void OnlyParts(ClassifyOptions& options) {
    options.ByYear = options.ByMonth = options.ByDay = false;
}

const DateCase kWorkedExamples[] = {
    {"defaults", [](ClassifyOptions&) {}, "2011-3-7"},
    {"grouped", [](ClassifyOptions& o) { o.GroupedSubfolders = true; }, "2011/3/7"},
    {"month names", [](ClassifyOptions& o) { o.NumberMonth = false; }, "2011-March-7"},
    {"month abbreviations",
     [](ClassifyOptions& o) {
         o.NumberMonth = false;
         o.AbbrMonth = true;
     },
     "2011-Mar-7"},
    {"week", [](ClassifyOptions& o) { o.ByWeek = true; }, "2011-3-2-7"},
    {"week with names",
     [](ClassifyOptions& o) {
         o.ByWeek = true;
         o.NumberMonth = false;
     },
     "2011-March-Monday-7"},
    {"grouped week with abbreviations",
     [](ClassifyOptions& o) {
         o.ByWeek = o.GroupedSubfolders = o.AbbrMonth = true;
         o.NumberMonth = false;
     },
     "2011/Mar/Mon/7"},
    {"hour", [](ClassifyOptions& o) { o.ByHour = true; }, "2011-3-7-14"},
    {"hour, minute and second",
     [](ClassifyOptions& o) { o.ByHour = o.IncludeMinute = o.IncludeSecond = true; }, "2011-3-7-14-5-9"},
    {"second without minute", [](ClassifyOptions& o) { o.ByHour = o.IncludeSecond = true; }, "2011-3-7-14"},
    {"year and day",
     [](ClassifyOptions& o) {
         OnlyParts(o);
         o.ByYear = o.ByDay = true;
     },
     "2011-7"},
    {"only week",
     [](ClassifyOptions& o) {
         OnlyParts(o);
         o.ByWeek = true;
     },
     "2"},
    {"only week with names",
     [](ClassifyOptions& o) {
         OnlyParts(o);
         o.ByWeek = true;
         o.NumberMonth = false;
     },
     "Monday"},
    {"grouped hour and minute",
     [](ClassifyOptions& o) {
         OnlyParts(o);
         o.ByHour = o.IncludeMinute = o.GroupedSubfolders = true;
     },
     "14/5"},
    {"nothing selected", OnlyParts, ""},
    {"minute and second without hour",
     [](ClassifyOptions& o) {
         OnlyParts(o);
         o.IncludeMinute = o.IncludeSecond = true;
     },
     ""},
    {"numbers win over abbreviations",
     [](ClassifyOptions& o) {
         o.ByWeek = true;
         o.AbbrMonth = true;
     },
     "2011-3-2-7"},
};

TEST(DateCategory, WorkedExamples) {
    for (const DateCase& example : kWorkedExamples) {
        ClassifyOptions options;
        example.Set(options);
        EXPECT_EQ(DateCategoryOf(kMonday, options), example.Category) << example.Description;
    }
}

TEST(DateCategory, WeekdaysRunFromSundayToSaturday) {
    ClassifyOptions options;
    OnlyParts(options);
    options.ByWeek = true;
    const LocalTime sunday{2011, 3, 0, 6, 0, 0, 0};
    const LocalTime saturday{2011, 3, 6, 12, 0, 0, 0};
    EXPECT_EQ(DateCategoryOf(sunday, options), "1");
    EXPECT_EQ(DateCategoryOf(saturday, options), "7");
    options.NumberMonth = false;
    EXPECT_EQ(DateCategoryOf(sunday, options), "Sunday");
    options.AbbrMonth = true;
    EXPECT_EQ(DateCategoryOf(sunday, options), "Sun");
    EXPECT_EQ(DateCategoryOf(saturday, options), "Sat");
}

TEST(DateCategory, MidnightIsWrittenAsZeros) {
    ClassifyOptions options;
    options.ByHour = options.IncludeMinute = options.IncludeSecond = true;
    const LocalTime midnight{2011, 3, 1, 7, 0, 0, 0};
    EXPECT_EQ(DateCategoryOf(midnight, options), "2011-3-7-0-0-0");
    options.GroupedSubfolders = true;
    EXPECT_EQ(DateCategoryOf(midnight, options), "2011/3/7/0/0/0");
}

TEST(DateCategory, MonthAndWeekdayTexts) {
    ClassifyOptions options;
    EXPECT_EQ(MonthText(12, options), "12");
    EXPECT_EQ(WeekdayText(7, options), "7");
    options.NumberMonth = false;
    EXPECT_EQ(MonthText(9, options), "September");
    EXPECT_EQ(WeekdayText(5, options), "Thursday");
    options.AbbrMonth = true;
    EXPECT_EQ(MonthText(5, options), "May");
    EXPECT_EQ(MonthText(6, options), "Jun");
    EXPECT_EQ(MonthText(9, options), "Sep");
    EXPECT_EQ(WeekdayText(2, options), "Mon");
    EXPECT_EQ(WeekdayText(5, options), "Thu");
}

TEST(DateCategory, TimeKindPicksOneOfTheThreeTimes) {
    ItemInfo info;
    info.CreationTime = 1000;
    info.LastAccessTime = 2000;
    info.LastWriteTime = 3000;
    EXPECT_EQ(ChosenFileTime(info, CreationTime), 1000);
    EXPECT_EQ(ChosenFileTime(info, LastAccessTime), 2000);
    EXPECT_EQ(ChosenFileTime(info, LastWriteTime), 3000);
    EXPECT_EQ(ChosenFileTime(info, 7), 3000);
}

// Seconds since the epoch of a UTC calendar time.
FileTime Utc(int year, int month, int day, int hour, int minute) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    return timegm(&parts);
}

TEST(DateCategory, EachFileTimeUsesTheOffsetInForceAtThatTime) {
    LocalZone berlin("Europe/Berlin");
    ClassifyOptions options;
    options.ByHour = true;
    ItemInfo info;
    // Summer time began on 2011-03-27 at 01:00 UTC: 02:00 local became 03:00.
    info.LastWriteTime = Utc(2011, 3, 27, 0, 30);
    EXPECT_EQ(DateCategory("", info, options, NoEmbeddedDates::Instance()), "2011-3-27-1");
    info.LastWriteTime = Utc(2011, 3, 27, 1, 30);
    EXPECT_EQ(DateCategory("", info, options, NoEmbeddedDates::Instance()), "2011-3-27-3");
    // A winter evening and a summer evening, both late enough to change the date.
    info.LastWriteTime = Utc(2011, 1, 15, 23, 30);
    EXPECT_EQ(DateCategory("", info, options, NoEmbeddedDates::Instance()), "2011-1-16-0");
    info.LastWriteTime = Utc(2011, 7, 15, 22, 30);
    EXPECT_EQ(DateCategory("", info, options, NoEmbeddedDates::Instance()), "2011-7-16-0");
}

TakenDate Taken(bool utc, WrittenTime time, std::optional<int> offset = std::nullopt) {
    return {utc, time, offset};
}

ClassifyOptions Hourly() {
    ClassifyOptions options;
    options.ByHour = true;
    return options;
}

TEST(DateCategory, DateTakenIsAPhotosWallClockAndAVideosLocalTime) {
    LocalZone berlin("Europe/Berlin");
    const FileTime now = Utc(2024, 1, 1, 0, 0);
    // Taken in Tokyo: the clock as written, not moved into this zone.
    const std::optional<LocalTime> photo = TakenLocalTime(Taken(false, {2015, 6, 1, 23, 30, 0}, 9 * 60), now);
    ASSERT_TRUE(photo);
    EXPECT_EQ(DateCategoryOf(*photo, Hourly()), "2015-6-1-23");
    EXPECT_EQ(photo->DayOfWeek, 1); // a Monday
    // UTC, shifted by the summer offset in force on that day.
    const std::optional<LocalTime> video = TakenLocalTime(Taken(true, {2015, 6, 1, 23, 30, 0}), now);
    ASSERT_TRUE(video);
    EXPECT_EQ(DateCategoryOf(*video, Hourly()), "2015-6-2-1");
    EXPECT_EQ(video->DayOfWeek, 2);
}

TEST(DateCategory, ImplausibleDatesTakenAreNone) {
    LocalZone utc("UTC");
    const FileTime now = Utc(2024, 1, 1, 12, 0);
    const struct {
        const char* Description;
        TakenDate Date;
        bool Plausible;
    } cases[] = {
        {"zero", Taken(false, {}), false},
        {"before 1900", Taken(false, {1899, 12, 31, 23, 59, 59}), false},
        {"first moment of 1900", Taken(false, {1900, 1, 1, 0, 0, 0}), true},
        {"month 13", Taken(false, {2015, 13, 1, 0, 0, 0}), false},
        {"29 February of a common year", Taken(false, {2015, 2, 29, 0, 0, 0}), false},
        {"29 February of a leap year", Taken(false, {2016, 2, 29, 0, 0, 0}), true},
        {"hour 24", Taken(false, {2015, 6, 1, 24, 0, 0}), false},
        {"second 60", Taken(false, {2015, 6, 1, 0, 0, 60}), false},
        {"a wall clock less than a day ahead", Taken(false, {2024, 1, 2, 11, 59, 0}), true},
        {"a wall clock more than a day ahead", Taken(false, {2024, 1, 2, 12, 1, 0}), false},
        {"ahead on the wall but not in its zone", Taken(false, {2024, 1, 2, 20, 0, 0}, 10 * 60), true},
        {"a UTC moment more than a day ahead", Taken(true, {2024, 1, 2, 12, 1, 0}), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TakenLocalTime(c.Date, now).has_value(), c.Plausible) << c.Description;
}

TEST(DateCategory, DateTakenFallsBackToTheLastWriteTime) {
    LocalZone utc("UTC");
    FakeEmbeddedDates dates;
    dates.Dates["/in/taken.jpg"] = Taken(false, {2015, 6, 1, 12, 0, 0});
    dates.Dates["/in/future.jpg"] = Taken(false, {2999, 1, 1, 0, 0, 0});
    ClassifyOptions options;
    options.TimeKind = DateTaken;
    ItemInfo info;
    info.LastWriteTime = Utc(2024, 2, 2, 12, 0);
    EXPECT_EQ(DateCategory("/in/taken.jpg", info, options, dates), "2015-6-1");
    EXPECT_EQ(DateCategory("/in/none.jpg", info, options, dates), "2024-2-2");
    EXPECT_EQ(DateCategory("/in/future.jpg", info, options, dates), "2024-2-2");
    EXPECT_EQ(dates.Asked.size(), 3u);
    // A folder carries no date, and the other time kinds never look inside.
    info.IsFolder = true;
    EXPECT_EQ(DateCategory("/in/taken.jpg", info, options, dates), "2024-2-2");
    info.IsFolder = false;
    options.TimeKind = LastWriteTime;
    EXPECT_EQ(DateCategory("/in/taken.jpg", info, options, dates), "2024-2-2");
    EXPECT_EQ(dates.Asked.size(), 3u);
}

TEST(DateCategory, TimesBeforeTheEpochHaveDates) {
    LocalZone utc("UTC");
    const std::optional<LocalTime> time = ToLocalTime(Utc(1969, 12, 31, 23, 0));
    ASSERT_TRUE(time);
    EXPECT_EQ(time->Year, 1969);
    EXPECT_EQ(time->DayOfWeek, 3); // a Wednesday
}

} // namespace
} // namespace varnolt
