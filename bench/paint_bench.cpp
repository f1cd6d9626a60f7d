#include <array>

#include "bench/face_bench.h"

namespace vclock::bench {
namespace {

// Keeps the rectangles reported since the last paint, as a backend does
// until its next paint event, without allocating.
class RectCollectingView final : public WindowView {
public:
    void invalidate(const Rect& area) override {
        if (count < rects.size()) rects[count++] = area;
    }
    std::array<Rect, 64> rects{};
    std::size_t count = 0;
};

// Counts the drawing the core asks for and the pixels it would touch.
class CountingPainter final : public Painter {
public:
    void setClip(const Rect& area) override { clip = area; }
    void fillRect(const Rect& area, Color) override { count(area); }
    void drawPicture(const Picture& picture, Point at) override { count({at.x, at.y, picture.width, picture.height}); }
    void drawPictureScaled(const Picture&, const Rect& target) override { count(target); }
    void drawText(const std::string&, const Rect& box, const Font&, Color, Align, bool) override { count(box); }
    void drawFrameBorder(const Rect& box, Color) override { count(box); }

    Rect clip;
    std::int64_t calls = 0;
    std::int64_t pixels = 0;

private:
    void count(const Rect& area) {
        ++calls;
        pixels += intersect(area, clip).area();
    }
};

// The tick followed by the core's painting of what it changed, as the
// backend's paint event asks for it: one paint per changed rectangle.
void BM_TickAndPaint(benchmark::State& state) {
    RectCollectingView view;  // outlives the window it watches
    QuietClock clock;
    clock.form.window().setView(&view);
    CountingPainter painter;
    const auto tickAndPaint = [&] {
        clock.sim.passTime(150);
        clock.form.tick().tmsecond_Timer();
        for (std::size_t i = 0; i < view.count; ++i) clock.form.window().paint(painter, view.rects[i]);
        view.count = 0;
    };
    for (int i = 0; i < 240; ++i) tickAndPaint();
    const std::int64_t allocationsBefore = allocationCount();
    painter.calls = 0;
    painter.pixels = 0;
    for (auto _ : state) tickAndPaint();
    const auto perTick = benchmark::Counter::kAvgIterations;
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocationCount() - allocationsBefore), perTick);
    state.counters["draws"] = benchmark::Counter(static_cast<double>(painter.calls), perTick);
    state.counters["drawn_px"] = benchmark::Counter(static_cast<double>(painter.pixels), perTick);
}
BENCHMARK(BM_TickAndPaint);

}  // namespace
}  // namespace vclock::bench
