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

// How assistive technology presents a window's element: one row names the
// element, its role, and the name it goes by (null: its text). It reads the
// rows in their order; elements of no row are not presented to it.
struct AccessibleSpec {
    const char* element;
    AccessibleRole role;
    const char* name = nullptr;
};

PictureHandle pictureFor(const Artwork& artwork, PictureRef ref, int index);

// Adds the elements of a table to a window, top-most row first, with their
// starting places, looks, texts and pictures.
void addElements(Window& window, std::span<const ElementSpec> table, const Artwork& artwork);

// Names the window for assistive technology and gives the table's elements
// their roles and names.
void addAccessibility(Window& window, const char* windowName, std::span<const AccessibleSpec> table);

}  // namespace vclock
