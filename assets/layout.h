#pragma once

#include <span>

#include "app/window/element.h"
#include "app/window/window.h"
#include "assets/artwork.h"

namespace vclock {

// Which catalogued picture an element holds when its window loads.
enum class PictureRef { None, ExitNormal, ExitPressed, Smoke, Door, ClosedDoor, Hour, Second };

// One row of a layout table. A row for several members of a frame set lists
// them from `firstIndex` down to `lastIndex`, each above the next.
struct ElementSpec {
    const char* name;
    ElementKind kind;
    int left, top, width, height;  // twips
    bool visible;
    PictureRef picture = PictureRef::None;
    const char* text = "";
    ElementLook look = {};
    int tabIndex = -1;
    int firstIndex = -1;
    int lastIndex = -1;
    const char* container = nullptr;  // the name of the frame that holds it
};

PictureHandle pictureFor(const Artwork& artwork, PictureRef ref, int index);

// Adds the elements of a table to a window, top-most row first, with their
// starting places, looks, texts and pictures.
void addElements(Window& window, std::span<const ElementSpec> table, const Artwork& artwork);

}  // namespace vclock
