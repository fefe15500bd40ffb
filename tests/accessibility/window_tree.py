# SPDX-License-Identifier: MIT
"""Reads the running program's window through AT-SPI, as a screen reader does: the window's role
and title, each control's role and spoken name in reading order, and a header's new name after
"Кодирай" is pressed through the button's own action, as an assistive tool presses it, and the
message that a screen reader is told to say, each time it is pressed.

Usage: window_tree.py PID      (run by screen_reader_sees.sh, inside the session it sets up)
"""

import os
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "matrix-cipher.github.io Информатика - matrix transpose cipher"

# What a student sees, top to bottom: each label by its caption, each other control by the label
# beside it or the name its place in the window gives it.
# The roles are AT-SPI's own; their names differ between its versions ("push button", "button").
CONTROLS = [
    (pyatspi.ROLE_LABEL, "Информатика - матричен транспозиционен шифър"),
    (pyatspi.ROLE_LABEL, "Открит текст:"),
    (pyatspi.ROLE_TEXT, "Открит текст"),
    (pyatspi.ROLE_LABEL, "Криптографски ключ:"),
    (pyatspi.ROLE_TEXT, "Криптографски ключ"),
    (pyatspi.ROLE_LABEL, "Открит"),
    (pyatspi.ROLE_LABEL, "Криптиран"),
    (pyatspi.ROLE_LIST, "Начална матрица"),
    (pyatspi.ROLE_LIST, "Крайна матрица"),
    (pyatspi.ROLE_PUSH_BUTTON, "Кодирай"),
    (pyatspi.ROLE_PUSH_BUTTON, "Чисти"),
    (pyatspi.ROLE_LABEL, "Криптиран текст:"),
    (pyatspi.ROLE_TEXT, "Криптиран текст"),
    (pyatspi.ROLE_TEXT, "Съобщение"),
    (pyatspi.ROLE_NOTIFICATION, ""),  # says each command's message once it is shown
]

MESSAGE = "Криптирането е завършено!"

# The sample key the window opens with, and its letters in alphabetical order.
HEADERS_AFTER_ENCRYPT = {"Открит": "пчела", "Криптиран": "аелпч"}

WAIT_SECONDS = 10


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, pid):
    """Polls find() until it gives something, while the program runs, for at most WAIT_SECONDS."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        try:
            os.kill(pid, 0)
        except ProcessLookupError:
            fail("the program ended before " + what)
        time.sleep(0.1)
    fail("no %s within %d s" % (what, WAIT_SECONDS))


def application_window(pid):
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.get_process_id() == pid:
            if application.childCount > 0:
                return application[0]
    return None


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%s has no Press action, only %s" % (button.name, names))
    action.doAction(names.index("Press"))


def main():
    pid = int(sys.argv[1])
    window = wait_for("window on the accessibility bus", lambda: application_window(pid), pid)
    said = []  # the names of the notifications shown, which a screen reader says
    pyatspi.Registry.registerEventListener(
        lambda event: event.detail1 and said.append(event.source.name),
        "object:state-changed:showing")
    faults = []
    if window.getRole() != pyatspi.ROLE_FRAME or window.name != TITLE:
        faults.append("window read as %s %r" % (window.getRoleName(), window.name))

    controls = list(window)
    heard = [(control.getRole(), control.name) for control in controls]
    if heard != CONTROLS:
        faults.append("controls read as %s"
                      % [(control.getRoleName(), control.name) for control in controls])
    else:
        headers = {control.name: control for control in controls
                   if control.name in HEADERS_AFTER_ENCRYPT}
        deadline = time.monotonic() + WAIT_SECONDS
        for count in (1, 2):  # the same message is said again
            press(next(c for c in controls if c.name == "Кодирай"))
            while len(said) < count and time.monotonic() < deadline:
                GLib.MainContext.default().iteration(False) or time.sleep(0.01)  # events come in
        if said != [MESSAGE, MESSAGE]:
            faults.append("said %s after Кодирай twice, not the message twice" % said)
        for old, new in HEADERS_AFTER_ENCRYPT.items():
            header = headers[old]
            while header.name == old and time.monotonic() < deadline:
                time.sleep(0.1)
            if header.name != new:
                faults.append("header %r read as %r after Кодирай, not %r"
                              % (old, header.name, new))

    for fault in faults:
        print("FAIL: " + fault, file=sys.stderr)
    if faults:
        sys.exit(1)
    print("window, %d controls and both headers read as a student sees them" % len(controls))


main()
