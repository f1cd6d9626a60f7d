#pragma once

#include <functional>
#include <span>
#include <string>

#include "app/runtime/font.h"
#include "app/window/geometry.h"
#include "app/window/painter.h"
#include "app/window/picture.h"

namespace vclock {

class Window;

enum class ElementKind { Picture, Label, TextField, Button, Frame };
// Pointer styles: the default arrow, or the element's own mouse icon.
enum class MousePointer { Default = 0, Custom = 99 };
enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// How an element looks when its window loads; the layout tables are lists of these.
struct ElementLook {
    Font font;
    Align align = Align::Left;
    Color textColor = Color::windowText();
    Color backColor = Color::buttonFace();
    bool opaque = false;     // labels: fill the box with backColor before the text
    bool autoSize = false;   // labels: the box follows the text, top-left fixed
    bool wrap = false;       // labels without auto-size: break at word boundaries
    bool stretch = false;    // pictures: scale to the element's box
};

// How assistive technology, such as a screen reader, presents an element:
// not at all, or in a role under a name.
enum class AccessibleRole { None, Button, Text, Label };
struct Accessibility {
    AccessibleRole role = AccessibleRole::None;
    std::string name;  // empty: the element's text names it
};

// What an element does with the mouse. Empty handlers mean it ignores that
// event, but it still catches the mouse over its whole rectangle.
struct ElementEvents {
    std::function<void(MouseButton)> mouseDown;
    std::function<void(MouseButton)> mouseUp;
    std::function<void()> mouseMove;
    std::function<void()> click;
};

// One element of a window: a picture element, label, text field, button or
// frame. Places are twips from the top-left of the window's client area or
// of the containing frame. Every change that alters what the window shows
// tells the window which pixels changed; nothing else is repainted.
class Element {
public:
    Element(Window& window, ElementKind kind, std::string name, int index, Element* container);
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    ElementKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // member index in a frame set, -1 otherwise
    Element* container() const { return container_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top);
    void setWidth(int width);
    void setHeight(int height);
    void setBounds(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    // Shown and every container shown.
    bool shown() const;

    const PictureHandle& picture() const { return picture_; }
    // A picture element takes the picture's size (unless it stretches);
    // the picture is shared, never copied.
    void setPicture(PictureHandle picture);
    // The same, for a picture of the shown one's size that differs from it
    // only within `differences` (in the pictures' pixels): only those
    // pixels are repainted.
    void setPicture(PictureHandle picture, std::span<const Rect> differences);
    // Shown, and draws every pixel of `area` with pixels of its own: what
    // lies under it there never shows.
    bool coversOpaquely(const Rect& area) const;

    // Caption of a label or button, text of a text field. While the user
    // types, a text field's text lives in the backend's native field: the
    // backend only reports that it changed, and the text is fetched once
    // when someone reads it, so a key costs the same however long the text.
    const std::string& text() const;
    void setText(std::string text);
    // The user changed the text in the backend's native field.
    void fieldEdited() { fieldEdited_ = true; }
    // Takes over the native field's text now, if the user changed it: for
    // a window whose view goes away.
    void fetchEditedText() const;

    const ElementLook& look() const { return look_; }
    void setLook(ElementLook look);

    MousePointer mousePointer() const { return mousePointer_; }
    void setMousePointer(MousePointer pointer);
    const IconHandle& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(IconHandle icon);

    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string text);

    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int tabIndex) { tabIndex_ = tabIndex; }

    const Accessibility& accessibility() const { return accessibility_; }
    void setAccessibility(Accessibility accessibility) { accessibility_ = std::move(accessibility); }
    // The name assistive technology gives the element: its own, or its text.
    const std::string& accessibleName() const { return accessibility_.name.empty() ? text_ : accessibility_.name; }

    ElementEvents events;

    // The element's box in pixels of the window's client area.
    Rect pixelRect() const;
    // The part of the box that can show: inside every container's border.
    Rect visibleRect() const;
    // Drawn by the core painter (text fields and buttons are the backend's own controls).
    bool paintedByCore() const { return kind_ != ElementKind::TextField && kind_ != ElementKind::Button; }

    void paint(Painter& painter) const;

private:
    void fitTextIfAutoSized();
    // Runs a change and tells the window what it altered on screen.
    template <class Change>
    void changeLook(Change&& change);

    Window& window_;
    ElementKind kind_;
    std::string name_;
    int index_;
    Element* container_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    PictureHandle picture_;
    mutable std::string text_;
    mutable bool fieldEdited_ = false;  // text_ is behind the native field
    ElementLook look_;
    MousePointer mousePointer_ = MousePointer::Default;
    IconHandle mouseIcon_;
    std::string toolTip_;
    int tabIndex_ = -1;
    Accessibility accessibility_;
};

}  // namespace vclock
