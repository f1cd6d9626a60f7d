#include "app/runtime/local_time_cache.h"

#include "app/runtime/clock.h"

namespace vclock {

DateTime LocalTimeCache::localAt(std::int64_t utcMs) {
    const std::int64_t second = ClockReading::wholeSeconds(utcMs);
    if (!known_ || second != second_) {
        offset_ = offsetAt_(second);
        second_ = second;
        known_ = true;
    }
    return DateTime::fromSeconds(second + offset_ + ClockReading::kUnixEpochMs / 1000);
}

}  // namespace vclock
