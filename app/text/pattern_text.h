#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/text/date_time.h"
#include "app/text/regional_forms.h"

namespace vclock {

// Writes `value` by a pattern. One field letter writes the number as it is,
// two or more pad it to two digits; "MMM" and "MMMM" write month names,
// "yyy" and longer a four-digit year, and any run of 't' the designator.
// Fields the clock does not write write nothing.
std::string writeByPattern(DateTime value, std::string_view pattern, const RegionalForms& forms);

// Reads text that patterns wrote one after the other, so that what
// writeByPattern wrote reads back as the value it wrote. `folded` comes
// from foldedText; literal text, designators and month names compare as
// folded text does. Numbers may have one or two digits (years up to four),
// designators are the region's own, and every field is checked (no 24:00,
// no 30 February). Pieces that the text fits in more than one way are
// tried each way.
std::optional<DateTime> readByPattern(std::string_view folded, std::span<const std::string_view> patterns,
                                      const RegionalForms& forms);

}  // namespace vclock
