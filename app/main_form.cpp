#include "app/main_form.h"

#include <stdexcept>

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
                                 seconds_, hours_}) {
    window_.events.load = [this] { Form_Load(); };
    window_.events.activate = [this] { Form_Activate(); };
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
    window_.setWindowState(WindowState::Maximized);
}

void MainForm::Form_Activate() {
    hours_.sethouram();
    hours_.sethourpm();
    Element& exit = window_.element("imgexit0");
    exit.setHeight(layout::kExitActiveHeight);
    exit.setWidth(layout::kExitActiveWidth);
}

}  // namespace vclock
