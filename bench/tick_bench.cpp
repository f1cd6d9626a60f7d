#include "bench/face_bench.h"

namespace vclock::bench {

namespace {

constexpr std::int64_t kTickMs = 150;
// Long enough for every smoke and leaf frame and several seconds to have been shown.
constexpr int kWarmUpTicks = 240;

// The tick's own work: caption, frames, places, the 60-candidate scan and
// the hour refresh, with the clock moving 150 ms per run as on screen.
void BM_Tick(benchmark::State& state) {
    QuietClock clock;
    Tick& tick = clock.form.tick();
    runSteps(state, clock, kTickMs, kWarmUpTicks, [&] { tick.tmsecond_Timer(); });
}
BENCHMARK(BM_Tick);

}  // namespace
}  // namespace vclock::bench
