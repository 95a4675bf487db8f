// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DateCategory.h"

#include <array>
#include <ctime>

namespace varnolt {

namespace {

constexpr std::array<const char*, 12> kMonthNames{"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> kWeekdayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                   "Thursday", "Friday", "Saturday"};
constexpr std::size_t kAbbreviationLength = 3;

template <std::size_t N>
std::string TableText(int n, const std::array<const char*, N>& names, const ClassifyOptions& options) {
    if (options.NumberMonth) return std::to_string(n);
    if (n < 1 || n > static_cast<int>(N)) return {};
    const std::string name = names[n - 1];
    return options.AbbrMonth ? name.substr(0, kAbbreviationLength) : name;
}

class PartJoiner {
  public:
    explicit PartJoiner(bool nested) : separator_(nested ? '/' : '-') {}
    void Add(const std::string& part) {
        if (!text_.empty()) text_ += separator_;
        text_ += part;
    }
    const std::string& Text() const { return text_; }

  private:
    char separator_;
    std::string text_;
};

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kEarliestTakenYear = 1900;
constexpr int kLatestTakenYear = 9999;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsCalendarTime(const WrittenTime& t) {
    return t.Year >= kEarliestTakenYear && t.Year <= kLatestTakenYear && t.Month >= 1 && t.Month <= 12 &&
           t.Day >= 1 && t.Day <= DaysInMonth(t.Year, t.Month) && t.Hour >= 0 && t.Hour < 24 &&
           t.Minute >= 0 && t.Minute < 60 && t.Second >= 0 && t.Second < 60;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// A calendar time counted as if it were UTC: comparable with another, and the moment itself when it is UTC.
std::int64_t CivilSeconds(const WrittenTime& t) {
    return DaysFromCivil(t.Year, t.Month, t.Day) * kSecondsPerDay + t.Hour * 3600 + t.Minute * 60 + t.Second;
}

WrittenTime LocalWallClock(FileTime now) {
    const std::time_t seconds = static_cast<std::time_t>(now);
    std::tm parts{};
    if (localtime_r(&seconds, &parts) == nullptr) return {};
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

LocalTime AsLocalTime(const WrittenTime& t) {
    // 1970-01-01 was a Thursday.
    const int dayOfWeek = static_cast<int>(((DaysFromCivil(t.Year, t.Month, t.Day) + 4) % 7 + 7) % 7);
    return {t.Year, t.Month, dayOfWeek, t.Day, t.Hour, t.Minute, t.Second};
}

} // namespace

FileTime ChosenFileTime(const ItemInfo& info, int timeKind) {
    switch (timeKind) {
    case CreationTime:
        return info.CreationTime;
    case LastAccessTime:
        return info.LastAccessTime;
    default:
        return info.LastWriteTime;
    }
}

std::optional<LocalTime> ToLocalTime(FileTime time) {
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm parts{};
    if (localtime_r(&seconds, &parts) == nullptr) return std::nullopt;
    const int year = parts.tm_year + 1900;
    // A folder name of a year before the common era would carry a sign.
    if (year < 1) return std::nullopt;
    return LocalTime{year,          parts.tm_mon + 1, parts.tm_wday, parts.tm_mday,
                     parts.tm_hour, parts.tm_min,     parts.tm_sec};
}

std::string MonthText(int n, const ClassifyOptions& options) {
    return TableText(n, kMonthNames, options);
}

std::string WeekdayText(int n, const ClassifyOptions& options) {
    return TableText(n, kWeekdayNames, options);
}

std::string DateCategoryOf(const LocalTime& time, const ClassifyOptions& options) {
    PartJoiner category(options.GroupedSubfolders);
    if (options.ByYear) category.Add(std::to_string(time.Year));
    if (options.ByMonth) category.Add(MonthText(time.Month, options));
    if (options.ByWeek) category.Add(WeekdayText(time.DayOfWeek + 1, options));
    if (options.ByDay) category.Add(std::to_string(time.Day));
    if (options.ByHour) {
        category.Add(std::to_string(time.Hour));
        // Minutes and seconds only refine the hour, and seconds only the minute.
        if (options.IncludeMinute) {
            category.Add(std::to_string(time.Minute));
            if (options.IncludeSecond) category.Add(std::to_string(time.Second));
        }
    }
    return category.Text();
}

std::optional<LocalTime> TakenLocalTime(const TakenDate& taken, FileTime now) {
    const WrittenTime& time = taken.Time;
    if (!IsCalendarTime(time)) return std::nullopt;
    const std::int64_t latest = now + kSecondsPerDay;
    if (taken.IsUtc) {
        const FileTime moment = CivilSeconds(time);
        return moment <= latest ? ToLocalTime(moment) : std::nullopt;
    }
    // A wall clock is the day where it was taken, in every zone. Its zone, where the file tells it, says
    // when that was, to tell a date in the future; without it, the clock is taken to be in this zone.
    const bool inFuture = taken.OffsetMinutes
                              ? CivilSeconds(time) - *taken.OffsetMinutes * 60 > latest
                              : CivilSeconds(time) > CivilSeconds(LocalWallClock(now)) + kSecondsPerDay;
    if (inFuture) return std::nullopt;
    return AsLocalTime(time);
}

std::string DateCategory(const std::string& path, const ItemInfo& info, const ClassifyOptions& options,
                         EmbeddedDates& dates) {
    std::optional<LocalTime> time;
    if (options.TimeKind == DateTaken && !info.IsFolder) {
        if (const std::optional<TakenDate> taken = dates.ReadTakenDate(path))
            time = TakenLocalTime(*taken, static_cast<FileTime>(std::time(nullptr)));
    }
    // Without a plausible date taken, the last write time.
    if (!time) time = ToLocalTime(ChosenFileTime(info, options.TimeKind));
    return time ? DateCategoryOf(*time, options) : std::string();
}

} // namespace varnolt
