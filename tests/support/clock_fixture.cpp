#include "tests/support/clock_fixture.h"

namespace vclock::testing {

ClockFixture::ClockFixture() { sim.setClock(2026, 12, 10, 10, 15, 20, 0); }

Point ClockFixture::centreOf(const std::string& name) {
    const Rect r = element(name).pixelRect();
    return {r.left + r.width / 2, r.top + r.height / 2};
}

void ClockFixture::runTicks(int count) {
    const int interval = form.timer("tmsecond").interval();
    sim.advance(static_cast<std::int64_t>(interval) * count);
}

}  // namespace vclock::testing
