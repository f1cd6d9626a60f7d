#include "app/qt/accessibility.h"

#include <vector>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>

#include "app/qt/window_host.h"
#include "app/runtime.h"

namespace vclock::qt {
namespace {

// A press goes through the event loop, as a click does: the screen reader's
// call returns at once, and whatever the press opens (a message box, the
// end of the program) runs outside it.
void queuePress(WindowHost& host, Element* target) {
    QMetaObject::invokeMethod(
        &host,
        [&host, target] {
            host.runtime().dispatch([&] {
                if (Window* w = host.coreWindow()) w->press(target);
            });
        },
        Qt::QueuedConnection);
}

// A core-painted element with a role, as a child of its host window.
class ElementAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ElementAccessible(WindowHost& host, Element& element) : host_(&host), element_(element) {}

    bool isValid() const override { return host_ && host_->coreWindow(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return host_ ? host_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(host_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name) return {};
        return QString::fromStdString(element_.accessibleName());
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = host_->widgetRect(element_.visibleRect());
        return {host_->mapToGlobal(r.topLeft()), r.size()};
    }

    QAccessible::Role role() const override {
        return element_.accessibility().role == AccessibleRole::Button ? QAccessible::Button : QAccessible::StaticText;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !isValid() || !element_.shown();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface && role() == QAccessible::Button)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid()) queuePress(*host_, &element_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<WindowHost> host_;
    Element& element_;
};

// The host window: Qt's interface for a widget, named and described by the
// core window, with its core-painted accessible elements as children, in the
// core's order, after the native controls.
class HostAccessible final : public QAccessibleWidget {
public:
    explicit HostAccessible(WindowHost& host)
        : QAccessibleWidget(&host, host.windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window),
          host_(host) {
        if (Window* w = host.coreWindow()) {
            for (Element* e : w->accessibleElements()) {
                if (e->paintedByCore())
                    children_.push_back(QAccessible::registerAccessibleInterface(new ElementAccessible(host, *e)));
            }
        }
    }
    ~HostAccessible() {
        for (QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        const Window* w = host_.coreWindow();
        if (w && t == QAccessible::Name && !w->accessibleName().empty())
            return QString::fromStdString(w->accessibleName());
        if (w && t == QAccessible::Description) return QString::fromStdString(w->accessibleDescription());
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + static_cast<int>(children_.size()); }

    QAccessibleInterface* child(int index) const override {
        const int native = QAccessibleWidget::childCount();
        if (index < native) return QAccessibleWidget::child(index);
        const auto i = static_cast<std::size_t>(index - native);
        return i < children_.size() ? QAccessible::accessibleInterface(children_[i]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < children_.size(); ++i) {
            if (QAccessible::accessibleInterface(children_[i]) == child)
                return QAccessibleWidget::childCount() + static_cast<int>(i);
        }
        return QAccessibleWidget::indexOfChild(child);
    }

    // A window that takes clicks (the clock's picture) can be pressed.
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (const Window* w = host_.coreWindow(); w && w->events.click) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        if (const Window* w = host_.coreWindow(); w && w->events.click) queuePress(host_, nullptr);
    }

private:
    WindowHost& host_;
    std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* hostFactory(const QString&, QObject* object) {
    auto* host = dynamic_cast<WindowHost*>(object);
    return host ? new HostAccessible(*host) : nullptr;
}

}  // namespace

void exposeToAssistiveTechnology(WindowHost& host, const std::map<Element*, QWidget*>& controls) {
    static const bool installed = (QAccessible::installFactory(hostFactory), true);
    (void)installed;
    for (const auto& [element, control] : controls) {
        if (element->accessibility().role != AccessibleRole::None)
            control->setAccessibleName(QString::fromStdString(element->accessibleName()));
        // Qt's line edit takes a screen reader's text through setText, which
        // reports no edit; whatever the field shows that the core does not
        // hold yet goes to the core as typing would.
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            Element* e = element;
            QObject::connect(edit, &QLineEdit::textChanged, &host, [&host, e](const QString& text) {
                std::string typed = text.toStdString();
                if (!host.coreWindow() || typed == e->text()) return;
                host.runtime().dispatch([&] { e->setText(std::move(typed)); });
            });
        }
    }
}

void announceDescription(WindowHost& host) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(&host, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace vclock::qt
