#include "bench/face_bench.h"

namespace vclock::bench {

QuietClock::QuietClock() {
    sim.setClock(2026, 12, 10, 10, 15, 20);
    sim.setQuietYields(true);
    form.window().setView(&view);
    form.start();
}

}  // namespace vclock::bench
