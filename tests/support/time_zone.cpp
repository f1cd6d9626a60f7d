#include "tests/support/time_zone.h"

#include <time.h>

#include <cstdlib>
#include <fstream>
#include <set>

namespace vclock::testing {

TimeZoneGuard::TimeZoneGuard(const std::string& zone) {
    if (const char* tz = std::getenv("TZ")) previous_ = tz;
    setenv("TZ", zone.c_str(), 1);
    tzset();
}

TimeZoneGuard::~TimeZoneGuard() {
    if (previous_) {
        setenv("TZ", previous_->c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

std::int64_t utcOffsetAt(std::int64_t secondsSince1970) {
    const time_t t = static_cast<time_t>(secondsSince1970);
    tm local{};
    if (localtime_r(&t, &local) == nullptr) return 0;
    return local.tm_gmtoff;
}

std::vector<ZoneChange> zoneChanges(std::int64_t from, std::int64_t to) {
    constexpr std::int64_t kLook = 6 * 3600;
    std::vector<ZoneChange> changes;
    std::int64_t offset = utcOffsetAt(from);
    for (std::int64_t t = from; t < to; t += kLook) {
        const std::int64_t next = utcOffsetAt(t + kLook);
        if (next == offset) continue;
        // The change lies in (t, t + kLook]: halve until it is one second.
        std::int64_t low = t;
        std::int64_t high = t + kLook;
        while (high - low > 1) {
            const std::int64_t middle = low + (high - low) / 2;
            (utcOffsetAt(middle) == offset ? low : high) = middle;
        }
        if (high < to) changes.push_back({high, offset, next});
        offset = next;
    }
    return changes;
}

std::vector<std::filesystem::path> zoneFiles(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path root = fs::canonical(folder, error);
    if (error) return {};
    // Inside the folder and not one of its copies.
    const auto isOwn = [&](const fs::path& path) {
        const fs::path relative = path.lexically_relative(root);
        return !relative.empty() && *relative.begin() != ".." && *relative.begin() != "posix" &&
               *relative.begin() != "right";
    };
    std::set<fs::path> files;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (!isOwn(it->path())) {
            it.disable_recursion_pending();
            continue;
        }
        std::error_code fileError;
        const fs::path file = fs::canonical(it->path(), fileError);
        if (fileError || !isOwn(file) || !fs::is_regular_file(file, fileError)) continue;
        char magic[4] = {};
        std::ifstream in(file, std::ios::binary);
        if (in.read(magic, sizeof magic) && std::string(magic, sizeof magic) == "TZif") files.insert(file);
    }
    return {files.begin(), files.end()};
}

}  // namespace vclock::testing
