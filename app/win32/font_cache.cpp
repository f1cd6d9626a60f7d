#include "app/win32/font_cache.h"

#include "app/win32/win_text.h"

namespace vclock::win32 {

FontCache::~FontCache() {
    for (auto& entry : fonts_) DeleteObject(entry.second);
}

HFONT FontCache::get(const Font& font) {
    for (auto& entry : fonts_) {
        if (entry.first == font) return entry.second;
    }
    HFONT made = createFont(font);
    fonts_.emplace_back(font, made);
    return made;
}

}  // namespace vclock::win32
