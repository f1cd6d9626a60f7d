#include "app/main_form.h"

#include <stdexcept>

#include "app/lifecycle/program_exit.h"
#include "assets/main_window_layout.h"

namespace vclock {
namespace {

namespace layout = main_layout;

void buildWindow(Window& window, const Artwork& artwork) {
    window.setCaption(layout::kDesignCaption);
    window.setBackColor(layout::kBackColor);
    window.setPicture(artwork.scene);
    window.setIcon(artwork.windowIcon);
    addElements(window, layout::elements(), artwork);
    addAccessibility(window, layout::kAccessibleName, layout::kAccessibleElements);
    Element& exit = window.element("imgexit0");
    exit.setMousePointer(MousePointer::Custom);
    exit.setMouseIcon(artwork.butterfly);
}

}  // namespace

MainForm::MainForm(Runtime& runtime, const Artwork& artwork)
    : runtime_(runtime),
      window_(runtime, layout::kWindowName, layout::kClientWidth, layout::kClientHeight),
      built_((buildWindow(window_, artwork), true)),
      hours_(runtime, window_.element("imghourdisplay"), window_.frameSet("imghour")),
      minutes_(runtime, window_.element("imgsmokedisplay")),
      seconds_(window_.element("imgseconddisplay"), window_.element("lblseconds"), window_.frameSet("imgsecond")),
      tick_(runtime, Tick::Parts{window_, window_.element("imgsmokedisplay"), window_.frameSet("imgsmoke"), minutes_,
                                 seconds_, hours_}),
      alarmEntry_(runtime, window_.element("txtalarm")),
      freeInfo_(runtime),
      exit_(window_, window_.element("imgexit0"), window_.element("imgexit1")),
      dateTooltip_(runtime, window_.element("imgalarmdisplay")),
      trigger_(runtime, window_, artwork, alarmEntry_.alarmtime()),
      butterfly_(runtime, window_.element("imgexit0")) {
    window_.events.load = [this] { Form_Load(); };
    window_.events.activate = [this] { Form_Activate(); };
    window_.events.click = [this] { Form_Click(); };
    window_.events.dblClick = [this] { Form_DblClick(); };
    window_.events.unload = [this] { Form_Unload(); };
    // A close by the platform (the close key, logging off) leaves the way the exit control does.
    window_.events.closeRequest = [this] { unloadAndEnd(window_); };
    // Before an ending that may not wait for a close, the entry is stored as the unload would store it.
    window_.events.endingSoon = [this] { Form_Unload(); };
    Element& exit = window_.element("imgexit0");
    exit.events.mouseDown = [this](MouseButton button) { exit_.imgexit0_MouseDown(button); };
    exit.events.mouseUp = [this](MouseButton button) { exit_.imgexit0_MouseUp(button); };
    window_.element("imgalarmdisplay").events.mouseMove = [this] { dateTooltip_.imgalarmdisplay_MouseMove(); };
    window_.element("imgalarmdisplay").events.click = [this] { door_->imgalarmdisplay_Click(); };
}

Timer& MainForm::timer(const std::string& name) {
    for (const auto& t : timers_) {
        if (t->name() == name) return *t;
    }
    throw std::out_of_range("no timer " + name);
}

void MainForm::start() {
    window_.load();
    runtime_.showWindow(window_);
    runtime_.dispatch([this] { window_.events.activate(); });
}

void MainForm::Form_Load() {
    // The timers start counting when the window loads.
    for (const layout::TimerSpec& spec : layout::kTimers) {
        timers_.push_back(std::make_unique<Timer>(runtime_, spec.name, spec.intervalMs, spec.enabled));
    }
    timer("tmsecond").setHandler([this] { tick_.tmsecond_Timer(); });
    timer("tmalarm").setHandler([this] { trigger_.tmalarm_Timer(); });
    timer("tmbuttfly").setHandler([this] { butterfly_.tmbuttfly_Timer(); });
    door_ = std::make_unique<AlarmDoor>(
        AlarmDoor::Parts{window_.element("imgalarmdisplay"), window_.frameSet("imgalarmdoor"),
                         window_.element("txtalarm"), timer("tmopenalarmdoor"), timer("tmclosealarmdoor")},
        AlarmDoor::Entry{[this] { alarmEntry_.loadalarm(); }, [this] { alarmEntry_.readalarm(); },
                         [this] { alarmEntry_.savealarm(); }});
    timer("tmopenalarmdoor").setHandler([this] { door_->tmopenalarmdoor_Timer(); });
    timer("tmclosealarmdoor").setHandler([this] { door_->tmclosealarmdoor_Timer(); });
    window_.setWindowState(WindowState::Maximized);
}

void MainForm::Form_Activate() {
    alarmEntry_.loadalarm();
    hours_.sethouram();
    hours_.sethourpm();
    freeInfo_.showfreeinfo();
    Element& exit = window_.element("imgexit0");
    exit.setHeight(layout::kExitActiveHeight);
    exit.setWidth(layout::kExitActiveWidth);
}

void MainForm::Form_Click() { door_->Form_Click(); }

void MainForm::Form_DblClick() {
    // The double-click's first click has already committed the entry.
    window_.setWindowState(WindowState::Minimized);
}

void MainForm::Form_Unload() { alarmEntry_.savealarm(); }

}  // namespace vclock
