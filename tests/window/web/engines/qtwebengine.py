# SPDX-License-Identifier: MIT
"""Qt's WebEngine from Debian, the Chromium of older Chromebooks (Qt 5's is Chromium 87, Qt 6's
Chromium 102), driven by qtwebengine.js: one command a line of JSON on its input, one answer a line
on its output. Each page opens in a QWebEngineView of the screen's size, in a profile of its own
that keeps nothing; clicks, keys and Ctrl+V reach it as a user's do, through Qt Test."""
import json
import sys
import threading

if sys.argv[1] == "5":
    from PyQt5.QtCore import QEvent, QObject, QPoint, Qt, QUrl, pyqtSignal
    from PyQt5.QtGui import QKeyEvent
    from PyQt5.QtTest import QTest
    from PyQt5.QtWebEngineWidgets import QWebEnginePage, QWebEngineProfile, QWebEngineView
    from PyQt5.QtWidgets import QApplication
else:
    from PyQt6.QtCore import QEvent, QObject, QPoint, Qt, QUrl, pyqtSignal
    from PyQt6.QtGui import QKeyEvent
    from PyQt6.QtTest import QTest
    from PyQt6.QtWebEngineCore import QWebEnginePage, QWebEngineProfile
    from PyQt6.QtWebEngineWidgets import QWebEngineView
    from PyQt6.QtWidgets import QApplication

ERROR = QWebEnginePage.JavaScriptConsoleMessageLevel.ErrorMessageLevel


class Page(QWebEnginePage):
    def __init__(self, profile, parent):
        super().__init__(profile, parent)
        self.errors = []

    def javaScriptConsoleMessage(self, level, message, line, source):
        if level == ERROR:
            self.errors.append(f"console: {message}")


class Driver(QObject):
    command = pyqtSignal(str)

    def __init__(self):
        super().__init__()
        self.view = None
        self.command.connect(self.run)

    def answer(self, value=None, error=None):
        print(json.dumps({"error": error} if error else {"value": value}), flush=True)

    def run(self, line):
        request = json.loads(line)
        getattr(self, request["do"])(**request.get("with", {}))

    def open(self, url, width, height):
        if self.view:
            self.view.deleteLater()
        self.view = QWebEngineView()
        self.page = Page(QWebEngineProfile(self.view), self.view)
        self.view.setPage(self.page)
        self.view.resize(width, height)
        self.view.show()
        self.page.loadFinished.connect(lambda ok: self.answer(ok))
        self.view.load(QUrl(url))

    # Runs the function's source with its argument; a promise is waited for, its outcome polled.
    def evaluate(self, script, argument):
        call = (f"Promise.resolve().then(() => ({script})({json.dumps(argument)}))"
                ".then((value) => { window.driverAnswer = { value: value === undefined ? null : value }; },"
                " (error) => { window.driverAnswer = { error: String(error) }; })")
        self.page.runJavaScript(f"window.driverAnswer = null; {call}; null", lambda _: self.poll())

    def poll(self):
        def outcome(text):
            if text is None:
                self.poll()
            else:
                self.answer(**json.loads(text))
        self.page.runJavaScript("window.driverAnswer && JSON.stringify(window.driverAnswer)", outcome)

    # The renderer takes input and scripts on different channels: an answer waits until the
    # input has been handled, two frames on.
    def settled(self):
        self.evaluate("() => new Promise((done) => requestAnimationFrame(() => "
                      "requestAnimationFrame(done)))", None)

    def click(self, x, y):
        QTest.mouseClick(self.view.focusProxy(), Qt.MouseButton.LeftButton,
                         Qt.KeyboardModifier.NoModifier, QPoint(round(x), round(y)))
        self.settled()

    # A key for each character, as a keyboard's layout hands it over: its text, whatever the key.
    # WebEngine takes one UTF-16 unit of a key's text, so a character beyond the Basic
    # Multilingual Plane comes as its two halves, a key each, as Windows hands them over.
    def type(self, text):
        units = text.encode("utf-16-le")
        for at in range(0, len(units), 2):
            unit = units[at:at + 2].decode("utf-16-le", "surrogatepass")
            for kind in (QEvent.Type.KeyPress, QEvent.Type.KeyRelease):
                QApplication.sendEvent(self.view.focusProxy(),
                                       QKeyEvent(kind, 0, Qt.KeyboardModifier.NoModifier, unit))
        self.settled()

    def paste(self, text):
        QApplication.clipboard().setText(text)
        self.withControl(Qt.Key.Key_V)

    def undo(self):
        self.withControl(Qt.Key.Key_Z)

    def withControl(self, key):
        QTest.keyClick(self.view.focusProxy(), key, Qt.KeyboardModifier.ControlModifier)
        self.settled()

    def errors(self):
        self.answer(self.page.errors)

    def quit(self):
        QApplication.quit()


def main():
    application = QApplication(sys.argv[:1])
    driver = Driver()

    # The input ends when the suite is done: the application ends on its own thread.
    def read():
        for line in sys.stdin:
            driver.command.emit(line)
        driver.command.emit(json.dumps({"do": "quit"}))

    threading.Thread(target=read, daemon=True).start()
    application.exec()


if __name__ == "__main__":
    main()
