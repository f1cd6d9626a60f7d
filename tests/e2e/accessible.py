#!/usr/bin/env python3
"""Drives the running clock as a screen reader does, through AT-SPI alone.

Usage: accessible.py COMMAND [ARGUMENT]
  describe        prints the clock window's name and description
  set-alarm TEXT  presses "Alarm door", puts TEXT in "Alarm time" and
                  presses the window, as a click on the picture commits
  notice          prints the notice's labels, then presses its "Close"
  exit            presses "Exit"
Every wait is bounded; a failure ends with status 1 and a message.
"""

import sys
import time

import pyatspi

APP_NAME = "Vordane Clock"
LIMIT_S = 20


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, find):
    end = time.monotonic() + LIMIT_S
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes under us while the program starts
            found = None
        if found is not None:
            return found
        time.sleep(0.2)
    fail(f"no {what} within {LIMIT_S} s")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP_NAME:
            return app
    return None


def window(role):
    app = application()
    if app is None:
        return None
    for w in app:
        if w is not None and w.getRole() == role and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def descendant(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a is not None and a.getRole() == role and a.name == name)


def press(accessible, what):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            action.doAction(i)
            return
    fail(f"{what} has no press action")


def clock():
    return wait_for("clock window", lambda: window(pyatspi.ROLE_FRAME))


def main(argv):
    command = argv[1] if len(argv) > 1 else ""
    if command == "describe":
        frame = clock()
        print(f"{frame.name}|{frame.description}")
    elif command == "set-alarm" and len(argv) == 3:
        frame = clock()
        door = wait_for('"Alarm door"', lambda: descendant(frame, pyatspi.ROLE_PUSH_BUTTON, "Alarm door"))
        press(door, '"Alarm door"')
        field = wait_for('"Alarm time"', lambda: descendant(frame, pyatspi.ROLE_TEXT, "Alarm time"))
        wait_for("shown field", lambda: True if field.getState().contains(pyatspi.STATE_SHOWING) else None)
        field.queryEditableText().setTextContents(argv[2])
        press(frame, "the clock window")
    elif command == "notice":
        dialog = wait_for("notice", lambda: window(pyatspi.ROLE_DIALOG))
        labels = [a.name for a in pyatspi.findAllDescendants(dialog, lambda a: a.getRole() == pyatspi.ROLE_LABEL)]
        print(f"{dialog.name}|" + "|".join(labels))
        close = wait_for('"Close"', lambda: descendant(dialog, pyatspi.ROLE_PUSH_BUTTON, "Close"))
        press(close, '"Close"')
    elif command == "exit":
        frame = clock()
        press(wait_for('"Exit"', lambda: descendant(frame, pyatspi.ROLE_PUSH_BUTTON, "Exit")), '"Exit"')
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)


if __name__ == "__main__":
    main(sys.argv)
