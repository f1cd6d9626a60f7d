#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sim/sim_runtime.h"
#include "app/window/window.h"

namespace vclock {
namespace {

// A backend's native field as the core sees it: the user's text lives in
// the view, which reports an edit and is asked for the text on demand.
class NativeFieldView final : public WindowView {
public:
    void invalidate(const Rect&) override {}
    void controlChanged(Element& element) override { shown.push_back(element.text()); }
    std::string fieldText(const Element&) override {
        ++reads;
        return typed;
    }

    // The user types: the native field changes and reports it, nothing more.
    void type(Element& field, const std::string& text) {
        typed = text;
        field.fieldEdited();
    }

    std::string typed;
    int reads = 0;
    std::vector<std::string> shown;  // texts the core handed to the field
};

class TextFieldTest : public ::testing::Test {
protected:
    TextFieldTest() : window(sim, "w", 3000, 3000), field(window.add(ElementKind::TextField, "txt")) {
        field.setText("12:00:00 PM");
        window.setView(&view);
    }

    SimRuntime sim;
    NativeFieldView view;
    Window window;
    Element& field;
};

TEST_F(TextFieldTest, TypingOnlyMarksTheTextAndAReadFetchesItOnce) {
    for (int key = 1; key <= 1000; ++key) view.type(field, std::string(static_cast<std::size_t>(key), '7'));
    EXPECT_EQ(view.reads, 0) << "no key copies the text into the core";
    EXPECT_EQ(field.text(), std::string(1000, '7'));
    EXPECT_EQ(field.text(), std::string(1000, '7'));
    EXPECT_EQ(view.reads, 1) << "read once per edit, however often asked";
}

TEST_F(TextFieldTest, SettingTheOldTextAgainReplacesWhatWasTypedSinceWithoutFetchingIt) {
    // The core's copy still says 12:00:00 PM; the field says 8:15.
    view.type(field, "8:15");
    field.setText("12:00:00 PM");
    ASSERT_FALSE(view.shown.empty()) << "the field was not given the text again";
    EXPECT_EQ(view.shown.back(), "12:00:00 PM");
    EXPECT_EQ(field.text(), "12:00:00 PM");
    EXPECT_EQ(view.reads, 0);
}

TEST_F(TextFieldTest, TheTypedTextOutlivesTheViewThatHeldIt) {
    view.type(field, "9:09");
    window.setView(nullptr);
    view.typed = "gone";
    EXPECT_EQ(field.text(), "9:09");
}

TEST_F(TextFieldTest, WithoutEditsTheFieldKeepsItsOwnText) {
    EXPECT_EQ(field.text(), "12:00:00 PM");
    field.setText("7:30");
    EXPECT_EQ(field.text(), "7:30");
    EXPECT_EQ(view.reads, 0);
}

}  // namespace
}  // namespace vclock
