#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/window/element.h"
#include "app/window/frame_set.h"

namespace vclock {

class Runtime;
class Window;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
// None: no frame and no title bar. FixedDialog: a dialog frame the user
// cannot resize; with an empty caption it shows no title bar either.
enum class BorderStyle { None, FixedDialog };

// What a backend is told about a window it hosts. All pixel rectangles are
// in the client area's pixels.
class WindowView {
public:
    virtual ~WindowView() = default;
    virtual void invalidate(const Rect& area) = 0;
    virtual void captionChanged() {}
    virtual void windowStateChanged() {}
    // A text field or button changed place, visibility or text.
    virtual void controlChanged(Element&) {}
    // The text of a native text field that reported an edit
    // (Element::fieldEdited); a view without native fields is never asked.
    virtual std::string fieldText(const Element&) { return {}; }
    // An element's pointer style or mouse icon changed.
    virtual void pointerChanged() {}
    virtual void focusRequested(Element&) {}
    // The window was unloaded, or destroyed while its view lives on.
    virtual void unloaded() {}
    virtual void accessibleDescriptionChanged() {}
};

struct WindowEvents {
    std::function<void()> load;
    std::function<void()> activate;
    std::function<void()> unload;
    std::function<void()> click;
    std::function<void()> dblClick;
    std::function<void(char32_t)> keyPress;
    // The platform closes the window (the close key, logging out). Without
    // a handler the window is unloaded.
    std::function<void()> closeRequest;
    // The platform may end the program soon without a close to wait for:
    // logging off, which can still be cancelled, or the display gone.
    // Stores now what unloading would store; nothing closes.
    std::function<void()> endingSoon;
};

// A window as data: its attributes, its elements in one stacking order,
// painting into a Painter, hit testing and the mouse rules. It knows
// nothing of the platform; a backend hosts it through a WindowView.
class Window {
public:
    Window(Runtime& runtime, std::string name, int clientWidthTwips, int clientHeightTwips);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();

    const std::string& name() const { return name_; }
    Runtime& runtime() const { return runtime_; }
    int clientWidth() const { return clientWidth_; }    // twips
    int clientHeight() const { return clientHeight_; }  // twips

    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view caption);
    WindowState windowState() const { return state_; }
    void setWindowState(WindowState state);

    Color backColor() const { return backColor_; }
    void setBackColor(Color color) { backColor_ = color; }
    const PictureHandle& picture() const { return picture_; }
    void setPicture(PictureHandle picture) { picture_ = std::move(picture); }
    const IconHandle& icon() const { return icon_; }
    void setIcon(IconHandle icon) { icon_ = std::move(icon); }
    BorderStyle borderStyle() const { return border_; }
    void setBorderStyle(BorderStyle border) { border_ = border; }
    // A dialog has a fixed dialog frame; it shows a title bar only with a caption.
    bool isDialog() const { return border_ == BorderStyle::FixedDialog; }
    bool hasTitleBar() const { return isDialog() && !caption_.empty(); }
    // Key preview: the window's KeyPress sees each character key before
    // the control that has the focus does.
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }
    bool showInTaskbar() const { return showInTaskbar_; }
    void setShowInTaskbar(bool show) { showInTaskbar_ = show; }

    // What assistive technology says of the window: its name, and what it
    // shows now. A new description reaches the backend only when its text
    // changes.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name) { accessibleName_ = std::move(name); }
    const std::string& accessibleDescription() const { return accessibleDescription_; }
    void setAccessibleDescription(std::string_view description);
    // The elements presented to assistive technology, in the order it reads them.
    const std::vector<Element*>& accessibleElements() const { return accessibleElements_; }
    void presentAccessibly(Element& element, Accessibility accessibility);

    // Adds an element below every element added before it, so a layout
    // table listed top-most first is added in its own order.
    Element& add(ElementKind kind, std::string name, int index = -1, Element* container = nullptr);
    // The element with this name and member index; throws if the layout has none.
    Element& element(const std::string& name, int index = -1) const;
    FrameSet frameSet(const std::string& name) const;
    // Top-most first.
    const std::vector<std::unique_ptr<Element>>& elements() const { return elements_; }

    WindowEvents events;

    // A view that goes leaves the text typed into its fields behind. A view
    // is detached before it goes; a window that goes first tells its view
    // (WindowView::unloaded).
    void setView(WindowView* view);
    WindowView* view() const { return view_; }

    // Marks client pixels as changed.
    void invalidate(const Rect& area);
    void controlChanged(Element& element);
    void pointerChanged();

    // Paints `area` of the client: back colour, the window picture, then
    // the shown core-painted elements from the bottom of the stack to the top.
    void paint(Painter& painter, const Rect& area) const;

    // The top-most shown element under a client pixel, text fields first;
    // null where only the window lies.
    Element* hitTest(Point pixel) const;

    // The mouse rules: the element where a press began gets its release
    // wherever that happens, and a click when released over it; a press on
    // a text field focuses it; a double-click gives Click, then DblClick.
    void mousePress(Point pixel, MouseButton button);
    void mouseRelease(Point pixel, MouseButton button);
    void mouseDoubleClick(Point pixel, MouseButton button);
    void mouseMove(Point pixel);
    // A press and release of the left button on `target` (null: the bare
    // window), as assistive technology asks for one: the events a click
    // there gives, whatever lies over the element and wherever the pointer
    // is. Ignored while a press of the mouse is under way.
    void press(Element* target);
    // The pointer to show over a pixel: an element's own icon, or null for the arrow.
    const Icon* pointerAt(Point pixel) const;
    std::string toolTipAt(Point pixel) const;

    Element* focus() const { return focus_; }
    void setFocus(Element* element);
    // The elements that take the focus now (shown text fields and buttons),
    // by tab index; equal indices keep the stacking order.
    std::vector<Element*> tabOrder() const;
    // A key typed while the window is active (0: a key that types no
    // character). Tab moves the focus to the next element in tab order,
    // Shift+Tab to the one before, round the end. A character key goes to
    // KeyPress when the window has key preview or no control has the focus.
    // True when the focused control must not get the key too: Tab, and any
    // key after which the window has been unloaded.
    bool keyTyped(char32_t key, bool shift = false);

    // Load (its handler runs, then the focus goes to the first element in
    // tab order), unload (its handler runs, the window closes).
    bool loaded() const { return loaded_; }
    void load();
    void unload();
    void requestClose();
    // Runs the endingSoon handler while the window is loaded.
    void endingSoon();

private:
    Runtime& runtime_;
    std::string name_;
    int clientWidth_;
    int clientHeight_;
    std::string caption_;
    WindowState state_ = WindowState::Normal;
    Color backColor_ = Color::buttonFace();
    PictureHandle picture_;
    IconHandle icon_;
    BorderStyle border_ = BorderStyle::None;
    bool showInTaskbar_ = true;
    bool keyPreview_ = false;
    std::string accessibleName_;
    std::string accessibleDescription_;
    std::vector<Element*> accessibleElements_;
    std::vector<std::unique_ptr<Element>> elements_;
    WindowView* view_ = nullptr;
    Element* focus_ = nullptr;
    bool loaded_ = false;
    bool pressed_ = false;  // a press is under way
    Element* captured_ = nullptr;  // where it began (null: the window)
    bool doubleClickPress_ = false;
};

// Shows `dialog` modally over `owner` and, once it has closed, activates
// the owner again, as the platform does when a program's window closes.
void showModal(Window& dialog, Window& owner);

}  // namespace vclock
