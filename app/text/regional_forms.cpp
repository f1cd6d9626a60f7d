#include "app/text/regional_forms.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "app/text/date_pattern.h"
#include "app/text/text_folding.h"

namespace vclock {
namespace {

const std::array<std::string, 12> kEnglishMonths{"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};
const std::array<std::string, 12> kEnglishAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

constexpr std::string_view kUnitedStatesTime = "h:mm:ss tt";
constexpr std::string_view kUnitedStatesDate = "M/d/yyyy";

}  // namespace

// The three regions the simulated runtime offers, as Windows writes them.
// English (United Kingdom) keeps the designators for text typed with them;
// its time pattern writes 24-hour times.

RegionalForms RegionalForms::englishUnitedStates() {
    return {"en-US",      std::string(kUnitedStatesTime), "AM", "PM", std::string(kUnitedStatesDate),
            kEnglishMonths, kEnglishAbbreviations};
}

RegionalForms RegionalForms::englishUnitedKingdom() {
    return {"en-GB", "HH:mm:ss", "AM", "PM", "dd/MM/yyyy", kEnglishMonths, kEnglishAbbreviations};
}

// German abbreviations as Windows has them: "Mrz", not "Mär".
RegionalForms RegionalForms::germanGermany() {
    return {"de-DE",
            "HH:mm:ss",
            "",
            "",
            "dd.MM.yyyy",
            {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November",
             "Dezember"},
            {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"}};
}

namespace {

bool sameWord(std::string_view a, std::string_view b) {
    const std::string folded = foldedText(a);
    const std::optional<std::size_t> length = matchFolded(folded, b);
    return length && *length == folded.size() && foldedText(b).size() == folded.size();
}

bool allDifferent(const std::array<std::string, 12>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (foldedText(names[i]).empty()) return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (sameWord(names[i], names[j])) return false;
        }
    }
    return true;
}

std::size_t countFields(const std::vector<PatternPiece>& pieces, std::string_view letters) {
    return static_cast<std::size_t>(std::count_if(pieces.begin(), pieces.end(), [&](const PatternPiece& p) {
        return p.field != 0 && letters.find(p.field) != std::string_view::npos;
    }));
}

// The pieces of `pattern` that the clock writes, when they hold each field
// of `once` (letters that stand for one field, as "hH") once and no other
// but those of `also`; else the pieces of `fallback`.
std::vector<PatternPiece> writtenPieces(std::string_view pattern, std::initializer_list<std::string_view> once,
                                        std::string_view also, std::string_view fallback) {
    std::vector<PatternPiece> pieces = splitPattern(pattern);
    leaveOutUnwritten(pieces);
    const bool eachOnce = std::all_of(once.begin(), once.end(), [&](std::string_view f) { return countFields(pieces, f) == 1; });
    const bool noOther = countFields(pieces, "hHmstdMy") == once.size() + countFields(pieces, also);
    return eachOnce && noOther ? pieces : splitPattern(fallback);
}

std::vector<PatternPiece> soundTimePattern(const RegionalForms& forms) {
    std::vector<PatternPiece> time = writtenPieces(forms.timePattern, {"hH", "m", "s"}, "t", kUnitedStatesTime);
    const bool designators = !foldedText(forms.amDesignator).empty() && !foldedText(forms.pmDesignator).empty() &&
                             !sameWord(forms.amDesignator, forms.pmDesignator);
    if (designators && (countFields(time, "t") != 0 || countFields(time, "h") == 0)) return time;
    // Without designators that tell morning from afternoon: the 24-hour
    // clock, and no designator.
    for (PatternPiece& piece : time) {
        if (piece.field == 'h') piece.field = 'H';
    }
    for (std::size_t i = time.size(); i-- > 0;) {
        if (time[i].field == 't') leaveOut(time, i);
    }
    return time;
}

std::vector<PatternPiece> soundDatePattern(const RegionalForms& forms) {
    std::vector<PatternPiece> date = writtenPieces(forms.shortDatePattern, {"d", "M", "y"}, "", kUnitedStatesDate);
    for (PatternPiece& piece : date) {
        if (piece.field == 'y') piece.count = 4;
    }
    return date;
}

}  // namespace

RegionalForms soundForms(RegionalForms forms) {
    forms.timePattern = joinPattern(soundTimePattern(forms));
    forms.shortDatePattern = joinPattern(soundDatePattern(forms));
    if (!allDifferent(forms.monthNames)) forms.monthNames = kEnglishMonths;
    if (!allDifferent(forms.abbreviatedMonthNames)) forms.abbreviatedMonthNames = kEnglishAbbreviations;
    return forms;
}

}  // namespace vclock
