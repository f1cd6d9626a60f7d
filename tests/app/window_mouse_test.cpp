#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sim/sim_runtime.h"
#include "app/window/window.h"

namespace vclock {
namespace {

// A small window: a button-like picture over a second one, and a text field.
class WindowMouseTest : public ::testing::Test {
protected:
    WindowMouseTest() : window(sim, "w", 3000, 3000) {
        field = &window.add(ElementKind::TextField, "txt");
        field->setBounds(1500, 1500, 600, 300);
        field->setVisible(false);
        top = &window.add(ElementKind::Picture, "top");
        top->setBounds(0, 0, 600, 600);
        below = &window.add(ElementKind::Picture, "below");
        below->setBounds(300, 300, 1500, 1500);
        window.load();
        for (Element* e : {top, below}) {
            const std::string name = e->name();
            e->events.mouseDown = [this, name](MouseButton) { log.push_back(name + " down"); };
            e->events.mouseUp = [this, name](MouseButton) { log.push_back(name + " up"); };
            e->events.click = [this, name] { log.push_back(name + " click"); };
        }
        window.events.click = [this] { log.push_back("window click"); };
        window.events.dblClick = [this] { log.push_back("window dblclick"); };
    }

    SimRuntime sim;
    Window window;
    Element* field;
    Element* top;
    Element* below;
    std::vector<std::string> log;
};

TEST_F(WindowMouseTest, AClickGoesToTheTopMostElementUnderThePointer) {
    sim.click(window, {30, 30});
    EXPECT_EQ(log, (std::vector<std::string>{"top down", "top up", "top click"}));
    log.clear();
    sim.click(window, {80, 80});
    EXPECT_EQ(log, (std::vector<std::string>{"below down", "below up", "below click"}));
}

TEST_F(WindowMouseTest, TheReleaseGoesWhereThePressBeganAndClicksOnlyThere) {
    sim.press(window, {30, 30}, MouseButton::Right);
    sim.release(window, {190, 190}, MouseButton::Right);
    EXPECT_EQ(log, (std::vector<std::string>{"top down", "top up"}));
}

TEST_F(WindowMouseTest, TheWindowGetsClicksOnlyWhereNoShownElementLies) {
    top->setVisible(false);
    sim.click(window, {10, 10});
    EXPECT_EQ(log, (std::vector<std::string>{"window click"})) << "a hidden element catches nothing";
}

TEST_F(WindowMouseTest, ADoubleClickGivesClickThenDblClick) {
    sim.doubleClick(window, {190, 190});
    EXPECT_EQ(log, (std::vector<std::string>{"window click", "window dblclick"}));
}

TEST_F(WindowMouseTest, APressOnAShownTextFieldFocusesIt) {
    sim.click(window, {110, 110});
    EXPECT_EQ(window.focus(), nullptr) << "hidden";
    field->setVisible(true);
    sim.click(window, {110, 110});
    EXPECT_EQ(window.focus(), field);
    EXPECT_EQ(log, (std::vector<std::string>{"below down", "below up", "below click"}))
        << "the field lies above the pictures";
}

TEST_F(WindowMouseTest, ThePointerIsAnElementsOwnIconOnlyOverIt) {
    auto icon = std::make_shared<Icon>();
    top->setMouseIcon(icon);
    EXPECT_EQ(window.pointerAt({30, 30}), nullptr) << "the style must ask for it";
    top->setMousePointer(MousePointer::Custom);
    EXPECT_EQ(window.pointerAt({30, 30}), icon.get());
    EXPECT_EQ(window.pointerAt({80, 80}), nullptr);
}

}  // namespace
}  // namespace vclock
