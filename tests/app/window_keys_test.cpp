#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sim/sim_runtime.h"
#include "app/window/keys.h"
#include "app/window/system_colors.h"
#include "app/window/window.h"

namespace vclock::testing {
namespace {

// A small window with a field and three buttons whose tab indices differ
// from their stacking order, and a hidden button that never takes the focus.
class WindowKeysTest : public ::testing::Test {
protected:
    WindowKeysTest() {
        const auto add = [&](ElementKind kind, const std::string& name, int tabIndex) {
            Element& e = window.add(kind, name);
            e.setBounds(0, 0, 300, 300);
            e.setTabIndex(tabIndex);
            return &e;
        };
        third = add(ElementKind::Button, "third", 10);
        first = add(ElementKind::Button, "first", 2);
        add(ElementKind::Label, "label", 0);
        add(ElementKind::Button, "hidden", 1)->setVisible(false);
        second = add(ElementKind::TextField, "second", 5);
        window.events.keyPress = [this](char32_t key) { pressed.push_back(key); };
        window.load();
    }

    SimRuntime sim;
    Window window{sim, "frmkeys", 3000, 3000};
    Element* first = nullptr;
    Element* second = nullptr;
    Element* third = nullptr;
    std::u32string pressed;
};

TEST_F(WindowKeysTest, TabOrderHoldsTheShownFocusableElementsByTabIndex) {
    EXPECT_EQ(window.tabOrder(), (std::vector<Element*>{first, second, third}));
    EXPECT_EQ(window.focus(), first) << "the focus starts on the lowest tab index";
}

TEST_F(WindowKeysTest, TabAndShiftTabGoRoundTheTabOrderAndNeverReachKeyPress) {
    const std::vector<Element*> forwards{second, third, first, second};
    for (Element* expected : forwards) {
        sim.keyPress(window, kTabKey);
        EXPECT_EQ(window.focus(), expected) << expected->name();
    }
    const std::vector<Element*> backwards{first, third, second};
    for (Element* expected : backwards) {
        sim.keyPress(window, kTabKey, true);
        EXPECT_EQ(window.focus(), expected) << expected->name();
    }
    EXPECT_TRUE(pressed.empty());
}

TEST_F(WindowKeysTest, CharacterKeysReachKeyPressFirstOnlyWithKeyPreview) {
    // Without key preview a key is the focused control's; with no control
    // focused it is the window's.
    EXPECT_FALSE(window.keyTyped(U'a'));
    EXPECT_TRUE(pressed.empty());
    window.setFocus(nullptr);
    EXPECT_FALSE(window.keyTyped(U'a'));
    EXPECT_EQ(pressed, U"a");

    pressed.clear();
    window.setKeyPreview(true);
    window.setFocus(third);
    for (char32_t key : {U'a', U'7', U' ', U'\r', U'\x1b', U'\b', U'ü', U'\U0001F600'}) {
        EXPECT_FALSE(window.keyTyped(key)) << "the control gets the key after the window";
    }
    EXPECT_EQ(pressed, U"a7 \r\x1b\bü\U0001F600");
    EXPECT_FALSE(window.keyTyped(0)) << "a key that types nothing is no character key";
    EXPECT_EQ(pressed.size(), 8u);
}

TEST_F(WindowKeysTest, AKeyThatUnloadsTheWindowGoesNoFurther) {
    window.setKeyPreview(true);
    window.events.keyPress = [this](char32_t) { window.unload(); };
    EXPECT_TRUE(window.keyTyped(U'x'));
    EXPECT_FALSE(window.loaded());
    EXPECT_TRUE(window.keyTyped(kTabKey)) << "an unloaded window takes no key";
}

TEST(WindowFrameTest, OnlyADialogWithACaptionHasATitleBar) {
    SimRuntime sim;
    Window window{sim, "frm", 150, 150};
    EXPECT_FALSE(window.isDialog());
    window.setCaption("Caption");
    EXPECT_FALSE(window.hasTitleBar()) << "a window without border has no title bar";
    window.setBorderStyle(BorderStyle::FixedDialog);
    EXPECT_TRUE(window.isDialog());
    EXPECT_TRUE(window.hasTitleBar());
    window.setCaption("");
    EXPECT_FALSE(window.hasTitleBar());
}

TEST(SystemColorsTest, SystemColoursFollowTheirRoleAndFixedColoursStay) {
    const SystemColors desktop{Color::rgb(1, 2, 3), Color::rgb(4, 5, 6), Color::rgb(7, 8, 9), Color::rgb(10, 11, 12)};
    EXPECT_EQ(resolve(Color::windowText(), desktop), Color::rgb(1, 2, 3));
    EXPECT_EQ(resolve(Color::buttonFace(), desktop), Color::rgb(4, 5, 6));
    EXPECT_EQ(resolve(Color::buttonText(), desktop), Color::rgb(7, 8, 9));
    EXPECT_EQ(resolve(Color::buttonShadow(), desktop), Color::rgb(10, 11, 12));
    EXPECT_EQ(resolve(Color::rgb(0, 0, 255), desktop), Color::rgb(0, 0, 255));
}

}  // namespace
}  // namespace vclock::testing
