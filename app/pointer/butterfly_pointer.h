#pragma once

#include <cstdint>

#include "app/runtime/storage.h"
#include "app/window/element.h"

namespace vclock {

// The butterfly over the exit control: every run of `tmbuttfly` reads the
// next of two icon files beside the program afresh (a replaced file shows at
// its next turn) and makes it the exit control's mouse icon. A file that is
// missing or not a readable icon leaves the icon shown before; the pointer
// simply does not flap that turn.
class ButterflyPointer {
public:
    ButterflyPointer(Storage& storage, Element& imgexit0);

    void tmbuttfly_Timer();

    std::int16_t buttflyphase() const { return buttflyphase_; }


private:
    Storage& storage_;
    Element& imgexit0_;
    std::int16_t buttflyphase_ = 0;
};

}  // namespace vclock
