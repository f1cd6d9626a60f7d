#include "app/qt/window_host.h"

#include <algorithm>
#include <limits>
#include <vector>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#endif

#include "app/qt/accessibility.h"
#include "app/qt/picture_image.h"
#include "app/qt/qt_painter.h"
#include "app/qt/typed_keys.h"
#include "app/runtime.h"

namespace vclock::qt {
namespace {

Rect coreRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
Point corePoint(QPointF p) { return {static_cast<int>(p.x()), static_cast<int>(p.y())}; }

MouseButton coreButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton: return MouseButton::Right;
        case Qt::MiddleButton: return MouseButton::Middle;
        default: return MouseButton::Left;
    }
}

}  // namespace

WindowHost::WindowHost(Runtime& runtime, Window& window, QWidget* owner)
    : QWidget(owner), runtime_(runtime), window_(&window) {
    Qt::WindowFlags flags = window.borderStyle() == BorderStyle::FixedDialog ? Qt::Dialog : Qt::Window;
    if (window.borderStyle() == BorderStyle::None || window.caption().empty()) flags |= Qt::FramelessWindowHint;
    // A window kept off the taskbar stays with its owner, as dialogs do.
    if (!window.showInTaskbar() && !owner) flags |= Qt::Tool;
    setWindowFlags(flags);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    const Rect client{0, 0, twipsToPixels(window.clientWidth()), twipsToPixels(window.clientHeight())};
    resize(client.width, client.height);
    if (window.borderStyle() == BorderStyle::FixedDialog) setFixedSize(client.width, client.height);
    if (window.icon()) setWindowIcon(iconOf(*window.icon()));
    // Elements are listed top-most first; later-created widgets stack on top.
    for (auto it = window.elements().rbegin(); it != window.elements().rend(); ++it) {
        if (!(*it)->paintedByCore()) createControl(**it);
    }
    orderTabs();
    exposeToAssistiveTechnology(*this, controls_);
    captionChanged();
    window.setView(this);
    // A window may ask for focus while it loads, before it has a host.
    if (window.focus()) focusRequested(*window.focus());
}

void WindowHost::orderTabs() {
    std::vector<std::pair<int, QWidget*>> order;
    for (const auto& [element, control] : controls_) order.emplace_back(element->tabIndex(), control);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1].second, order[i].second);
}

WindowHost::~WindowHost() {
    if (window_) window_->setView(nullptr);
}

template <class F>
void WindowHost::toWindow(F&& handler) {
    runtime_.dispatch([&] {
        if (window_) handler(*window_);
    });
}

void WindowHost::createControl(Element& element) {
    QWidget* control = nullptr;
    if (element.kind() == ElementKind::TextField) {
        auto* edit = new QLineEdit(this);
        edit->setFrame(false);
        // The field has no length limit of its own (QLineEdit's default is 32767).
        edit->setMaxLength(std::numeric_limits<int>::max());
        // The core fetches the text when it reads it; a key only marks it changed.
        const auto edited = [this, &element] { toWindow([&](Window&) { element.fieldEdited(); }); };
        // Before the key preview below, which must see each key on its own.
        typedKeys_[&element] = new TypedKeys(*edit, edited);
        connect(edit, &QLineEdit::textEdited, this, edited);
        control = edit;
    } else {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, &element] {
            toWindow([&](Window&) {
                if (element.events.click) element.events.click();
            });
        });
        control = button;
    }
    control->installEventFilter(this);
    controls_[&element] = control;
    syncControl(element, *control);
}

void WindowHost::syncControl(Element& element, QWidget& control) {
    const ElementLook& look = element.look();
    control.setGeometry(qtRect(element.visibleRect()));
    control.setFont(qtFont(look.font));
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, qtColor(look.backColor));
    palette.setColor(QPalette::Button, qtColor(look.backColor));
    palette.setColor(QPalette::Text, qtColor(look.textColor));
    palette.setColor(QPalette::ButtonText, qtColor(look.textColor));
    control.setPalette(palette);
    const QString text = QString::fromStdString(element.text());
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        if (edit->text() != text) {
            typedKeys_.at(&element)->flush();  // typed before the core's text, so replaced by it
            edit->setText(text);
        }
        edit->setAlignment(look.align == Align::Center  ? Qt::AlignHCenter
                           : look.align == Align::Right ? Qt::AlignRight
                                                        : Qt::AlignLeft);
    } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
        button->setText(text);
    }
    control.setVisible(element.shown());
}

std::string WindowHost::fieldText(const Element& element) {
    const auto it = typedKeys_.find(&element);
    if (it == typedKeys_.end()) return {};
    it->second->flush();
    return it->second->edit().text().toStdString();
}

void WindowHost::invalidate(const Rect& area) { update(qtRect(area)); }

void WindowHost::captionChanged() {
    if (window_) setWindowTitle(QString::fromStdString(window_->caption()));
}

void WindowHost::windowStateChanged() {
    if (!window_) return;
    switch (window_->windowState()) {
        case WindowState::Maximized:
            // Without a window manager a maximised window keeps its own
            // size, so it is given the screen's size as well.
            if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) setGeometry(s->geometry());
            setWindowState(Qt::WindowMaximized);
            break;
        case WindowState::Minimized: setWindowState(Qt::WindowMinimized); break;
        case WindowState::Normal: setWindowState(Qt::WindowNoState); break;
    }
}

void WindowHost::controlChanged(Element& element) {
    if (auto it = controls_.find(&element); it != controls_.end()) syncControl(element, *it->second);
}

void WindowHost::pointerChanged() { updatePointer(mapFromGlobal(QCursor::pos())); }

void WindowHost::focusRequested(Element& element) {
    if (auto it = controls_.find(&element); it != controls_.end()) {
        it->second->setFocus(Qt::MouseFocusReason);
    } else {
        setFocus();
    }
}

void WindowHost::unloaded() {
    window_->setView(nullptr);
    window_ = nullptr;
    closing_ = true;
    hide();
    if (onUnloaded) onUnloaded();
    deleteLater();
}

void WindowHost::accessibleDescriptionChanged() { announceDescription(*this); }

void WindowHost::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QtPainter corePainter(painter);
    for (const QRect& r : event->region()) {
        paintedPixels_ += 1LL * r.width() * r.height();
        if (window_) window_->paint(corePainter, coreRect(r));
    }
}

void WindowHost::mousePressEvent(QMouseEvent* event) {
    toWindow([&](Window& w) { w.mousePress(corePoint(event->position()), coreButton(event->button())); });
    updatePointer(event->position().toPoint());
}

void WindowHost::mouseReleaseEvent(QMouseEvent* event) {
    toWindow([&](Window& w) { w.mouseRelease(corePoint(event->position()), coreButton(event->button())); });
    updatePointer(event->position().toPoint());
}

void WindowHost::mouseDoubleClickEvent(QMouseEvent* event) {
    toWindow([&](Window& w) { w.mouseDoubleClick(corePoint(event->position()), coreButton(event->button())); });
}

void WindowHost::mouseMoveEvent(QMouseEvent* event) {
    toWindow([&](Window& w) { w.mouseMove(corePoint(event->position())); });
    updatePointer(event->position().toPoint());
}

void WindowHost::keyPressEvent(QKeyEvent* event) {
    if (!previewKey(event)) QWidget::keyPressEvent(event);
}

bool WindowHost::previewKey(QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() || !window_ || !window_->events.keyPress) return false;
    const char32_t key = text.toUcs4().value(0);
    toWindow([&](Window& w) { w.events.keyPress(key); });
    return window_ == nullptr;
}

bool WindowHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && previewKey(static_cast<QKeyEvent*>(event))) return true;
    if (event->type() == QEvent::FocusIn && window_) {
        for (const auto& [element, control] : controls_) {
            if (control == watched && window_->focus() != element) window_->setFocus(element);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WindowHost::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // The platform asks; the window decides (the clock saves and ends).
    event->ignore();
    toWindow([](Window& w) { w.requestClose(); });
}

bool WindowHost::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && window_) {
        auto* help = static_cast<QHelpEvent*>(event);
        std::string tip;
        toWindow([&](Window& w) { tip = w.toolTipAt(corePoint(help->pos())); });
        if (tip.empty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this);
        }
        return true;
    }
    return QWidget::event(event);
}

bool WindowHost::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
#if __has_include(<xcb/xcb.h>)
    // Another program destroyed the native window (xdotool windowclose, a
    // session's teardown): the window closes as any close does, once Qt is
    // done with the event.
    if (eventType == "xcb_generic_event_t" && !closing_) {
        const auto* generic = static_cast<const xcb_generic_event_t*>(message);
        const auto* destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(generic);
        if ((generic->response_type & 0x7f) == XCB_DESTROY_NOTIFY && destroyed->window == internalWinId()) {
            QMetaObject::invokeMethod(
                this, [this] { toWindow([](Window& w) { w.requestClose(); }); }, Qt::QueuedConnection);
        }
    }
#endif
    return QWidget::nativeEvent(eventType, message, result);
}

void WindowHost::updatePointer(QPoint at) {
    if (!window_) return;
    setCursor(cursorFor(window_->pointerAt(corePoint(at))));
}

QCursor WindowHost::cursorFor(const Icon* icon) {
    const Icon::Image* image = icon ? icon->best(32) : nullptr;
    if (!image || !image->picture) return QCursor(Qt::ArrowCursor);
    if (cursorPicture_ != image->picture) {
        // Icons carry no hot spot; their centre points. The picture is held,
        // so a new icon's picture can never be mistaken for this one.
        const QPixmap pixmap = QPixmap::fromImage(imageOf(*image->picture));
        cursor_ = QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
        cursorPicture_ = image->picture;
    }
    return cursor_;
}

}  // namespace vclock::qt
