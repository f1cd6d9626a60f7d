#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/sim/sim_runtime.h"
#include "app/window/painter.h"
#include "assets/artwork.h"

namespace vclock::testing {

// A painter that writes down what it is asked to draw, in order.
class RecordingPainter final : public Painter {
public:
    struct Call {
        std::string what;  // "fill", "picture", "scaled", "text", "frame"
        Rect area;
        const Picture* picture = nullptr;
        std::string text;
    };
    std::vector<Call> calls;

    void setClip(const Rect& clip) override { this->clip = clip; }
    void fillRect(const Rect& area, Color) override { calls.push_back({"fill", intersect(area, clip), nullptr, {}}); }
    void drawPicture(const Picture& p, Point at) override {
        calls.push_back({"picture", intersect({at.x, at.y, p.width, p.height}, clip), &p, {}});
    }
    void drawPictureScaled(const Picture& p, const Rect& target) override {
        calls.push_back({"scaled", intersect(target, clip), &p, {}});
    }
    void drawText(const std::string& text, const Rect& box, const Font&, Color, Align, bool) override {
        calls.push_back({"text", intersect(box, clip), nullptr, text});
    }
    void drawFrameBorder(const Rect& box, Color) override { calls.push_back({"frame", intersect(box, clip), nullptr, {}}); }

    Rect clip;
};

// A backend's view that only collects the rectangles the window reports changed.
class RecordingView final : public WindowView {
public:
    std::vector<Rect> invalidated;
    int captionChanges = 0;
    void invalidate(const Rect& area) override { invalidated.push_back(area); }
    void captionChanged() override { ++captionChanges; }
    long long pixels() const {
        long long sum = 0;
        for (const Rect& r : invalidated) sum += r.area();
        return sum;
    }
};

// The main window on the simulated runtime, at a fixed date and time.
class ClockFixture : public ::testing::Test {
protected:
    ClockFixture();

    Element& element(const std::string& name, int index = -1) { return form.window().element(name, index); }
    // The centre pixel of an element's box.
    Point centreOf(const std::string& name);
    // Runs the clock until `count` more runs of the tick have finished.
    void runTicks(int count);

    SimRuntime sim;
    MainForm form{sim, embeddedArtwork()};
};

}  // namespace vclock::testing
