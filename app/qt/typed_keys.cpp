#include "app/qt/typed_keys.h"

#include <algorithm>
#include <utility>

#include <QKeyEvent>
#include <QLineEdit>

namespace vclock::qt {
namespace {

// While keys flood in, an insert is followed by a rest of kRest times its
// length; painting the new text takes about as long again, so the field
// takes about a tenth of the time.
constexpr qint64 kRest = 16;

// A key that only inserts its text, as QLineEdit would insert it.
bool insertsText(const QKeyEvent& key) {
    constexpr Qt::KeyboardModifiers kTextModifiers = Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier;
    if (key.text().isEmpty() || (key.modifiers() & ~kTextModifiers)) return false;
    for (const char32_t c : key.text().toUcs4()) {
        if (!QChar::isPrint(c)) return false;
    }
    return true;
}

bool isTextKey(const QEvent& event, QEvent::Type type) {
    return event.type() == type && insertsText(static_cast<const QKeyEvent&>(event));
}

// Events that act on the field's text, caret or selection, or on where the
// user's input goes: the characters typed before them go in first. Others
// (painting, the caret's blinking, the input method's questions) may pass
// while characters wait.
bool actsOnText(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::Hide:
            return true;
        default:
            return false;
    }
}

}  // namespace

TypedKeys::TypedKeys(QLineEdit& edit, std::function<void()> onTyped)
    : QObject(&edit), edit_(edit), onTyped_(std::move(onTyped)) {
    due_.setSingleShot(true);
    connect(&due_, &QTimer::timeout, this, [this] { flush(); });
    sinceInsert_.start();
    edit.installEventFilter(this);
}

bool TypedKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &edit_) return false;
    // The release of a character key only restarts the caret's blinking,
    // which lays out the whole text again; the insert does that once.
    if (isTextKey(*event, QEvent::KeyRelease)) return true;
    if (isTextKey(*event, QEvent::KeyPress) && !edit_.isReadOnly()) {
        const bool first = pending_.isEmpty();
        pending_ += static_cast<QKeyEvent*>(event)->text();
        if (first) {
            const qint64 restMs = (kRest * insertNs_ - sinceInsert_.nsecsElapsed()) / 1000000;
            // At most a second, so that what is typed into a very long text still shows.
            due_.start(static_cast<int>(std::clamp<qint64>(restMs, 0, 1000)));
            onTyped_();
        }
        return true;
    }
    if (actsOnText(event->type())) flush();
    return false;
}

void TypedKeys::flush() {
    due_.stop();
    if (pending_.isEmpty()) return;
    const QString text = std::exchange(pending_, QString());
    QElapsedTimer took;
    took.start();
    edit_.insert(text);
    insertNs_ = took.nsecsElapsed();
    sinceInsert_.restart();
}

}  // namespace vclock::qt
