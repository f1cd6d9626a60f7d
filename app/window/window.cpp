#include "app/window/window.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "app/runtime.h"
#include "app/window/keys.h"

namespace vclock {

Window::Window(Runtime& runtime, std::string name, int clientWidthTwips, int clientHeightTwips)
    : runtime_(runtime), name_(std::move(name)), clientWidth_(clientWidthTwips), clientHeight_(clientHeightTwips) {}

Window::~Window() {
    // A host that outlives its window (one the runtime owns) stops showing it.
    if (view_) view_->unloaded();
}

void Window::setCaption(std::string_view caption) {
    // Written on every tick, usually with the same text: only a change is
    // passed on, and it is copied into the storage the old caption had.
    if (caption == caption_) return;
    caption_.assign(caption);
    if (view_) view_->captionChanged();
}

void Window::setAccessibleDescription(std::string_view description) {
    if (description == accessibleDescription_) return;
    accessibleDescription_.assign(description);
    if (view_) view_->accessibleDescriptionChanged();
}

void Window::presentAccessibly(Element& element, Accessibility accessibility) {
    element.setAccessibility(std::move(accessibility));
    accessibleElements_.push_back(&element);
}

void Window::setWindowState(WindowState state) {
    state_ = state;
    if (view_) view_->windowStateChanged();
}

Element& Window::add(ElementKind kind, std::string name, int index, Element* container) {
    elements_.push_back(std::make_unique<Element>(*this, kind, std::move(name), index, container));
    return *elements_.back();
}

Element& Window::element(const std::string& name, int index) const {
    for (const auto& e : elements_) {
        if (e->name() == name && e->index() == index) return *e;
    }
    throw std::out_of_range("window " + name_ + " has no element " + name);
}

FrameSet Window::frameSet(const std::string& name) const {
    std::vector<Element*> members;
    for (const auto& e : elements_) {
        if (e->name() != name || e->index() < 0) continue;
        const auto index = static_cast<std::size_t>(e->index());
        if (members.size() <= index) members.resize(index + 1, nullptr);
        members[index] = e.get();
    }
    for (Element* m : members) {
        if (!m) throw std::out_of_range("frame set " + name + " has a gap");
    }
    return FrameSet(std::move(members));
}

void Window::setView(WindowView* view) {
    if (view_ && view != view_) {
        for (const auto& e : elements_) e->fetchEditedText();
    }
    view_ = view;
}

void Window::invalidate(const Rect& area) {
    if (area.empty() || !view_) return;
    view_->invalidate(area);
}

void Window::controlChanged(Element& element) {
    if (view_) view_->controlChanged(element);
}

void Window::pointerChanged() {
    if (view_) view_->pointerChanged();
}

void Window::paint(Painter& painter, const Rect& area) const {
    // Each pixel is drawn as few times as it can be: nothing is drawn under
    // an element whose own pixels hide all of the area, and the back colour
    // only where no opaque window picture lies.
    auto bottom = elements_.rbegin();
    bool covered = false;
    for (auto it = elements_.begin(); it != elements_.end() && !covered; ++it) {
        if (!(*it)->coversOpaquely(area)) continue;
        bottom = std::make_reverse_iterator(it + 1);
        covered = true;
    }
    painter.setClip(area);
    if (!covered) {
        if (picture_ && picture_->opaque) {
            for (const Rect& part : outside(area, {0, 0, picture_->width, picture_->height})) {
                if (!part.empty()) painter.fillRect(part, backColor_);
            }
        } else {
            painter.fillRect(area, backColor_);
        }
        if (picture_) painter.drawPicture(*picture_, {0, 0});
    }
    for (auto it = bottom; it != elements_.rend(); ++it) {
        const Element& e = **it;
        if (!e.shown() || !e.paintedByCore()) continue;
        const Rect clip = intersect(area, e.visibleRect());
        if (clip.empty()) continue;
        painter.setClip(clip);
        e.paint(painter);
    }
    painter.setClip(area);
}

Element* Window::hitTest(Point pixel) const {
    for (const auto& e : elements_) {
        if (e->kind() == ElementKind::TextField && e->shown() && e->visibleRect().contains(pixel)) return e.get();
    }
    // A frame is added before its contents, so it stacks above them, yet
    // it lies behind them: it takes the mouse only where none of them is.
    Element* frame = nullptr;
    for (const auto& e : elements_) {
        if (!e->shown() || !e->visibleRect().contains(pixel)) continue;
        if (e->kind() != ElementKind::Frame) return e.get();
        if (!frame) frame = e.get();
    }
    return frame;
}

void Window::mousePress(Point pixel, MouseButton button) {
    Element* target = hitTest(pixel);
    if (!pressed_) {
        pressed_ = true;
        captured_ = target;
    }
    if (target && target->kind() == ElementKind::TextField) setFocus(target);
    if (target && target->events.mouseDown) target->events.mouseDown(button);
}

void Window::mouseRelease(Point pixel, MouseButton button) {
    if (!pressed_) return;
    pressed_ = false;
    Element* began = std::exchange(captured_, nullptr);
    const bool secondOfDouble = std::exchange(doubleClickPress_, false);
    if (began && began->events.mouseUp) began->events.mouseUp(button);
    if (secondOfDouble || hitTest(pixel) != began) return;
    if (began) {
        if (began->events.click) began->events.click();
    } else if (events.click) {
        events.click();
    }
}

void Window::mouseDoubleClick(Point pixel, MouseButton button) {
    // The second press of a double-click: its release gives no further Click.
    mousePress(pixel, button);
    doubleClickPress_ = true;
    if (!captured_ && events.dblClick) events.dblClick();
}

void Window::mouseMove(Point pixel) {
    Element* target = pressed_ ? captured_ : hitTest(pixel);
    if (target && target->events.mouseMove) target->events.mouseMove();
}

void Window::press(Element* target) {
    if (pressed_) return;
    if (!target) {
        if (events.click) events.click();
        return;
    }
    if (target->kind() == ElementKind::TextField) setFocus(target);
    if (target->events.mouseDown) target->events.mouseDown(MouseButton::Left);
    if (target->events.mouseUp) target->events.mouseUp(MouseButton::Left);
    // A release over an element that has gone from view is no click on it.
    if (target->shown() && target->events.click) target->events.click();
}

const Icon* Window::pointerAt(Point pixel) const {
    const Element* target = pressed_ ? captured_ : hitTest(pixel);
    if (target && target->mousePointer() == MousePointer::Custom && target->mouseIcon()) {
        return target->mouseIcon().get();
    }
    return nullptr;
}

std::string Window::toolTipAt(Point pixel) const {
    const Element* target = hitTest(pixel);
    return target ? target->toolTip() : std::string();
}

void Window::setFocus(Element* element) {
    focus_ = element;
    if (view_ && element) view_->focusRequested(*element);
}

std::vector<Element*> Window::tabOrder() const {
    std::vector<Element*> order;
    for (const auto& e : elements_) {
        const bool focusable = e->kind() == ElementKind::TextField || e->kind() == ElementKind::Button;
        if (focusable && e->shown()) order.push_back(e.get());
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Element* a, const Element* b) { return a->tabIndex() < b->tabIndex(); });
    return order;
}

bool Window::keyTyped(char32_t key, bool shift) {
    if (!loaded_) return true;
    if (key == kTabKey) {
        const std::vector<Element*> order = tabOrder();
        if (order.empty()) return true;
        const auto at = std::find(order.begin(), order.end(), focus_);
        const auto n = static_cast<std::ptrdiff_t>(order.size());
        std::ptrdiff_t next = shift ? n - 1 : 0;
        if (at != order.end()) next = ((at - order.begin()) + (shift ? n - 1 : 1)) % n;
        setFocus(order[static_cast<std::size_t>(next)]);
        return true;
    }
    if (!isCharacterKey(key) || !events.keyPress) return false;
    if (!keyPreview_ && focus_) return false;
    events.keyPress(key);
    return !loaded_;
}

void Window::load() {
    if (loaded_) return;
    loaded_ = true;
    if (events.load) events.load();
    // As a window opens, the focus goes to the first element that takes it.
    if (loaded_) {
        const std::vector<Element*> order = tabOrder();
        if (!order.empty()) setFocus(order.front());
    }
}

void Window::unload() {
    if (!loaded_) return;
    if (events.unload) events.unload();
    loaded_ = false;
    if (view_) view_->unloaded();
}

void Window::requestClose() {
    if (events.closeRequest) {
        events.closeRequest();
    } else {
        unload();
    }
}

void Window::endingSoon() {
    if (loaded_ && events.endingSoon) events.endingSoon();
}

void showModal(Window& dialog, Window& owner) {
    dialog.load();
    owner.runtime().showModal(dialog, owner);
    if (owner.loaded() && owner.events.activate) owner.events.activate();
}

}  // namespace vclock
