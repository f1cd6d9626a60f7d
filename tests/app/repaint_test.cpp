#include "tests/support/clock_fixture.h"
#include "tests/support/pixel_painter.h"

namespace vclock::testing {
namespace {

using RepaintTest = ClockFixture;

// The face changes only in small places per tick: where the leaf's frames
// differ, the smoke, the second's label, now and then the hour picture. A
// tick that reports the whole leaf strip, or the whole window, redraws in
// vain; so does painting what an opaque picture then covers.
TEST_F(RepaintTest, TicksReportOnlyThePixelsThatChangeAndDrawEachAboutOnce) {
    constexpr int kTicks = 1000;
    constexpr long long kMostPixelsPerTick = 6'000;  // the leaf strip alone is 17,688; a full redraw 480,000

    form.start();
    RecordingView view;
    form.window().setView(&view);
    RecordingPainter painter;
    for (int tick = 0; tick < kTicks; ++tick) {
        const std::size_t before = view.invalidated.size();
        runTicks(1);
        for (std::size_t i = before; i < view.invalidated.size(); ++i) form.window().paint(painter, view.invalidated[i]);
    }
    form.window().setView(nullptr);

    long long drawn = 0;
    for (const RecordingPainter::Call& call : painter.calls) drawn += call.area.area();
    const long long perTick = view.pixels() / kTicks;
    EXPECT_GT(perTick, 0) << "the ticks reported no change at all";
    EXPECT_LE(perTick, kMostPixelsPerTick);
    EXPECT_LE(drawn * 10, view.pixels() * 12) << "drawn " << drawn / kTicks << " pixels per tick";
}

// Painting only what each tick reported leaves the screen exactly as
// painting the whole window afresh would, after every tick of a run across
// the hour (a new hour picture and smoke place), minutes, and the door
// opening and closing. Each tick's areas are painted as a backend's paint event does,
// once it comes.
TEST_F(RepaintTest, RepaintingWhatChangedGivesTheSameScreenAsAFullRepaint) {
    constexpr int kWidth = 800;
    constexpr int kHeight = 600;
    sim.setClock(2026, 12, 10, 10, 59, 20);
    form.start();
    RecordingView view;
    form.window().setView(&view);
    PixelPainter screen(kWidth, kHeight);
    form.window().paint(screen, {0, 0, kWidth, kHeight});

    for (int tick = 1; tick <= 1200; ++tick) {
        if (tick == 300) sim.click(form.window(), centreOf("imgalarmdisplay"));  // the door opens
        if (tick == 330) sim.click(form.window(), {760, 580});                   // and closes
        view.invalidated.clear();
        runTicks(1);
        for (const Rect& r : view.invalidated) form.window().paint(screen, r);

        PixelPainter fresh(kWidth, kHeight);
        form.window().paint(fresh, {0, 0, kWidth, kHeight});
        const std::string difference = PixelPainter::firstDifference(screen, fresh);
        ASSERT_EQ(difference, "") << "after tick " << tick;
    }
    EXPECT_EQ(form.window().element("imghourdisplay").picture(), embeddedArtwork().hour[22])
        << "the run reached the new hour's picture";
    form.window().setView(nullptr);
}

}  // namespace
}  // namespace vclock::testing
