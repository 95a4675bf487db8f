#include "engine/DateCategory.h"

#include <array>
#include <ctime>

namespace varnolt {

namespace {

constexpr std::array<const char*, 12> kMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                                  "July",    "August",   "September", "October", "November", "December"};
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

} // namespace

FileTime ChosenFileTime(const ItemInfo& info, int timeKind) {
    switch (timeKind) {
    case CreationTime: return info.CreationTime;
    case LastAccessTime: return info.LastAccessTime;
    default: return info.LastWriteTime;
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

std::string MonthText(int n, const ClassifyOptions& options) { return TableText(n, kMonthNames, options); }

std::string WeekdayText(int n, const ClassifyOptions& options) { return TableText(n, kWeekdayNames, options); }

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

std::string DateCategory(const ItemInfo& info, const ClassifyOptions& options) {
    const std::optional<LocalTime> time = ToLocalTime(ChosenFileTime(info, options.TimeKind));
    return time ? DateCategoryOf(*time, options) : std::string();
}

} // namespace varnolt
