#pragma once

#include <map>

class QWidget;

namespace vclock {
class Element;
}

namespace vclock::qt {

class WindowHost;

// The clock's windows as screen readers meet them, through Qt's
// accessibility (AT-SPI on Linux). A host window is named and described as
// its core window is, and the core-painted elements that have a role (the
// door, the exit control, the notice's labels) are its children; a press on
// one, or on a window that takes clicks, is Window::press, queued as a click
// would be. The native controls keep Qt's own interfaces under the names the
// core gives them, and text a screen reader puts in a field reaches the
// core as typed text does. It decides nothing: names, roles and the
// description are the core's.
void exposeToAssistiveTechnology(WindowHost& host, const std::map<Element*, QWidget*>& controls);

// The window's description (the time it shows) has changed.
void announceDescription(WindowHost& host);

}  // namespace vclock::qt
