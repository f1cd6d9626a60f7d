#pragma once

#include <cstdint>

#include "app/text/date_time.h"

namespace vclock {

// Local time from UTC with the system asked for the zone's offset at most
// once per second of UTC. Asking the system is what costs: the C library
// looks at the zone file again each time, and the clock reads the time
// hundreds of times a second.
//
// Exact across daylight-saving changes: a zone's offset changes only at a
// whole second of UTC, so it holds for the rest of the second in which it
// was asked. Because it is asked again in every new second, a change of
// the system's time zone shows within a second.
class LocalTimeCache {
public:
    // Seconds that local time is ahead of UTC at an instant given in whole
    // seconds since 1970, as the system says.
    using OffsetAt = std::int64_t (*)(std::int64_t utcSeconds);

    explicit LocalTimeCache(OffsetAt offsetAt) : offsetAt_(offsetAt) {}

    // The local time, in whole seconds, at an instant in milliseconds since 1970, UTC.
    DateTime localAt(std::int64_t utcMs);

private:
    OffsetAt offsetAt_;
    bool known_ = false;
    std::int64_t second_ = 0;  // the UTC second the offset was asked for
    std::int64_t offset_ = 0;
};

}  // namespace vclock
