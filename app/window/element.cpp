#include "app/window/element.h"

#include <utility>

#include "app/runtime.h"
#include "app/window/window.h"

namespace vclock {
namespace {

// A container's contents are cut just inside its single-pixel border.
constexpr int kContainerBorder = 1;
// A frame's border is the 3-D shadow line of the desktop, on every platform.
constexpr Color kFrameBorderColor = Color::buttonShadow();

Rect inner(const Rect& r) {
    return {r.left + kContainerBorder, r.top + kContainerBorder, r.width - 2 * kContainerBorder,
            r.height - 2 * kContainerBorder};
}

}  // namespace

Element::Element(Window& window, ElementKind kind, std::string name, int index, Element* container)
    : window_(window), kind_(kind), name_(std::move(name)), index_(index), container_(container) {}

bool Element::shown() const {
    for (const Element* e = this; e; e = e->container_) {
        if (!e->visible_) return false;
    }
    return true;
}

Rect Element::pixelRect() const {
    int left = left_;
    int top = top_;
    for (const Element* c = container_; c; c = c->container_) {
        left += c->left_;
        top += c->top_;
    }
    return twipsRectToPixels(left, top, width_, height_);
}

Rect Element::visibleRect() const {
    Rect r = pixelRect();
    for (const Element* c = container_; c; c = c->container_) r = intersect(r, inner(c->pixelRect()));
    return r;
}

// The pixels this element covers on screen right now; empty when it draws nothing.
static Rect drawnArea(const Element& e) {
    if (!e.shown() || !e.paintedByCore()) return {};
    if (e.kind() == ElementKind::Picture) {
        if (!e.picture()) return {};
        if (e.look().stretch) return e.visibleRect();
        const Rect box = e.pixelRect();
        return intersect(Rect{box.left, box.top, e.picture()->width, e.picture()->height}, e.visibleRect());
    }
    return e.visibleRect();
}

template <class Change>
void Element::changeLook(Change&& change) {
    const Rect before = drawnArea(*this);
    change();
    const Rect after = drawnArea(*this);
    if (!paintedByCore()) {
        window_.controlChanged(*this);
        return;
    }
    if (before == after) {
        window_.invalidate(after);
        return;
    }
    window_.invalidate(before);
    window_.invalidate(after);
}

void Element::move(int left, int top) {
    if (left == left_ && top == top_) return;
    changeLook([&] {
        left_ = left;
        top_ = top;
    });
}

void Element::setWidth(int width) { setBounds(left_, top_, width, height_); }
void Element::setHeight(int height) { setBounds(left_, top_, width_, height); }

void Element::setBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    changeLook([&] {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    });
}

void Element::setVisible(bool visible) {
    if (visible == visible_) return;
    changeLook([&] { visible_ = visible; });
}

void Element::setPicture(PictureHandle picture) {
    const bool resize = picture && kind_ == ElementKind::Picture && !look_.stretch;
    const int width = resize ? pixelsToTwips(picture->width) : width_;
    const int height = resize ? pixelsToTwips(picture->height) : height_;
    if (picture == picture_ && width == width_ && height == height_) return;
    changeLook([&] {
        picture_ = std::move(picture);
        width_ = width;
        height_ = height;
    });
}

void Element::setPicture(PictureHandle picture, std::span<const Rect> differences) {
    const bool sameSize = picture && picture_ && kind_ == ElementKind::Picture && !look_.stretch &&
                          picture->width == picture_->width && picture->height == picture_->height &&
                          pixelsToTwips(picture->width) == width_ && pixelsToTwips(picture->height) == height_;
    if (!sameSize) {
        setPicture(std::move(picture));
        return;
    }
    picture_ = std::move(picture);
    const Rect drawn = drawnArea(*this);
    const Rect box = pixelRect();
    for (const Rect& d : differences) {
        window_.invalidate(intersect({box.left + d.left, box.top + d.top, d.width, d.height}, drawn));
    }
}

bool Element::coversOpaquely(const Rect& area) const {
    if (kind_ != ElementKind::Picture || !picture_ || !picture_->opaque || look_.stretch) return false;
    return intersect(drawnArea(*this), area) == area;
}

const std::string& Element::text() const {
    fetchEditedText();
    return text_;
}

void Element::fetchEditedText() const {
    if (!fieldEdited_) return;
    fieldEdited_ = false;
    if (WindowView* view = window_.view()) text_ = view->fieldText(*this);
}

void Element::setText(std::string text) {
    // Text typed since the last read is replaced without being fetched; it
    // may differ from the new text even where text_ does not.
    if (text == text_ && !fieldEdited_) return;
    changeLook([&] {
        fieldEdited_ = false;
        text_ = std::move(text);
        fitTextIfAutoSized();
    });
}

void Element::setLook(ElementLook look) {
    changeLook([&] {
        look_ = std::move(look);
        fitTextIfAutoSized();
    });
}

void Element::fitTextIfAutoSized() {
    if (kind_ != ElementKind::Label || !look_.autoSize) return;
    const TextExtent extent = window_.runtime().measureText(look_.font, text_);
    width_ = pixelsToTwips(extent.width);
    height_ = pixelsToTwips(extent.height);
}

void Element::setMousePointer(MousePointer pointer) {
    if (pointer == mousePointer_) return;
    mousePointer_ = pointer;
    window_.pointerChanged();
}

void Element::setMouseIcon(IconHandle icon) {
    if (icon == mouseIcon_) return;
    mouseIcon_ = std::move(icon);
    window_.pointerChanged();
}

void Element::setToolTip(std::string text) { toolTip_ = std::move(text); }

void Element::paint(Painter& painter) const {
    const Rect box = pixelRect();
    switch (kind_) {
        case ElementKind::Picture:
            if (!picture_) return;
            if (look_.stretch) {
                painter.drawPictureScaled(*picture_, box);
            } else {
                painter.drawPicture(*picture_, {box.left, box.top});
            }
            return;
        case ElementKind::Label:
            if (look_.opaque) painter.fillRect(box, look_.backColor);
            painter.drawText(text_, box, look_.font, look_.textColor, look_.align, look_.wrap);
            return;
        case ElementKind::Frame:
            painter.drawFrameBorder(box, kFrameBorderColor);
            return;
        case ElementKind::TextField:
        case ElementKind::Button:
            return;  // the backend's own controls
    }
}

}  // namespace vclock
