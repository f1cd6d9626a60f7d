#include <string>
#include <vector>

#include "alarm/notice_form.h"
#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

// What assistive technology sees of the clock and what its presses do: the
// same as the mouse, decided in the core for every backend.
class AccessibilityTest : public ClockFixture {
protected:
    AccessibilityTest() {
        sim.store().write("Vordane Clock", "Popup", "okornot", "true");
        form.start();
    }

    std::string storedAlarm() { return sim.store().read("Vordane Clock", "Alarm", "currentime"); }
    // A press as a screen reader asks for one, through the event loop.
    void press(Element* target) {
        sim.dispatch([&] { form.window().press(target); });
    }
};

class DescriptionView final : public WindowView {
public:
    explicit DescriptionView(const Window& window) : window_(window) {}
    void invalidate(const Rect&) override {}
    void accessibleDescriptionChanged() override { seen.push_back(window_.accessibleDescription()); }
    std::vector<std::string> seen;

private:
    const Window& window_;
};

TEST_F(AccessibilityTest, NamesTheWindowAndThePartsAUserActsOn) {
    EXPECT_EQ(form.window().accessibleName(), "Vordane Clock");
    const struct {
        const char* element;
        AccessibleRole role;
        const char* name;
    } expected[] = {
        {"imgalarmdisplay", AccessibleRole::Button, "Alarm door"},
        {"txtalarm", AccessibleRole::Text, "Alarm time"},
        {"imgexit0", AccessibleRole::Button, "Exit"},
        {"imghourdisplay", AccessibleRole::None, ""},  // control: the face's pictures are not parts to act on
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.element);
        EXPECT_EQ(element(e.element).accessibility().role, e.role);
        EXPECT_EQ(element(e.element).accessibleName(), e.name);
    }
    EXPECT_EQ(form.window().accessibleElements(),
              (std::vector<Element*>{&element("imgalarmdisplay"), &element("txtalarm"), &element("imgexit0")}));
}

TEST_F(AccessibilityTest, TheDescriptionIsTheTimeAndChangesOncePerSecond) {
    DescriptionView view(form.window());
    form.window().setView(&view);
    runTicks(20);  // 3 s of ticks, from 10:15:20
    form.window().setView(nullptr);
    EXPECT_EQ(form.window().accessibleDescription(), "10:15:23 AM");
    EXPECT_EQ(view.seen, (std::vector<std::string>{"10:15:20 AM", "10:15:21 AM", "10:15:22 AM", "10:15:23 AM"}))
        << "one change for each second, none for the ticks between";
}

TEST_F(AccessibilityTest, PressesAloneSetTheAlarm) {
    press(&element("imgalarmdisplay"));
    sim.advance(300);
    ASSERT_TRUE(form.door().isOpen()) << "the door's press opens it as a click does";
    EXPECT_EQ(form.window().focus(), nullptr) << "the door takes no focus";
    element("txtalarm").setText("6:45 AM");  // as a screen reader edits the field
    press(nullptr);
    EXPECT_EQ(storedAlarm(), "6:45:00 AM") << "the window's press commits, as a click on the picture does";
    EXPECT_EQ(form.alarmEntry().alarmtime(), DynamicValue(DateTime::timeOfDay(6, 45, 0)));
    sim.advance(600);
    EXPECT_FALSE(form.door().isOpen());
}

TEST_F(AccessibilityTest, TheExitsPressEndsTheProgramAfterKeepingTheField) {
    element("txtalarm").setText("9:05 PM");
    press(&element("imgexit0"));
    EXPECT_TRUE(sim.ended());
    EXPECT_EQ(storedAlarm(), "9:05:00 PM");
}

TEST_F(AccessibilityTest, APressWaitsWhileTheMouseButtonIsDown) {
    sim.press(form.window(), {400, 50});
    press(&element("imgalarmdisplay"));
    sim.advance(300);
    EXPECT_FALSE(form.door().isOpen()) << "the mouse's own release decides what its press does";
    sim.release(form.window(), {400, 50});
}

TEST(NoticeAccessibilityTest, PresentsTheAlarmLineThenTheTitleByTheirText) {
    SimRuntime sim;
    sim.setClock(2026, 12, 10, 7, 30, 0);
    NoticeForm notice(sim, embeddedArtwork());
    notice.window().load();
    EXPECT_EQ(notice.window().accessibleName(), "Vordane Clock");
    std::vector<std::string> read;
    for (const Element* label : notice.window().accessibleElements()) {
        EXPECT_EQ(label->accessibility().role, AccessibleRole::Label) << label->name();
        read.push_back(label->accessibleName());
    }
    EXPECT_EQ(read, (std::vector<std::string>{"ALARM AT: 7:30:00 AM", "Vordane Clock"}));
}

}  // namespace
}  // namespace vclock::testing
