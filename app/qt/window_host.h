#pragma once

#include <functional>
#include <map>

#include <QCursor>
#include <QWidget>

#include "app/window/scale.h"
#include "app/window/window.h"

namespace vclock {
class Runtime;
}

namespace vclock::qt {

class TypedKeys;


// A top-level Qt widget showing one core window: it paints the rectangles
// the window reports as changed, hands the mouse and keys to the window,
// and keeps native controls (line edits, push buttons) over the window's
// text fields and buttons.
class WindowHost final : public QWidget, public WindowView {
public:
    WindowHost(Runtime& runtime, Window& window, QWidget* owner);
    ~WindowHost() override;

    // Called once the window has been unloaded and the widget hidden.
    std::function<void()> onUnloaded;

    // Pixels repainted since the widget was shown, counted from paint events.
    long long paintedPixels() const { return paintedPixels_; }

    // For assistive technology, which acts on the window from outside its
    // events (app/qt/accessibility). Null once unloaded.
    Window* coreWindow() const { return window_; }
    Runtime& runtime() const { return runtime_; }
    // Client pixels of the window in the widget, which may frame them.
    QRect widgetRect(const Rect& client) const;

    // WindowView
    void invalidate(const Rect& area) override;
    void captionChanged() override;
    void windowStateChanged() override;
    void controlChanged(Element& element) override;
    std::string fieldText(const Element& element) override;
    void pointerChanged() override;
    void focusRequested(Element& element) override;
    void unloaded() override;
    void accessibleDescriptionChanged() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControl(Element& element);
    void syncControl(Element& element, QWidget& control);
    // Hands a key to the window, which decides what it does; true when the
    // key must go no further (Tab, or the window went).
    bool keyToWindow(QKeyEvent* event);
    // A point of the widget in the window's client pixels.
    Point clientPoint(QPointF at) const;
    void paintDialogFrame(QPainter& painter);
    void updatePointer(QPoint at);
    QCursor cursorFor(const Icon* icon);
    template <class F>
    void toWindow(F&& handler);

    Runtime& runtime_;
    Window* window_;  // null once unloaded
    std::map<Element*, QWidget*> controls_;
    std::map<const Element*, TypedKeys*> typedKeys_;  // of each text field's edit, its child
    PictureHandle cursorIcon_;  // the first picture of the icon cursor_ shows, held so it is never mistaken
    Scale cursorScale_;         // the density cursor_ was made for
    QCursor cursor_;
    long long paintedPixels_ = 0;
    bool closing_ = false;
    // Width of the dialog frame drawn around the client area: a dialog
    // without title bar gets no frame from the window manager, and none
    // at all where no window manager runs.
    int frameWidth_ = 0;
    bool tabbing_ = false;  // the focus moves by Tab
};

}  // namespace vclock::qt
