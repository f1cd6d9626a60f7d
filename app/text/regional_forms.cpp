#include "app/text/regional_forms.h"

namespace vclock {
namespace {

const std::array<std::string, 12> kEnglishMonths{"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};
const std::array<std::string, 12> kEnglishAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

// The three regions the simulated runtime offers, as Windows writes them.
// English (United Kingdom) keeps the designators for text typed with them;
// its time pattern writes 24-hour times.

RegionalForms RegionalForms::englishUnitedStates() {
    return {"en-US", "h:mm:ss tt", "AM", "PM", "M/d/yyyy", kEnglishMonths, kEnglishAbbreviations};
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

}  // namespace vclock
