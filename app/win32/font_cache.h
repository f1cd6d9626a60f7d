#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "app/runtime/font.h"

namespace vclock::win32 {

// The few layout fonts, each made once and kept for the run.
class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();

    HFONT get(const Font& font);

private:
    std::vector<std::pair<Font, HFONT>> fonts_;
};

}  // namespace vclock::win32
