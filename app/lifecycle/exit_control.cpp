#include "app/lifecycle/exit_control.h"

#include "app/lifecycle/program_exit.h"

namespace vclock {

ExitControl::ExitControl(Window& window, Element& imgexit0, const Element& imgexit1)
    : window_(window), imgexit0_(imgexit0), imgexit1_(imgexit1) {}

void ExitControl::imgexit0_MouseDown(MouseButton /*button*/) {
    imgexit0_.setMousePointer(MousePointer::Default);
    // Shared, and the element takes the pressed picture's size.
    imgexit0_.setPicture(imgexit1_.picture());
}

void ExitControl::imgexit0_MouseUp(MouseButton /*button*/) { unloadAndEnd(window_); }

}  // namespace vclock
