#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

#include "app/main_form.h"
#include "app/sim/sim_runtime.h"
#include "bench/allocation_counter.h"

namespace vclock::bench {

// A backend's view that only adds up the pixels the window reports changed,
// without allocating.
class PixelCountingView final : public WindowView {
public:
    void invalidate(const Rect& area) override { pixels += area.area(); }
    std::int64_t pixels = 0;
};

// The started main window on the simulated runtime with quiet yields, at a
// fixed morning, with the first-run message answered and a counting view
// attached. The benchmarks move the clock with passTime, which runs no timer.
struct QuietClock {
    QuietClock();

    SimRuntime sim;
    PixelCountingView view;  // outlives the window it watches
    MainForm form{sim, embeddedArtwork()};
};

// Runs `step` once per iteration with the clock moved on by `stepMs` first,
// after `warmUp` untimed steps, and reports heap allocations and changed
// pixels per step as counters.
template <class Step>
void runSteps(benchmark::State& state, QuietClock& clock, std::int64_t stepMs, int warmUp, Step&& step) {
    for (int i = 0; i < warmUp; ++i) {
        clock.sim.passTime(stepMs);
        step();
    }
    const std::int64_t allocationsBefore = allocationCount();
    const std::int64_t pixelsBefore = clock.view.pixels;
    for (auto _ : state) {
        clock.sim.passTime(stepMs);
        step();
    }
    const auto perStep = benchmark::Counter::kAvgIterations;
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocationCount() - allocationsBefore), perStep);
    state.counters["pixels"] = benchmark::Counter(static_cast<double>(clock.view.pixels - pixelsBefore), perStep);
}

}  // namespace vclock::bench
