#include "assets/notice_window_layout.h"

namespace vclock::notice_layout {

std::span<const ElementSpec> elements() {
    const Font sansSerif{"MS Sans Serif", 8.25, false};
    const auto label = [](Font font, Align align, bool autoSize) {
        // Opaque in the face colour; a label of fixed size wraps its text.
        return ElementLook{.font = std::move(font),
                           .align = align,
                           .textColor = Color::buttonText(),
                           .backColor = kBackColor,
                           .opaque = true,
                           .autoSize = autoSize,
                           .wrap = !autoSize};
    };
    const ElementLook button{.font = sansSerif,
                             .align = Align::Center,
                             .textColor = Color::buttonText(),
                             .backColor = kBackColor};
    const ElementLook emblem{.stretch = true};
    const ElementLook frame{.font = sansSerif, .textColor = Color::buttonText(), .backColor = kBackColor};
    const Font arialSmall{"Arial", 8.25, false};
    using K = ElementKind;
    using P = PictureRef;
    constexpr const char* in = kFrameName;
    // The frame comes first so that its contents can name it; a frame never
    // takes the mouse over its contents, so it does not hide them.
    static const ElementSpec table[] = {
        {kFrameName, K::Frame, 150, 90, 7080, 4530, true, P::None, "", frame, 0},
        {"cmdmywebsite", K::Button, 2640, 3825, 1605, 495, true, P::None, "Visit my website", button, 10, -1, -1, in},
        {"cmdmailme", K::Button, 510, 3840, 1125, 495, true, P::None, "Mail me", button, 9, -1, -1, in},
        {"cmdok", K::Button, 5520, 3825, 915, 495, true, P::None, "Close", button, 7, -1, -1, in},
        {"lblalarmtime", K::Label, 3420, 210, 120, 435, true, P::None, "",
         label({"MS Sans Serif", 18, true}, Align::Center, true), 8, -1, -1, in},
        {kEmblemElement, K::Picture, 180, 300, 1815, 2385, true, P::None, "", emblem, -1, -1, -1, in},
        {"lblCopyright", K::Label, 4170, 2370, 2775, 255, true, P::None, "Copyright (c) 2026 Vordane Works",
         label(arialSmall, Align::Left, false), 3, -1, -1, in},
        {"lblCompany", K::Label, 4170, 2610, 2415, 255, true, P::None, "Vordane Works, Freeware",
         label(arialSmall, Align::Left, false), 2, -1, -1, in},
        {"lblWarning", K::Label, 150, 2970, 6855, 705, true, P::None,
         "Warning: this program is protected by copyright law. Copying or passing on this program or any part "
         "of it without the author's permission is not allowed and may be prosecuted. Its pictures are the "
         "author's own work.",
         label(arialSmall, Align::Left, false), 1, -1, -1, in},
        {"lblVersion", K::Label, 5865, 2010, 975, 285, true, P::None, "Version:",
         label({"Arial", 12, true}, Align::Right, true), 4, -1, -1, in},
        {"lblProductName", K::Label, 2520, 900, 1830, 765, true, P::None, "",
         label({"Arial", 32.25, true}, Align::Left, true), 6, -1, -1, in},
        {"lblCompanyProduct", K::Label, 1890, 2370, 1845, 435, true, P::None, "by A. Vordane",
         label({"Arial", 18, true}, Align::Left, true), 5, -1, -1, in},
    };
    return table;
}

}  // namespace vclock::notice_layout
