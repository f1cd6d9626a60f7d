#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QLineEdit;

namespace vclock::qt {

// Gathers the plain characters typed into a line edit and inserts them
// together. QLineEdit lays out its whole text again on every change, so one
// insert per key costs time in proportion to the text's length, and a
// flood of keys into a long text would hold up every timer behind it. The
// first character after a pause goes in at once; while keys keep coming,
// each insert waits for a rest in proportion to how long the last one took,
// so the field takes a bounded share of the time, however long its text.
// Anything else that reaches the field (another key, the mouse, focus, an
// input method) sends the waiting characters in before it, and so does
// flush(), which must run before the field's text is read or written: the
// order of the user's input is kept. A child of the edit.
class TypedKeys final : public QObject {
public:
    // `onTyped` runs when a character starts to wait: the field's text has
    // changed from then on, though the edit does not show it yet.
    TypedKeys(QLineEdit& edit, std::function<void()> onTyped);

    QLineEdit& edit() const { return edit_; }
    void flush();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& edit_;
    std::function<void()> onTyped_;
    QString pending_;
    QTimer due_;
    QElapsedTimer sinceInsert_;
    qint64 insertNs_ = 0;  // how long the last insert took
};

}  // namespace vclock::qt
