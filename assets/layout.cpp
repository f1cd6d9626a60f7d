#include "assets/layout.h"

namespace vclock {

PictureHandle pictureFor(const Artwork& artwork, PictureRef ref, int index) {
    const auto at = [index](const auto& set) { return set.at(static_cast<std::size_t>(index)); };
    switch (ref) {
        case PictureRef::None: return nullptr;
        case PictureRef::ExitNormal: return artwork.exitNormal;
        case PictureRef::ExitPressed: return artwork.exitPressed;
        case PictureRef::Smoke: return at(artwork.smoke);
        case PictureRef::Door: return at(artwork.door);
        case PictureRef::ClosedDoor: return artwork.closedDoor;
        case PictureRef::Hour: return at(artwork.hour);
        case PictureRef::Second: return at(artwork.second);
    }
    return nullptr;
}

namespace {

void addOne(Window& window, const ElementSpec& spec, int index, const Artwork& artwork) {
    Element* container = spec.container ? &window.element(spec.container) : nullptr;
    Element& e = window.add(spec.kind, spec.name, index, container);
    e.setLook(spec.look);
    e.setText(spec.text);
    e.setVisible(spec.visible);
    e.setTabIndex(spec.tabIndex);
    // The picture first, then the table's box: the layout gives every
    // starting size, also where it differs from the picture's.
    e.setPicture(pictureFor(artwork, spec.picture, index));
    e.setBounds(spec.left, spec.top, spec.width, spec.height);
}

}  // namespace

void addElements(Window& window, std::span<const ElementSpec> table, const Artwork& artwork) {
    for (const ElementSpec& spec : table) {
        if (spec.firstIndex < 0) {
            addOne(window, spec, -1, artwork);
            continue;
        }
        const int step = spec.firstIndex <= spec.lastIndex ? 1 : -1;
        for (int i = spec.firstIndex;; i += step) {
            addOne(window, spec, i, artwork);
            if (i == spec.lastIndex) break;
        }
    }
}

void addAccessibility(Window& window, const char* windowName, std::span<const AccessibleSpec> table) {
    window.setAccessibleName(windowName);
    for (const AccessibleSpec& spec : table)
        window.presentAccessibly(window.element(spec.element), {spec.role, spec.name ? spec.name : ""});
}

}  // namespace vclock
