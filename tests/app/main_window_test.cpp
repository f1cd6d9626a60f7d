#include <algorithm>

#include "assets/main_window_layout.h"
#include "tests/support/clock_fixture.h"

namespace vclock::testing {
namespace {

using MainWindowTest = ClockFixture;

TEST_F(MainWindowTest, LoadsWithTheLayoutsStartingValues) {
    const Window& w = form.window();
    EXPECT_EQ(w.name(), "frmVordaneClock");
    EXPECT_EQ(w.caption(), "Vordane Clock");
    EXPECT_EQ(w.backColor(), Color::rgb(0, 128, 0));
    EXPECT_EQ(w.picture(), embeddedArtwork().scene);
    // Stacking, top-most first, of the single elements and each set's first and last member.
    std::vector<std::string> order;
    for (const auto& e : w.elements()) {
        if (e->index() < 0) order.push_back(e->name());
    }
    const std::vector<std::string> expected = {"txtalarm",        "imgexit1",       "imgexit0",
                                               "imgsmokedisplay", "lblseconds",     "imgalarmdisplay",
                                               "imghourdisplay",  "imgseconddisplay"};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(w.frameSet("imghour").size(), 24);
    EXPECT_EQ(w.frameSet("imgsmoke").size(), 9);
    EXPECT_EQ(w.frameSet("imgsecond").size(), 6);
    EXPECT_EQ(w.frameSet("imgalarmdoor").size(), 7);
    EXPECT_EQ(element("imgsecond", 4).left(), 5460);
    EXPECT_EQ(element("imgsecond", 5).left(), 4320);
    const Element& field = element("txtalarm");
    EXPECT_FALSE(field.visible());
    EXPECT_EQ(field.text(), "12:00:00 PM");
    EXPECT_EQ(field.look().backColor, Color::rgb(0, 0, 255));
    EXPECT_EQ(element("lblseconds").text(), " 55 ");
    EXPECT_EQ(element("lblseconds").width(), 360);
    EXPECT_EQ(element("imgexit0").mousePointer(), MousePointer::Custom);
    EXPECT_EQ(element("imgexit0").mouseIcon(), embeddedArtwork().butterfly);
    const Element& door = element("imgalarmdisplay");
    EXPECT_EQ(door.picture(), embeddedArtwork().closedDoor);
    EXPECT_NE(door.picture(), w.frameSet("imgalarmdoor").picture(0)) << "its own picture, not member 0's";
}

TEST_F(MainWindowTest, StartMaximisesAndStartsTheTimersOfTheLayout) {
    form.start();
    EXPECT_EQ(form.window().windowState(), WindowState::Maximized);
    for (const auto& spec : main_layout::kTimers) {
        EXPECT_EQ(form.timer(spec.name).interval(), spec.intervalMs) << spec.name;
        EXPECT_EQ(form.timer(spec.name).enabled(), spec.enabled) << spec.name;
    }
    EXPECT_EQ(element("imgexit0").width(), 2500);
    EXPECT_EQ(element("imgexit0").height(), 3000);
}

TEST_F(MainWindowTest, PaintsTheShownElementsFromTheBottomOfTheStackUp) {
    form.start();
    runTicks(1);
    RecordingPainter painter;
    form.window().paint(painter, {0, 0, 800, 600});
    const Artwork& art = embeddedArtwork();
    std::vector<std::string> drawn;
    for (const auto& call : painter.calls) {
        if (call.what == "fill") drawn.push_back("back");
        if (call.what == "text") drawn.push_back("label " + call.text);
        if (call.what != "picture") continue;
        if (call.picture == art.scene.get()) drawn.push_back("scene");
        if (call.picture == art.second[0].get()) drawn.push_back("leaf");
        if (call.picture == art.hour[20].get()) drawn.push_back("hour");
        if (call.picture == art.closedDoor.get()) drawn.push_back("door");
        if (call.picture == art.smoke[0].get()) drawn.push_back("smoke");
        if (call.picture == art.exitNormal.get()) drawn.push_back("exit");
    }
    // No back colour: the opaque scene covers the whole window.
    const std::vector<std::string> expected = {"scene", "leaf", "hour", "door", "label 20", "smoke", "exit"};
    EXPECT_EQ(drawn, expected) << "hidden frames never draw";
    EXPECT_EQ(painter.calls.size(), expected.size());
}

TEST_F(MainWindowTest, PaintingPartOfTheWindowDrawsOnlyWhatLiesInIt) {
    form.start();
    runTicks(1);
    RecordingPainter painter;
    form.window().paint(painter, {363, 336, 67, 264});  // the leaf's strip
    for (const auto& call : painter.calls) {
        EXPECT_FALSE(call.area.empty()) << call.what << " drawn outside the area";
        EXPECT_EQ(intersect(call.area, {363, 336, 67, 264}), call.area);
    }
}

TEST_F(MainWindowTest, HitTestingFindsTheTopMostShownElement) {
    form.start();
    Window& w = form.window();
    EXPECT_EQ(w.hitTest({140, 70}), nullptr) << "the hidden hour frames lie here but catch nothing";
    EXPECT_EQ(w.hitTest({50, 245}), nullptr) << "nor does the hidden pressed-look exit picture";
    EXPECT_EQ(w.hitTest({760, 580}), nullptr) << "the window beyond every element";
    EXPECT_EQ(w.hitTest(centreOf("imgalarmdisplay")), &element("imgalarmdisplay")) << "the door while closed";
    EXPECT_EQ(w.hitTest({150, 420}), &element("imgexit0")) << "the enlarged exit control covers the hour display";
    EXPECT_EQ(w.hitTest({150, 470}), &element("imghourdisplay")) << "beyond the exit control's area";
    element("txtalarm").setVisible(true);
    EXPECT_EQ(w.hitTest(centreOf("txtalarm")), &element("txtalarm")) << "the text field lies above the door";
}

TEST_F(MainWindowTest, OnlyWhatChangedIsReportedForRepainting) {
    RecordingView view;
    form.window().setView(&view);
    form.start();
    runTicks(20);  // every display has its first picture
    view.invalidated.clear();
    runTicks(1000);
    const long long perTick = view.pixels() / 1000;
    EXPECT_LE(perTick, 6000) << "the face must not be redrawn whole";
    EXPECT_GT(perTick, 0) << "the leaf changes on every tick";
    for (const Rect& r : view.invalidated) {
        EXPECT_LT(r.area(), 800 * 600 / 10);
    }
    form.window().setView(nullptr);
}

}  // namespace
}  // namespace vclock::testing
