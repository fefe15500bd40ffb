// SPDX-License-Identifier: MIT
// The window as a student sees and uses it: start state, layout, colours, buttons, keyboard.
#include "form_access.hpp"

#include "expected/rejections.hpp"
#include "expected/sample.hpp"
#include "expected/window_pixels.hpp"
#include "worksheet/constants.hpp"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QtDBus>
#include <QtTest>

namespace cipher {

using testing::Click;
using testing::Control;
using testing::Field;
using testing::Rows;
using testing::toQStringList;

// A stand-in for the desktop portal's settings, which asks for higher contrast.
class Portal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public slots:
    QDBusVariant ReadOne(const QString& nameSpace, const QString& key) {
        return QDBusVariant(nameSpace + u' ' + key == u"org.freedesktop.appearance contrast" ? 1U
                                                                                             : 0U);
    }
};

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheSampleInputAndTheDescription();
    void hasTheTitleFixedSizeAndFont();
    void placesEveryControl_data();
    void placesEveryControl();
    void paintsTheColours_data();
    void paintsTheColours();
    void captionsReadInEveryColourScheme_data();
    void captionsReadInEveryColourScheme();
    void startsWithTheFocusOnThePaneAndTabsInOrder();
    void encryptShowsMatricesHeadersAndCiphertext();
    void rejectionShowsItsMessageAndKeepsThePreviousResult_data();
    void rejectionShowsItsMessageAndKeepsThePreviousResult();
    void clearEmptiesFieldsAndListsButKeepsTheMessage();
};

void MainFormTest::startsWithTheSampleInputAndTheDescription() {
    MainForm form;
    QCOMPARE(Field(form, 0)->text(), toQString(kSamplePlaintext));
    QCOMPARE(Field(form, 1)->text(), toQString(kSampleKey));
    QVERIFY(Field(form, 2)->text().isEmpty());
    QVERIFY(Field(form, 2)->isReadOnly());
    QCOMPARE(Control<QLabel>(form, "Label1(3)")->text(), toQString(kInitialPlainHeader));
    QCOMPARE(Control<QLabel>(form, "Label1(4)")->text(), toQString(kInitialCipherHeader));
    QVERIFY(Rows(form, 0).isEmpty());
    QVERIFY(Rows(form, 1).isEmpty());

    auto* pane = Control<QPlainTextEdit>(form, "Text1(0)");
    QVERIFY(pane->isReadOnly());
    QCOMPARE(pane->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The worksheet's five paragraphs, each on a line of its own.
    const QStringList paragraphs = pane->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(paragraphs, toQString(form.worksheet().Text1[0].text()).split(QStringLiteral("\r\n")));
    QCOMPARE(paragraphs.size(), 6);
    QVERIFY(paragraphs[5].isEmpty());
}

void MainFormTest::hasTheTitleFixedSizeAndFont() {
    MainForm form;
    QVERIFY(form.windowTitle().endsWith(QStringLiteral(" Информатика - matrix transpose cipher")));
    QVERIFY(form.windowTitle().startsWith(QStringLiteral("matrix-cipher.github.io")));
    const QSize client(expected::kClientWidth, expected::kClientHeight);
    QCOMPARE(form.minimumSize(), client);
    QCOMPARE(form.maximumSize(), client);
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));

    for (QWidget* widget : form.findChildren<QWidget*>()) {
        QCOMPARE(widget->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(widget->font().pointSize(), 12);
        QCOMPARE(widget->font().weight(), QFont::Normal);
    }
    // Liberation Serif has the metrics of Times New Roman; fontconfig stands it in on Linux.
    const QString shown = QFontInfo(form.font()).family();
    QVERIFY2(shown == QStringLiteral("Times New Roman") ||
                 shown == QStringLiteral("Liberation Serif"),
             qPrintable(shown));
}

void MainFormTest::placesEveryControl_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    for (const expected::PixelBounds& control : expected::kShownControls) {
        const QString name =
            QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
        QTest::newRow(qPrintable(name))
            << name << QRect(control.left, control.top, control.width, control.height);
    }
}

void MainFormTest::placesEveryControl() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    MainForm form;
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(widget->parentWidget(), &form);
}

void MainFormTest::paintsTheColours_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("window background") << QPoint(3, 200) << QColor(192, 192, 255);
    QTest::newRow("label, below its text") << QPoint(130, 288) << QColor(255, 192, 128);
    QTest::newRow("header label") << QPoint(230, 120 - 3) << QColor(255, 192, 128);
    QTest::newRow("encode button") << QPoint(10, 130) << QColor(0, 255, 0);
    QTest::newRow("clear button") << QPoint(386, 218) << QColor(255, 0, 0);
    QTest::newRow("clear button, lower right") << QPoint(469, 238) << QColor(255, 0, 0);
}

void MainFormTest::paintsTheColours() {
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    MainForm form;
    const QImage image = form.grab().toImage();
    QCOMPARE(image.size(), QSize(481, 424));
    QCOMPARE(image.pixelColor(at), colour);
}

void MainFormTest::captionsReadInEveryColourScheme_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("highContrast");
    const QPalette dark(QColor(40, 40, 40), QColor(40, 40, 40));
    QTest::newRow("light palette") << QApplication::palette() << false;
    QTest::newRow("dark palette") << dark << false;
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) { // dbus-run-session's
        QTest::newRow("high contrast from the desktop's portal") << dark << true;
    }
}

// Every label's and button's text reads on the desktop's palette, light or dark; with high
// contrast from a portal on a session bus of the test's own, Кодирай takes the palette's button
// face and the labels its window colour, a palette that changes included, until the portal
// says that the student switched high contrast off.
void MainFormTest::captionsReadInEveryColourScheme() {
    QFETCH(QPalette, palette);
    QFETCH(bool, highContrast);
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
    QDBusConnection bus = highContrast ? QDBusConnection::sessionBus() : QDBusConnection(QString());
    Portal portal;
    QVERIFY(!highContrast ||
            (bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")) &&
             bus.registerObject(path, &portal, QDBusConnection::ExportAllSlots)));
    const auto restore =
        qScopeGuard([light = QApplication::palette()] { QApplication::setPalette(light); });
    QApplication::setPalette(palette);
    MainForm form;
    const auto at = [&form](int x, int y) { return form.grab().toImage().pixelColor(x, y); };
    QTRY_COMPARE(at(10, 130), highContrast ? palette.color(QPalette::Button) : QColor(0, 255, 0));
    const QImage image = form.grab().toImage();
    for (const layout::Control& control : layout::controls()) {
        if (control.kind == layout::Kind::Label || control.kind == layout::Kind::Button) {
            const QRect box = Control<QWidget>(form, layout::nameOf(control).c_str())->geometry();
            QVERIFY2(expected::ShowsReadableText(
                         box.width(), box.height(),
                         [&](int x, int y) {
                             const QColor pixel = image.pixelColor(box.topLeft() + QPoint(x, y));
                             return std::array{pixel.red(), pixel.green(), pixel.blue()};
                         }),
                     layout::nameOf(control).c_str());
        }
    }
    // A palette the desktop changes under the open window: in high contrast a label takes it.
    QApplication::setPalette(highContrast ? QPalette(Qt::blue, Qt::blue) : palette);
    QTRY_COMPARE(at(130, 288), highContrast ? QColor(Qt::blue) : QColor(255, 192, 128));
    QDBusMessage off = QDBusMessage::createSignal(
        path, QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("SettingChanged"));
    off << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("contrast")
        << QVariant::fromValue(QDBusVariant(0U));
    QVERIFY(!highContrast || bus.send(off));
    QTRY_COMPARE(at(10, 130), QColor(0, 255, 0));
}

void MainFormTest::startsWithTheFocusOnThePaneAndTabsInOrder() {
    MainForm form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1(0)"));

    const QStringList expected = {"Text2(0)",    "Text2(1)",    "List1(0)", "List1(1)",
                                  "Command1(0)", "Command1(1)", "Text2(2)", "Text1(0)"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void MainFormTest::encryptShowsMatricesHeadersAndCiphertext() {
    MainForm form;
    Click(form, "Command1(0)");
    QCOMPARE(Rows(form, 0), toQStringList(expected::kSampleInitialMatrix));
    QCOMPARE(Rows(form, 1), toQStringList(expected::kSampleFinalMatrix));
    QCOMPARE(Control<QLabel>(form, "Label1(3)")->text(), toQString(kSampleKey));
    QCOMPARE(Control<QLabel>(form, "Label1(4)")->text(), toQString(expected::kSortedSampleKey));
    QCOMPARE(Field(form, 2)->text(), toQString(expected::kSampleCiphertext));
    QCOMPARE(Control<QPlainTextEdit>(form, "Text1(0)")->toPlainText(),
             toQString(kMessageEncryptionComplete));
}

void MainFormTest::rejectionShowsItsMessageAndKeepsThePreviousResult_data() {
    QTest::addColumn<QString>("plaintext");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("message");
    for (const expected::RejectionCase& rejection : expected::kRejections) {
        QTest::newRow(rejection.name) << toQString(rejection.plaintext) << toQString(rejection.key)
                                      << toQString(rejection.message);
    }
}

void MainFormTest::rejectionShowsItsMessageAndKeepsThePreviousResult() {
    QFETCH(QString, plaintext);
    QFETCH(QString, key);
    QFETCH(QString, message);
    MainForm form;
    Click(form, "Command1(0)");
    const QString ciphertext = Field(form, 2)->text();

    Field(form, 0)->setText(plaintext);
    Field(form, 1)->setText(key);
    Click(form, "Command1(0)");
    QCOMPARE(Control<QPlainTextEdit>(form, "Text1(0)")->toPlainText(), message);
    QVERIFY(Rows(form, 0).isEmpty());
    QVERIFY(Rows(form, 1).isEmpty());
    QCOMPARE(Field(form, 2)->text(), ciphertext);
    QCOMPARE(Control<QLabel>(form, "Label1(3)")->text(), toQString(kSampleKey));
    QCOMPARE(Control<QLabel>(form, "Label1(4)")->text(), toQString(expected::kSortedSampleKey));
}

void MainFormTest::clearEmptiesFieldsAndListsButKeepsTheMessage() {
    MainForm form;
    Click(form, "Command1(0)");
    Click(form, "Command1(1)");
    for (int i = 0; i <= 2; ++i) {
        QVERIFY2(Field(form, i)->text().isEmpty(), qPrintable(QString::number(i)));
    }
    QVERIFY(Rows(form, 0).isEmpty());
    QVERIFY(Rows(form, 1).isEmpty());
    QCOMPARE(Control<QPlainTextEdit>(form, "Text1(0)")->toPlainText(),
             toQString(kMessageEncryptionComplete));
    QCOMPARE(Control<QLabel>(form, "Label1(4)")->text(), toQString(expected::kSortedSampleKey));
    QVERIFY(form.worksheet().Text2[0].text().empty());

    Click(form, "Command1(0)");
    QCOMPARE(Control<QPlainTextEdit>(form, "Text1(0)")->toPlainText(), toQString(kMessageTooShort));
}

} // namespace cipher

QTEST_MAIN(cipher::MainFormTest)
#include "main_form_test.moc"
