#include "app/text/date_pattern.h"

#include <gtest/gtest.h>

namespace vclock {
namespace {

// A field the clock does not write leaves with what joins it to the rest,
// and nothing else: quoted words and abbreviation dots stay.
TEST(DatePattern, FieldsLeftOutTakeTheirJoiners) {
    const auto check = [](const char* name, const char* pattern, const char* expected) {
        EXPECT_EQ(writtenPattern(pattern), expected) << name << ": " << pattern;
    };
    check("control: nothing to leave out", "h:mm:ss tt", "h:mm:ss tt");
    check("zone last, after a blank", "HH:mm:ss z", "HH:mm:ss");
    check("zone in brackets", "H:mm:ss (z)", "H:mm:ss");
    check("zone in square brackets", "tth:mm:ss [z]", "tth:mm:ss");
    check("zone in brackets with a dot", "H:mm:ss [z. ]", "H:mm:ss");
    check("zone first", "z tth:mm:ss", "tth:mm:ss");
    check("zone after a comma", "h:mm:ss tt, z", "h:mm:ss tt");
    check("zone after a no-break space", "HH:mm:ss\xc2\xa0z", "HH:mm:ss");
    check("the dot of an abbreviation stays", "H:mm:ss '\xd1\x87'. z", "H:mm:ss \xd1\x87.");
    check("quoted words stay", "HH 'h' mm 'min' ss 's' z", "HH 'h' mm 'min' ss 's'");
    check("milliseconds between two fields", "hh:mm:ss.zzz tt", "hh:mm:ss tt");
    check("zone in brackets between two fields", "H:mm:ss (z) tt", "H:mm:ss tt");
    check("milliseconds last", "HH:mm:ss.zzz", "HH:mm:ss");
    check("weekday first with its comma", "dddd, d MMMM yyyy", "d MMMM yyyy");
    check("weekday between two fields", "d ddd, MMMM yyyy", "d MMMM yyyy");
    check("era last", "yyyy/M/d gg", "yyyy/M/d");
    check("blanks at the ends", "  HH:mm:ss ", "HH:mm:ss");
    check("only a field left out", "z", "");
}

TEST(DatePattern, PiecesAndQuotes) {
    const std::vector<PatternPiece> pieces = splitPattern("H 'h' mm''ss");
    ASSERT_EQ(pieces.size(), 6U);
    EXPECT_EQ(pieces[0].field, 'H');
    EXPECT_EQ(pieces[1].text, " ");
    EXPECT_EQ(pieces[2].text, "h");
    EXPECT_TRUE(pieces[2].quoted);
    EXPECT_EQ(pieces[4].field, 'm');
    EXPECT_EQ(pieces[4].count, 2U);
    EXPECT_EQ(pieces[5].field, 's');  // an empty quote is nothing
    EXPECT_EQ(joinPattern(pieces), "H 'h' mmss");
    EXPECT_EQ(joinPattern(splitPattern("HH'.'mm'h'")), "HH.mm'h'");  // only letters need quotes
    EXPECT_EQ(splitPattern("HH 'open").back().text, "open");          // a quote left open runs to the end
}

}  // namespace
}  // namespace vclock
