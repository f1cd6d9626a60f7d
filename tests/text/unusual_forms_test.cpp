#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/text/date_text.h"
#include "tests/text/forms_sweep.h"

namespace vclock {
namespace {

// Forms shaped like those of regions whose patterns are unusual: words and
// designators first or last, dots in designators, no-break spaces and
// direction marks. Fixed here, so that the core is tested whatever locales
// the machine has.
RegionalForms forms(const char* name, const char* time, const char* am, const char* pm, const char* date) {
    RegionalForms f = RegionalForms::englishUnitedStates();
    f.name = name;
    f.timePattern = time;
    f.amDesignator = am;
    f.pmDesignator = pm;
    f.shortDatePattern = date;
    return f;
}

const RegionalForms kKorean = forms("korean", "tt h'시' m'분' s'초'", "오전", "오후", "yyyy. M. d.");
const RegionalForms kBulgarian = forms("bulgarian", "H:mm:ss 'ч'.", "", "", "d.MM.yyyy 'г'.");
const RegionalForms kTaiwan = forms("taiwan", "tth:mm:ss", "上午", "下午", "yyyy/M/d");
const RegionalForms kSpanishUs = forms("spanish-us", "h:mm:ss tt", "a.\xc2\xa0m.", "p.\xc2\xa0m.", "d/M/yyyy");
const RegionalForms kArabic = forms("arabic", "h:mm:ss tt", "ص", "م", "d\xe2\x80\x8f/M\xe2\x80\x8f/yyyy");
const RegionalForms kAfrikaans = forms("afrikaans", "h:mm:ss tt", "vm.", "nm.", "yyyy-MM-dd");
const RegionalForms kEsperanto = forms("esperanto", "H-'a' 'horo' 'kaj' m:ss", "", "", "yyyy-MM-dd");
const RegionalForms kNarrowBlank = forms("narrow blank", "h:mm:ss\xe2\x80\xaftt", "AM", "PM", "M/d/yyyy");
const RegionalForms kUs = RegionalForms::englishUnitedStates();
const RegionalForms kDe = RegionalForms::germanGermany();

TEST(UnusualForms, ReadBackWhatTheyWrite) {
    const std::vector<std::int64_t> days = sweep::dates();
    for (const RegionalForms* f : {&kKorean, &kBulgarian, &kTaiwan, &kSpanishUs, &kArabic, &kAfrikaans, &kEsperanto,
                                   &kNarrowBlank}) {
        EXPECT_EQ(sweep::failures(*f, sweep::quotedWords(f->timePattern), days), std::vector<std::string>{}) << f->name;
    }
    EXPECT_EQ(dateToText(DateTime::timeOfDay(19, 5, 9), kKorean), "오후 7시 5분 9초");
    EXPECT_EQ(dateToText(DateTime::fromCivil(2001, 3, 25), kArabic), "25\xe2\x80\x8f/3\xe2\x80\x8f/2001");
}

TEST(UnusualForms, TypedTextReadsLeniently) {
    const auto check = [](const char* name, const RegionalForms& f, std::string_view text, DateTime expected) {
        EXPECT_EQ(textToDate(text, f), expected) << name << " (" << f.name << ")";
    };
    const DateTime evening = DateTime::timeOfDay(19, 30, 0);
    check("control: designator after", kUs, "7:30 PM", evening);
    check("narrow no-break space", kUs, "7:30\xe2\x80\xaf" "PM", evening);
    check("no-break space", kUs, "7:30\xc2\xa0pm", evening);
    check("direction marks", kUs, "\xe2\x80\x8e" "7:30 PM\xe2\x80\x8f", evening);
    check("designator first", kUs, "PM 7:30", evening);
    check("designator first, attached", kUs, "pm7:30", evening);
    check("designator with dots", kUs, "7:30 p.m.", evening);
    check("designator with dots and blank, first", kUs, "P. M. 7:30", evening);
    check("the region's designator first", kKorean, "오후 7:30", evening);
    check("the region's designator last", kKorean, "7:30 오후", evening);
    check("the region's own words", kKorean, "오후 7시 30분 0초", evening);
    check("designator without its dots", kSpanishUs, "7:30 p m", evening);
    check("designator with plain blanks", kSpanishUs, "7:30 p. m.", evening);
    check("designator without its dot", kAfrikaans, "7:30 nm", evening);
    check("designator with its dot, first", kAfrikaans, "nm. 7:30", evening);
    check("designator attached first", kTaiwan, "下午7:30", evening);
    check("a word after the time", kBulgarian, "19:30:00 ч.", evening);
    check("a date between direction marks", kArabic, "25\xe2\x80\x8f/3\xe2\x80\x8f/2001", DateTime::fromCivil(2001, 3, 25));
    check("the same date without them", kArabic, "25/3/2001", DateTime::fromCivil(2001, 3, 25));
    check("stored in English (United States) forms", kKorean, "7:30:00 PM", evening);
}

TEST(UnusualForms, NothingElseIsLoosened) {
    const auto reject = [](const char* name, const RegionalForms& f, std::string_view text) {
        EXPECT_EQ(textToDate(text, f), std::nullopt) << name << " (" << f.name << ")";
    };
    reject("control: a word", kUs, "abc");
    reject("designators on both sides", kUs, "PM 7:30 PM");
    reject("a designator alone", kUs, "p.m.");
    reject("dots alone after the time", kUs, "7:30 .");
    reject("letters after a designator", kUs, "7:30 p.m.x");
    reject("a blank between hours and minutes", kKorean, "7 30");
    reject("another region's designator", kUs, "7:30 오후");
    reject("hour 24 in the region's words", kKorean, "오후 24시 0분 0초");
    reject("a bare number with words", kKorean, "7시");
    reject("a word that is no designator", kDe, "Uhr 7:30");
}

}  // namespace
}  // namespace vclock
