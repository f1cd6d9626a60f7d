#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vclock::testing {

// The system's time zone data, read through the C library (POSIX only): a
// test names a zone for a while and reads its offsets and their changes.

// Sets TZ for its lifetime and puts the previous value back afterwards.
class TimeZoneGuard {
public:
    explicit TimeZoneGuard(const std::string& zone);
    ~TimeZoneGuard();
    TimeZoneGuard(const TimeZoneGuard&) = delete;
    TimeZoneGuard& operator=(const TimeZoneGuard&) = delete;

private:
    std::optional<std::string> previous_;
};

// How far local time is ahead of UTC at an instant, in the zone TZ names.
std::int64_t utcOffsetAt(std::int64_t secondsSince1970);

// A change of the offset: `at` is the first second of the new one.
struct ZoneChange {
    std::int64_t at;
    std::int64_t before;
    std::int64_t after;
};

// Every change of offset from `from` up to `to`, in the zone TZ names; the
// zone is looked at every six hours, and no zone changes twice in that time.
std::vector<ZoneChange> zoneChanges(std::int64_t from, std::int64_t to);

// The zone files of a tzdata folder, each once: an alias that links to
// another file, the posix/ and right/ copies and files of other kinds are
// left out.
std::vector<std::filesystem::path> zoneFiles(const std::filesystem::path& folder);

}  // namespace vclock::testing
