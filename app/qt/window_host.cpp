#include "app/qt/window_host.h"

#include <limits>

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
#include <qdrawutil.h>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#endif

#include "app/pointer/pointer_image.h"
#include "app/qt/accessibility.h"
#include "app/qt/picture_image.h"
#include "app/qt/qt_painter.h"
#include "app/qt/typed_keys.h"
#include "app/runtime.h"
#include "app/window/keys.h"

namespace vclock::qt {
namespace {

// The width of the standard fixed dialog frame: a raised 3-D edge of two
// pixels and one of face colour.
constexpr int kDialogFrameWidth = 3;

Rect coreRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The character a key types for the window (0 for none); Tab whether or not
// Shift is held, as Qt names Shift+Tab a key of its own.
char32_t characterOf(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) return kTabKey;
    return event.text().toUcs4().value(0);
}

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
    Qt::WindowFlags flags = window.isDialog() ? Qt::Dialog : Qt::Window;
    if (!window.hasTitleBar()) flags |= Qt::FramelessWindowHint;
    if (window.isDialog() && !window.hasTitleBar()) frameWidth_ = kDialogFrameWidth;
    // A window kept off the taskbar stays with its owner, as dialogs do.
    if (!window.showInTaskbar() && !owner) flags |= Qt::Tool;
    setWindowFlags(flags);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    const QSize outer(twipsToPixels(window.clientWidth()) + 2 * frameWidth_,
                      twipsToPixels(window.clientHeight()) + 2 * frameWidth_);
    resize(outer);
    if (window.isDialog()) setFixedSize(outer);
    if (window.icon()) setWindowIcon(iconOf(*window.icon()));
    // Elements are listed top-most first; later-created widgets stack on top.
    for (auto it = window.elements().rbegin(); it != window.elements().rend(); ++it) {
        if (!(*it)->paintedByCore()) createControl(**it);
    }
    exposeToAssistiveTechnology(*this, controls_);
    captionChanged();
    window.setView(this);
    // A window may ask for focus while it loads, before it has a host.
    if (window.focus()) focusRequested(*window.focus());
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
    control.setGeometry(widgetRect(element.visibleRect()));
    control.setFont(qtFont(look.font));
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, qtColor(look.backColor));
    palette.setColor(QPalette::Button, qtColor(look.backColor));
    palette.setColor(QPalette::Text, qtColor(look.textColor));
    palette.setColor(QPalette::ButtonText, qtColor(look.textColor));
    control.setPalette(palette);
    const QString text = QString::fromStdString(element.text());
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        // The standard sunken field border of two pixels, shadow above and
        // left, light below and right, whatever the style draws; no padding,
        // so the whole box holds the text.
        edit->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid; border-color: %1 %2 %2 %1;"
                                           " padding: 0px; margin: 0px; background: %3; color: %4; }")
                                .arg(qtColor(Color::buttonShadow()).name(), QStringLiteral("#ffffff"),
                                     qtColor(look.backColor).name(), qtColor(look.textColor).name()));
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

void WindowHost::invalidate(const Rect& area) { update(widgetRect(area)); }

Point WindowHost::clientPoint(QPointF at) const {
    return {static_cast<int>(at.x()) - frameWidth_, static_cast<int>(at.y()) - frameWidth_};
}

QRect WindowHost::widgetRect(const Rect& client) const { return qtRect(client).translated(frameWidth_, frameWidth_); }

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
        // Focus moved by Tab shows as such: the style marks the focused button.
        it->second->setFocus(tabbing_ ? Qt::TabFocusReason : Qt::MouseFocusReason);
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

void WindowHost::paintDialogFrame(QPainter& painter) {
    qDrawWinPanel(&painter, rect(), palette(), false);
    qDrawPlainRect(&painter, rect().adjusted(2, 2, -2, -2), qtColor(Color::buttonFace()), frameWidth_ - 2);
}

void WindowHost::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (frameWidth_ > 0) paintDialogFrame(painter);
    painter.translate(frameWidth_, frameWidth_);
    QtPainter corePainter(painter);
    const QRect client = rect().adjusted(0, 0, -2 * frameWidth_, -2 * frameWidth_);
    for (const QRect& widgetArea : event->region()) {
        const QRect r = widgetArea.translated(-frameWidth_, -frameWidth_).intersected(client);
        paintedPixels_ += 1LL * r.width() * r.height();
        if (window_) window_->paint(corePainter, coreRect(r));
    }
}

void WindowHost::mousePressEvent(QMouseEvent* event) {
    toWindow([&](Window& w) { w.mousePress(clientPoint(event->position()), coreButton(event->button())); });
    updatePointer(event->position().toPoint());
}

void WindowHost::mouseReleaseEvent(QMouseEvent* event) {
    toWindow([&](Window& w) { w.mouseRelease(clientPoint(event->position()), coreButton(event->button())); });
    updatePointer(event->position().toPoint());
}

void WindowHost::mouseDoubleClickEvent(QMouseEvent* event) {
    toWindow([&](Window& w) { w.mouseDoubleClick(clientPoint(event->position()), coreButton(event->button())); });
}

void WindowHost::mouseMoveEvent(QMouseEvent* event) {
    toWindow([&](Window& w) { w.mouseMove(clientPoint(event->position())); });
    updatePointer(event->position().toPoint());
}

void WindowHost::keyPressEvent(QKeyEvent* event) {
    if (!keyToWindow(event)) QWidget::keyPressEvent(event);
}

bool WindowHost::keyToWindow(QKeyEvent* event) {
    if (!window_) return false;
    const char32_t key = characterOf(*event);
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    bool done = false;
    tabbing_ = key == kTabKey;
    toWindow([&](Window& w) { done = w.keyTyped(key, shift); });
    tabbing_ = false;
    return done || window_ == nullptr;
}

bool WindowHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && keyToWindow(static_cast<QKeyEvent*>(event))) return true;
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
    // Tab moves the focus as the window says, before Qt's own focus chain.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (characterOf(*key) == kTabKey && keyToWindow(key)) return true;
    }
    if (event->type() == QEvent::ToolTip && window_) {
        auto* help = static_cast<QHelpEvent*>(event);
        std::string tip;
        toWindow([&](Window& w) { tip = w.toolTipAt(clientPoint(help->pos())); });
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
    setCursor(cursorFor(window_->pointerAt(clientPoint(at))));
}

QCursor WindowHost::cursorFor(const Icon* icon) {
    if (!icon || icon->images.empty()) return QCursor(Qt::ArrowCursor);
    // The pointer is as large as the face around it: Qt scales the face by
    // the screen's pixel ratio, but shows a cursor's pixels as they are.
    const Scale scale(qRound(kDesignDpi * devicePixelRatioF()));
    if (cursorIcon_ != icon->images.front().picture || cursorScale_ != scale) {
        const PictureHandle picture = pointerImage(*icon, scale);
        if (!picture) return QCursor(Qt::ArrowCursor);
        // Icons carry no hot spot; their centre points.
        const QPixmap pixmap = QPixmap::fromImage(imageOf(*picture));
        cursor_ = QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
        cursorIcon_ = icon->images.front().picture;
        cursorScale_ = scale;
    }
    return cursor_;
}

}  // namespace vclock::qt
