#include "app/text/date_text.h"

#include <array>
#include <span>

#include "app/text/lenient_reading.h"
#include "app/text/pattern_text.h"
#include "app/text/text_folding.h"

namespace vclock {
namespace {

constexpr std::string_view kMediumDatePattern = "dd-MMM-yy";

}  // namespace

std::string dateToText(DateTime value, const RegionalForms& forms) {
    if (!value.hasDate()) return writeByPattern(value, forms.timePattern, forms);
    if (!value.hasTime()) return writeByPattern(value, forms.shortDatePattern, forms);
    return writeByPattern(value, forms.shortDatePattern, forms) + ' ' + writeByPattern(value, forms.timePattern, forms);
}

std::string mediumDate(DateTime value, const RegionalForms& forms) {
    return writeByPattern(value, kMediumDatePattern, forms);
}

// What this program writes is read by the very patterns it was written by,
// so it always reads back; what people type is read leniently after that.
std::optional<DateTime> textToDate(std::string_view text, const RegionalForms& forms) {
    const std::string folded = foldedText(text);
    if (folded.empty()) return std::nullopt;
    const std::string_view time = forms.timePattern;
    const std::string_view date = forms.shortDatePattern;
    const std::array<std::string_view, 1> timeAlone{time};
    const std::array<std::string_view, 1> dateAlone{date};
    const std::array<std::string_view, 3> dateAndTime{date, " ", time};
    const std::array<std::string_view, 1> medium{kMediumDatePattern};
    for (const std::span<const std::string_view> patterns :
         {std::span<const std::string_view>(timeAlone), std::span<const std::string_view>(dateAlone),
          std::span<const std::string_view>(dateAndTime), std::span<const std::string_view>(medium)}) {
        if (auto value = readByPattern(folded, patterns, forms)) return value;
    }
    return readLeniently(folded, forms);
}

bool isDate(std::string_view text, const RegionalForms& forms) { return textToDate(text, forms).has_value(); }

std::string numberToText(long long value) { return std::to_string(value); }

}  // namespace vclock
