#include "alarm/alarm_door.h"
#include "alarm/alarm_trigger.h"
#include "bench/face_bench.h"

namespace vclock::bench {
namespace {

// The alarm check on an armed alarm that is not due: what it costs every
// 50 ms nearly all day. The clock stands still, since millions of checks
// 50 ms apart would cross the alarm's time every day and time the notice.
void BM_AlarmCheck(benchmark::State& state) {
    QuietClock clock;
    const DynamicValue alarmtime(DateTime::fromSeconds(23 * 3600));
    AlarmTrigger trigger(clock.sim, clock.form.window(), embeddedArtwork(), alarmtime);
    runSteps(state, clock, 0, 100, [&] { trigger.tmalarm_Timer(); });
}
BENCHMARK(BM_AlarmCheck);

// One whole door cycle: the click on the door, six opening steps, the click
// on the background and six closing steps. The entry's own work is left
// out; the two door timers are switched on and off as on screen.
void BM_DoorCycle(benchmark::State& state) {
    QuietClock clock;
    Window& window = clock.form.window();
    AlarmDoor door({window.element("imgalarmdisplay"), window.frameSet("imgalarmdoor"), window.element("txtalarm"),
                    clock.form.timer("tmopenalarmdoor"), clock.form.timer("tmclosealarmdoor")},
                   {[] {}, [] {}, [] {}});
    const auto cycle = [&] {
        door.imgalarmdisplay_Click();
        for (int step = 0; step < AlarmDoor::kOpenMember; ++step) door.tmopenalarmdoor_Timer();
        door.Form_Click();
        for (int step = 0; step < AlarmDoor::kOpenMember; ++step) door.tmclosealarmdoor_Timer();
        // Lets the simulated runtime drop the timers the door switched off;
        // the clock stands still, so no timer falls due.
        clock.sim.advance(0);
    };
    runSteps(state, clock, 0, 10, cycle);
}
BENCHMARK(BM_DoorCycle);

}  // namespace
}  // namespace vclock::bench
