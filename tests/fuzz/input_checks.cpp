#include "tests/fuzz/input_checks.h"

#include <optional>
#include <string_view>

#include "app/text/date_text.h"
#include "app/text/regional_forms.h"
#include "assets/decode/bmp_decoder.h"
#include "assets/decode/ico_decoder.h"

namespace vclock::fuzz {
namespace {

bool soundSize(const Picture& picture, int largestSide) {
    return picture.width >= 1 && picture.width <= largestSide && picture.height >= 1 &&
           picture.height <= largestSide &&
           picture.pixels.size() == static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
}

}  // namespace

bool bmpInputHolds(std::span<const std::uint8_t> bytes) {
    const std::optional<Picture> picture = decodeBmp(bytes);
    if (!picture) return true;
    if (!soundSize(*picture, 16384)) return false;
    for (std::uint32_t pixel : picture->pixels) {
        if (pixel >> 24 != 0xFF) return false;
    }
    return true;
}

bool icoInputHolds(std::span<const std::uint8_t> bytes) {
    const std::optional<Icon> icon = decodeIco(bytes);
    if (!icon) return true;
    if (icon->images.empty()) return false;
    for (const Icon::Image& image : icon->images) {
        const int depth = image.bitsPerPixel;
        if (!image.picture || !soundSize(*image.picture, 256)) return false;
        if (depth != 1 && depth != 4 && depth != 8 && depth != 24 && depth != 32) return false;
        for (std::uint32_t pixel : image.picture->pixels) {
            if (pixel != 0 && pixel >> 24 != 0xFF) return false;
        }
    }
    return true;
}

bool dateTextInputHolds(std::span<const std::uint8_t> bytes) {
    static const RegionalForms kForms[] = {RegionalForms::englishUnitedStates(), RegionalForms::englishUnitedKingdom(),
                                           RegionalForms::germanGermany()};
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    for (const RegionalForms& forms : kForms) {
        const std::optional<DateTime> value = textToDate(text, forms);
        if (value.has_value() != isDate(text, forms)) return false;
        if (value && textToDate(dateToText(*value, forms), forms) != value) return false;
    }
    return true;
}

}  // namespace vclock::fuzz
