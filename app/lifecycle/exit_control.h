#pragma once

#include "app/window/element.h"
#include "app/window/window.h"

namespace vclock {

// The berry `imgexit0` that ends the program: a press of any button shows
// the pressed look held by `imgexit1` with the default arrow, and the
// release of that press, wherever it happens, ends the program. Its size
// and pointer icon are set elsewhere.
class ExitControl {
public:
    ExitControl(Window& window, Element& imgexit0, const Element& imgexit1);

    void imgexit0_MouseDown(MouseButton button);
    void imgexit0_MouseUp(MouseButton button);

private:
    Window& window_;
    Element& imgexit0_;
    const Element& imgexit1_;
};

}  // namespace vclock
