#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vclock {

// The rules that both date readers follow: the one by the region's own
// patterns and the lenient one for typed text.

// A year as typed: one or two digits fall in 1930..2029, three or four are
// taken as written from the year 100 on.
std::optional<int> yearAsTyped(std::size_t digits, int value);

// Days from the zero date of a calendar date; nothing when day, month and
// year make no date (30 February, month 13).
std::optional<std::int64_t> daysOfDate(int year, int month, int day);

// The hour of the day: without a designator the typed hour counts 0 to 23;
// with one 1 to 12, where 12 AM is midnight and 12 PM noon.
std::optional<int> hourOfDay(int typed, std::optional<bool> afternoon);

}  // namespace vclock
