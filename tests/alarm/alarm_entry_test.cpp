#include "alarm/alarm_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sim/sim_runtime.h"
#include "app/window/window.h"

namespace vclock::testing {
namespace {

constexpr DateTime timeOfDay(int h, int m, int s) { return DateTime::timeOfDay(h, m, s); }

std::vector<RegionalForms> allForms() {
    return {RegionalForms::englishUnitedStates(), RegionalForms::englishUnitedKingdom(),
            RegionalForms::germanGermany()};
}

// The entry on its own: a window holding only the field, on the simulated runtime.
class AlarmEntryTest : public ::testing::Test {
protected:
    std::string stored() { return sim.store().read("Vordane Clock", "Alarm", "currentime"); }
    void store(const std::string& value) { sim.store().write("Vordane Clock", "Alarm", "currentime", value); }
    void type(const std::string& text) { field.setText(text); }

    SimRuntime sim;
    Window window{sim, "frmVordaneClock", 11610, 8610};
    Element& field = window.add(ElementKind::TextField, "txtalarm");
    AlarmEntry entry{sim, field};
};

TEST_F(AlarmEntryTest, ReadalarmArmsValidTextsAndDisarmsTheRest) {
    struct Case {
        const char* name;
        std::string typed;
        DynamicValue armed;
        bool message;
    };
    const Case cases[] = {
        {"control: a time of day", "7:30", timeOfDay(7, 30, 0), false},
        {"time with seconds and a designator", "7:30:15 PM", timeOfDay(19, 30, 15), false},
        {"blanks around are ignored", "  7:30  ", timeOfDay(7, 30, 0), false},
        {"a date keeps its date", "3/25/2001 7:30",
         DateTime::fromParts(DateTime::fromCivil(2001, 3, 25).days(), 7, 30, 0), false},
        {"empty: silent, disarmed", "", std::string(""), false},
        {"words", "abc", std::string("abc"), true},
        {"out of range", "25:61", std::string("25:61"), true},
        {"full-width digits", "\xEF\xBC\x97:\xEF\xBC\x93\xEF\xBC\x90", std::string("\xEF\xBC\x97:\xEF\xBC\x93\xEF\xBC\x90"), true},
        {"broken UTF-8", "\xFF\xFE", std::string("\xFF\xFE"), true},
        {"a very long text", std::string(100000, '7'), std::string(100000, '7'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRuntime run;
        Window w{run, "frmVordaneClock", 11610, 8610};
        Element& f = w.add(ElementKind::TextField, "txtalarm");
        AlarmEntry e{run, f};
        f.setText(c.typed);
        e.readalarm();
        EXPECT_TRUE(e.alarmtime() == c.armed);
        EXPECT_EQ(e.alarmtime().isDateTime(), !c.armed.isString()) << "a string never matches the clock";
        ASSERT_EQ(run.messageBoxes().size(), c.message ? 1u : 0u);
        if (c.message) {
            const auto& box = run.messageBoxes()[0];
            EXPECT_EQ(box.text, "You must enter a valid time format.");
            EXPECT_EQ(box.title, "Time Format Error!!");
            EXPECT_EQ(box.icon, MessageIcon::Critical);
            EXPECT_EQ(box.buttons, MessageButtons::Ok);
        }
        EXPECT_EQ(f.text(), c.typed) << "the field is not rewritten";
        EXPECT_EQ(run.store().writes(), 0) << "arming stores nothing";
    }
}

TEST_F(AlarmEntryTest, AnInvalidEntryDisarmsAnArmedAlarmWhateverTheAnswer) {
    type("7:30");
    entry.readalarm();
    sim.setMessageBoxAnswer([](const auto&) { return kAnswerCancel; });
    type("abc");
    entry.readalarm();
    EXPECT_TRUE(entry.alarmtime() == DynamicValue("abc"));
}

TEST_F(AlarmEntryTest, SavealarmStoresTheNormalisedTimeAndNothingForOtherTexts) {
    const auto check = [&](const char* name, const std::string& typed, const std::string& expected) {
        SCOPED_TRACE(name);
        store("9:00:00 AM");
        type(typed);
        entry.savealarm();
        EXPECT_EQ(stored(), expected);
        EXPECT_EQ(field.text(), typed) << "the field keeps what was typed";
        EXPECT_TRUE(sim.messageBoxes().empty());
    };
    check("control: normalised", "7:30", "7:30:00 AM");
    check("afternoon", "19:30:15", "7:30:15 PM");
    check("date and time", "3/25/2001 7:30", "3/25/2001 7:30:00 AM");
    check("empty keeps the stored time", "", "9:00:00 AM");
    check("invalid keeps the stored time", "abc", "9:00:00 AM");
    check("blanks only", "   ", "9:00:00 AM");
}

TEST_F(AlarmEntryTest, SavealarmOnInvalidTextWritesNothingAtAll) {
    type("abc");
    entry.savealarm();
    EXPECT_EQ(sim.store().writes(), 0);
    EXPECT_FALSE(sim.store().contains("Vordane Clock", "Alarm", "currentime"));
}

TEST_F(AlarmEntryTest, LoadalarmSeedsAnEmptyStoreAndLeavesTheField) {
    for (const bool writtenEmpty : {false, true}) {
        SCOPED_TRACE(writtenEmpty ? "value written empty" : "value missing");
        SimRuntime run;
        Window w{run, "frmVordaneClock", 11610, 8610};
        Element& f = w.add(ElementKind::TextField, "txtalarm");
        f.setText("12:00:00 PM");
        AlarmEntry e{run, f};
        if (writtenEmpty) run.store().write("Vordane Clock", "Alarm", "currentime", "");
        e.loadalarm();
        EXPECT_EQ(run.store().read("Vordane Clock", "Alarm", "currentime"), "12:00:00 PM");
        EXPECT_EQ(f.text(), "12:00:00 PM");
        EXPECT_TRUE(e.alarmtime().isEmpty()) << "nothing is armed";
    }
}

TEST_F(AlarmEntryTest, LoadalarmShowsTheStoredTimeAndLeavesTheArmedAlarm) {
    type("6:00");
    entry.readalarm();
    store("7:30:00 AM");
    type("8:15");  // typed, not committed
    entry.loadalarm();
    EXPECT_EQ(field.text(), "7:30:00 AM");
    EXPECT_TRUE(entry.alarmtime() == DynamicValue(timeOfDay(6, 0, 0)));
    EXPECT_EQ(stored(), "7:30:00 AM");
}

TEST_F(AlarmEntryTest, ACommittedTimeComesBackNormalisedAtTheNextLoad) {
    const auto check = [&](const std::string& typed, const std::string& shown) {
        type(typed);
        entry.savealarm();
        entry.loadalarm();
        EXPECT_EQ(field.text(), shown) << typed;
    };
    check("7:30", "7:30:00 AM");
    check("19:30:15", "7:30:15 PM");
    check("3/25/2001 7:30", "3/25/2001 7:30:00 AM");
    check("3/25/2001", "3/25/2001");
}

TEST_F(AlarmEntryTest, AHandEditedStoredValueKeepsTheFieldAndTheStore) {
    const std::string values[] = {"not a time", " ", "25:99:99", "12:00:00 PM trailing", std::string(50000, '1'),
                                  std::string("\xFF\xFE\x00\x01", 4)};
    for (const std::string& value : values) {
        SCOPED_TRACE(value.substr(0, 20));
        store(value);
        type("12:00:00 PM");
        const int writes = sim.store().writes();
        entry.loadalarm();
        EXPECT_EQ(field.text(), "12:00:00 PM");
        EXPECT_EQ(stored(), value) << "what the user wrote is not lost";
        EXPECT_EQ(sim.store().writes(), writes);
        EXPECT_TRUE(sim.messageBoxes().empty());
    }
}

TEST_F(AlarmEntryTest, StoredTimesReadBackUnderEachRegionalForm) {
    for (const RegionalForms& f : allForms()) {
        sim.setRegionalForms(f);
        type("19:30:15");
        entry.savealarm();
        type("");
        entry.loadalarm();
        const std::string shown = field.text();
        type(shown);
        entry.readalarm();
        EXPECT_TRUE(entry.alarmtime() == DynamicValue(timeOfDay(19, 30, 15))) << shown;
    }
}

TEST_F(AlarmEntryTest, TheDefaultReadsAsNoonUnderEachRegionalForm) {
    for (const RegionalForms& f : allForms()) {
        sim.setRegionalForms(f);
        store("12:00:00 PM");
        type("");
        entry.loadalarm();
        type(field.text());
        entry.readalarm();
        EXPECT_TRUE(entry.alarmtime() == DynamicValue(timeOfDay(12, 0, 0))) << field.text();
    }
}

TEST_F(AlarmEntryTest, AnUnwritableStoreLeavesEverythingRunning) {
    sim.store().setWritable(false);
    entry.loadalarm();
    EXPECT_EQ(field.text(), "") << "nothing stored, the field keeps its text";
    type("7:30");
    entry.readalarm();
    entry.savealarm();
    EXPECT_TRUE(entry.alarmtime() == DynamicValue(timeOfDay(7, 30, 0)));
    entry.loadalarm();
    EXPECT_EQ(field.text(), "7:30");
    EXPECT_EQ(stored(), "");
}

}  // namespace
}  // namespace vclock::testing
