#include "assets/main_window_layout.h"

namespace vclock::main_layout {

const Font& boldSansSerif() {
    static const Font font{"MS Sans Serif", 8.25, true};
    return font;
}

std::span<const ElementSpec> elements() {
    const ElementLook field{.font = boldSansSerif(),
                            .align = Align::Center,
                            .textColor = Color::windowText(),
                            .backColor = kFieldBlue,
                            .opaque = true};
    const ElementLook secondsLabel{.font = boldSansSerif(),
                                   .align = Align::Center,
                                   .textColor = Color::windowText(),
                                   .opaque = false,
                                   .autoSize = true};
    using K = ElementKind;
    using P = PictureRef;
    // Top-most first.
    static const ElementSpec table[] = {
        {"txtalarm", K::TextField, 8010, 7260, 1215, 315, false, P::None, "12:00:00 PM", field},
        {"imgexit1", K::Picture, 690, 3630, 480, 525, false, P::ExitPressed},
        {"imgexit0", K::Picture, 1350, 3810, 480, 525, true, P::ExitNormal},
        {"imgsmoke", K::Picture, 3030, 3480, 165, 375, false, P::Smoke, "", {}, -1, 8, 0},
        {"imgsmokedisplay", K::Picture, 1860, 5190, 375, 435, true},
        {"lblseconds", K::Label, 5760, 7890, 360, 195, true, P::None, " 55 ", secondsLabel},
        {"imgalarmdoor", K::Picture, 9900, 6570, 1770, 1560, false, P::Door, "", {}, -1, 6, 0},
        {"imgalarmdisplay", K::Picture, 7695, 6615, 1770, 1560, true, P::ClosedDoor},
        {"imghour", K::Picture, 2040, 960, 1875, 1875, false, P::Hour, "", {}, -1, 23, 12},
        {"imghourdisplay", K::Picture, 1485, 5310, 2130, 2130, true},
        {"imghour", K::Picture, 2040, 960, 1875, 1875, false, P::Hour, "", {}, -1, 11, 0},
        {"imgseconddisplay", K::Picture, 5445, 5040, 1005, 3975, true},
        {"imgsecond", K::Picture, 4320, 5010, 1005, 3960, false, P::Second, "", {}, -1, 5, 5},
        {"imgsecond", K::Picture, 5460, 5040, 1005, 3960, false, P::Second, "", {}, -1, 4, 4},
        {"imgsecond", K::Picture, 4320, 5010, 1005, 3960, false, P::Second, "", {}, -1, 3, 0},
    };
    return table;
}

}  // namespace vclock::main_layout
