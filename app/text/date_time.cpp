#include "app/text/date_time.h"

namespace vclock {
namespace {

// Calendar arithmetic on 400-year eras of the proleptic Gregorian calendar,
// with years starting on 1 March so that the leap day ends a year. Counts
// days from 1 January 1970; all intermediate values fit in 64 bits for any
// int year.
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;                                  // 0..399
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;  // 0..365
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;  // 0..146096
    return era * 146097 + dayOfEra - 719468;
}

// 30 December 1899 counted from 1 January 1970.
constexpr std::int64_t kZeroDateFrom1970 = -25569;

}  // namespace

DateTime DateTime::fromCivil(int year, int month, int day) {
    return fromParts(daysFromCivil(year, month, day) - kZeroDateFrom1970, 0, 0, 0);
}

DateTime::Civil DateTime::civil() const {
    const std::int64_t z = days() + kZeroDateFrom1970 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;                                              // 0..146096
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // 0..399
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // 0..365
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;                                    // 0..11, March first
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    // Years beyond int only arise from second counts no date text produces.
    return Civil{static_cast<int>(year), month, day};
}

}  // namespace vclock
