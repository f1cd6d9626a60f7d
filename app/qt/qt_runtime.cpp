#include "app/qt/qt_runtime.h"

#include <time.h>

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "app/qt/qt_painter.h"
#include "app/qt/qt_regional_forms.h"
#include "app/qt/regular_file.h"

namespace vclock::qt {
namespace {

class QtTimerHandle final : public TimerHandle {
public:
    QtTimerHandle(Runtime& runtime, int intervalMs, std::function<void()> onDue) : onDue_(std::move(onDue)) {
        QObject::connect(&timer_, &QTimer::timeout, [&runtime, this] { runtime.dispatch(onDue_); });
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.start(std::max(1, intervalMs));
    }

private:
    std::function<void()> onDue_;
    QTimer timer_;
};

// Real time since the machine started, time asleep included (Linux's boot
// clock; elsewhere the monotonic clock, which counts sleep on macOS). Should
// the clock fail, the wall clock stands in: what then looks like time that
// passed may have been a step of the clock.
std::int64_t elapsedMs(qint64 utcMs) {
#ifdef CLOCK_BOOTTIME
    constexpr clockid_t kCountsSleep = CLOCK_BOOTTIME;
#else
    constexpr clockid_t kCountsSleep = CLOCK_MONOTONIC;
#endif
    timespec now{};
    if (clock_gettime(kCountsSleep, &now) != 0) return utcMs;
    return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

std::int64_t systemOffsetAt(std::int64_t utcSeconds) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::LocalTime).offsetFromUtc();
}

}  // namespace

QtRuntime::QtRuntime() : forms_(regionalFormsOf(QLocale::system())), localTime_(systemOffsetAt) {}

QtRuntime::~QtRuntime() {
    for (const QPointer<WindowHost>& h : hosts_) delete h.data();
}

ClockReading QtRuntime::readClock() {
    // Local time from the same instant as UTC, so that the two tell the
    // zone's offset exactly.
    const qint64 utcMs = QDateTime::currentMSecsSinceEpoch();
    return {localTime_.localAt(utcMs), utcMs, elapsedMs(utcMs)};
}

TextExtent QtRuntime::measureText(const Font& font, const std::string& text) {
    const QSize size = QFontMetrics(qtFont(font)).size(Qt::TextSingleLine, QString::fromStdString(text));
    return {size.width(), size.height()};
}

std::unique_ptr<TimerHandle> QtRuntime::startTimer(int intervalMs, std::function<void()> onDue) {
    return std::make_unique<QtTimerHandle>(*this, intervalMs, std::move(onDue));
}

WindowHost* QtRuntime::host(Window& window, QWidget* owner) {
    std::erase_if(hosts_, [](const QPointer<WindowHost>& h) { return h.isNull(); });
    auto* h = new WindowHost(*this, window, owner);
    hosts_.emplace_back(h);
    return h;
}

WindowHost* QtRuntime::hostOf(const Window& window) const {
    for (const QPointer<WindowHost>& h : hosts_) {
        if (h && window.view() == h.data()) return h.data();
    }
    return nullptr;
}

void QtRuntime::showWindow(Window& window) {
    WindowHost* h = host(window, nullptr);
    h->show();
    h->windowStateChanged();
}

void QtRuntime::throwIfEnded() const {
    if (ended_) throw ProgramEnded{};
}

void QtRuntime::yield() {
    throwIfEnded();
    if (pacer_.passDue(YieldPacer::SteadyClock::now())) QCoreApplication::processEvents(QEventLoop::AllEvents);
    throwIfEnded();
}

void QtRuntime::showModal(Window& dialog, Window& owner) {
    throwIfEnded();
    if (!dialog.loaded()) return;
    QPointer<WindowHost> h = host(dialog, hostOf(owner));
    QEventLoop loop;
    h->onUnloaded = [&loop] { loop.quit(); };
    h->setWindowModality(Qt::ApplicationModal);
    h->show();
    if (dialog.loaded()) loop.exec();
    // Ended while it showed, the dialog is still loaded and unloads later,
    // when its window goes; the loop is gone by then.
    if (h) h->onUnloaded = nullptr;
    throwIfEnded();
}

int QtRuntime::messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons,
                          const std::string& title) {
    throwIfEnded();
    QWidget* parent = QApplication::activeWindow();
    // At start no window is active yet (a Wayland compositor activates one
    // only after it maps it): the box then belongs to the window shown last,
    // so that it is never left behind the clock's full-screen window.
    for (auto it = hosts_.rbegin(); !parent && it != hosts_.rend(); ++it) {
        if (*it && (*it)->isVisible()) parent = it->data();
    }
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromStdString(title), QString::fromStdString(text).replace(QLatin1String("\r\n"), "\n"),
                    QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    if (buttons == MessageButtons::OkCancel) {
        box.addButton(QMessageBox::Cancel);
    } else {
        box.setEscapeButton(ok);
    }
    box.setDefaultButton(ok);
    box.exec();
    throwIfEnded();
    return box.clickedButton() == ok ? kAnswerOk : kAnswerCancel;
}

void QtRuntime::shellOpen(Window&, const std::string& address) {
    // Handed to the desktop's handler, which starts apart from the clock;
    // an address nobody handles is simply not opened.
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (url.isValid()) QDesktopServices::openUrl(url);
}

std::optional<std::vector<std::uint8_t>> QtRuntime::readFileBesideProgram(const std::string& bareName,
                                                                          std::size_t largest) {
    const FileContents file = readRegularFile(
        QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromStdString(bareName),
        static_cast<qint64>(largest));
    if (file.status != FileContents::Status::Read) return std::nullopt;
    return std::vector<std::uint8_t>(file.bytes.begin(), file.bytes.end());
}

void QtRuntime::end() {
    ended_ = true;
    // Every event loop, nested ones included, stops; main() then returns.
    QCoreApplication::exit(0);
    throw ProgramEnded{};
}

}  // namespace vclock::qt
