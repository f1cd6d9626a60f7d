#include "app/text/reading_rules.h"

#include <array>

#include "app/text/date_time.h"

namespace vclock {
namespace {

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<int> yearAsTyped(std::size_t digits, int value) {
    if (digits <= 2) return value < 30 ? 2000 + value : 1900 + value;
    if (value < 100) return std::nullopt;
    return value;
}

std::optional<std::int64_t> daysOfDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) return std::nullopt;
    return DateTime::fromCivil(year, month, day).days();
}

std::optional<int> hourOfDay(int typed, std::optional<bool> afternoon) {
    if (!afternoon) return typed <= 23 ? std::optional<int>(typed) : std::nullopt;
    if (typed < 1 || typed > 12) return std::nullopt;
    return typed % 12 + (*afternoon ? 12 : 0);
}

}  // namespace vclock
