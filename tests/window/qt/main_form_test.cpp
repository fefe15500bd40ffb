// SPDX-License-Identifier: MIT
// The window as a student sees and uses it: start state, layout, colours, buttons, keyboard.
#include "form_access.hpp"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QtTest>

namespace cipher {

using testing::Click;
using testing::Control;
using testing::Field;
using testing::Rows;

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheSampleInputAndTheDescription();
    void hasTheTitleFixedSizeAndFont();
    void placesEveryControl_data();
    void placesEveryControl();
    void paintsTheColours_data();
    void paintsTheColours();
    void startsWithTheFocusOnThePaneAndTabsInOrder();
    void encryptShowsMatricesHeadersAndCiphertext();
    void rejectionShowsItsMessageAndKeepsThePreviousResult_data();
    void rejectionShowsItsMessageAndKeepsThePreviousResult();
    void clearEmptiesFieldsAndListsButKeepsTheMessage();
    void controlsHaveBulgarianAccessibleNames_data();
    void controlsHaveBulgarianAccessibleNames();
    void headersAreReadWithTheirNewCaptions();
};

void MainFormTest::startsWithTheSampleInputAndTheDescription() {
    MainForm form;
    QCOMPARE(Field(form, 0)->text(), QStringLiteral("матричен транспозиционен шифър1"));
    QCOMPARE(Field(form, 1)->text(), QStringLiteral("пчела"));
    QVERIFY(Field(form, 2)->text().isEmpty());
    QVERIFY(Field(form, 2)->isReadOnly());
    QCOMPARE(Control<QLabel>(form, "Label1(3)")->text(), QStringLiteral("Открит"));
    QCOMPARE(Control<QLabel>(form, "Label1(4)")->text(), QStringLiteral("Криптиран"));
    QVERIFY(Rows(form, 0).isEmpty());
    QVERIFY(Rows(form, 1).isEmpty());

    auto* pane = Control<QPlainTextEdit>(form, "Text1(0)");
    QVERIFY(pane->isReadOnly());
    QCOMPARE(pane->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QStringList paragraphs = pane->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(paragraphs.size(), 6); // five paragraphs, each ended by a line break
    QVERIFY(paragraphs[0].startsWith(QStringLiteral(
        "Чрез матричния транспозиционен шифър (matrix transpose cipher) се извършва")));
    QVERIFY(paragraphs[0].contains(QStringLiteral("elegant man")));
    QVERIFY(paragraphs[0].contains(QStringLiteral("gentleman")));
    QCOMPARE(paragraphs[1], QStringLiteral("Да се реализира проект, представящ вътрешнопредметни "
                                           "връзки в Информатика."));
    QCOMPARE(paragraphs[2],
             QStringLiteral("Тема на проекта: Информатика - матричен транспозиционен шифър."));
    QCOMPARE(paragraphs[4], QStringLiteral("В примерния проект се извежда началната, крайната "
                                           "матрица и окончателния криптиран текст по алгоритъма "
                                           "на транспозиционния шифър"));
    QVERIFY(paragraphs[5].isEmpty());
}

void MainFormTest::hasTheTitleFixedSizeAndFont() {
    MainForm form;
    QVERIFY(form.windowTitle().endsWith(QStringLiteral(" Информатика - matrix transpose cipher")));
    QVERIFY(form.windowTitle().startsWith(QStringLiteral("matrix-cipher.github.io")));
    QCOMPARE(form.minimumSize(), QSize(481, 424));
    QCOMPARE(form.maximumSize(), QSize(481, 424));
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
    // Twips divided by 15, worked out by hand.
    QTest::newRow("title label") << "Label1(0)" << QRect(40, 0, 377, 25);
    QTest::newRow("plaintext label") << "Label1(1)" << QRect(8, 32, 129, 27);
    QTest::newRow("plaintext") << "Text2(0)" << QRect(136, 32, 337, 27);
    QTest::newRow("key label") << "Label1(2)" << QRect(8, 64, 169, 27);
    QTest::newRow("key") << "Text2(1)" << QRect(176, 64, 113, 27);
    QTest::newRow("plain header") << "Label1(3)" << QRect(120, 96, 113, 27);
    QTest::newRow("cipher header") << "Label1(4)" << QRect(248, 96, 113, 27);
    QTest::newRow("initial matrix") << "List1(0)" << QRect(120, 120, 113, 137);
    QTest::newRow("final matrix") << "List1(1)" << QRect(248, 120, 113, 137);
    QTest::newRow("encode") << "Command1(0)" << QRect(8, 128, 89, 25);
    QTest::newRow("clear") << "Command1(1)" << QRect(384, 216, 89, 25);
    QTest::newRow("ciphertext label") << "Label1(5)" << QRect(8, 264, 129, 27);
    QTest::newRow("ciphertext") << "Text2(2)" << QRect(136, 264, 337, 27);
    QTest::newRow("message pane") << "Text1(0)" << QRect(8, 296, 465, 121);
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

void MainFormTest::startsWithTheFocusOnThePaneAndTabsInOrder() {
    MainForm form;
    form.show();
    QApplication::setActiveWindow(&form);
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
    QCOMPARE(Rows(form, 0),
             QStringList({"матри", "чен т", "рансп", "озици", "онен ", "шифър", "1ABCD"}));
    QCOMPARE(Rows(form, 1),
             QStringList({"итрма", "тн че", "пнсра", "иицоз", " енон", "рфъши", "DBC1A"}));
    QCOMPARE(Control<QLabel>(form, "Label1(3)")->text(), QStringLiteral("пчела"));
    QCOMPARE(Control<QLabel>(form, "Label1(4)")->text(), QStringLiteral("аелпч"));
    QCOMPARE(Field(form, 2)->text(), QStringLiteral("итрматн чепнсраиицоз енонрфъшиDBC1A"));
    QCOMPARE(Control<QPlainTextEdit>(form, "Text1(0)")->toPlainText(),
             QStringLiteral("Криптирането е завършено!"));
}

void MainFormTest::rejectionShowsItsMessageAndKeepsThePreviousResult_data() {
    QTest::addColumn<QString>("plaintext");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("message");
    QTest::newRow("plaintext shorter than key")
        << "аб"
        << "абв"
        << "Въведеният открит текст е с по-малка дължина от ключа!";
    QTest::newRow("key too short")
        << "открит текст"
        << "аб"
        << "Въведеният открит текст/криптографски ключ е с малка дължина!";
    QTest::newRow("repeated key letter") << "открит текст"
                                         << "аАа"
                                         << "В криптографксия ключ има повтарящи се символи!";
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
    QCOMPARE(Control<QLabel>(form, "Label1(3)")->text(), QStringLiteral("пчела"));
    QCOMPARE(Control<QLabel>(form, "Label1(4)")->text(), QStringLiteral("аелпч"));
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
             QStringLiteral("Криптирането е завършено!"));
    QCOMPARE(Control<QLabel>(form, "Label1(4)")->text(), QStringLiteral("аелпч"));
    QVERIFY(form.worksheet().Text2[0].text().empty());

    Click(form, "Command1(0)");
    QCOMPARE(Control<QPlainTextEdit>(form, "Text1(0)")->toPlainText(),
             QStringLiteral("Въведеният открит текст/криптографски ключ е с малка дължина!"));
}

void MainFormTest::controlsHaveBulgarianAccessibleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("plaintext") << "Text2(0)"
                               << "Открит текст" << QAccessible::EditableText;
    QTest::newRow("key") << "Text2(1)"
                         << "Криптографски ключ" << QAccessible::EditableText;
    QTest::newRow("ciphertext") << "Text2(2)"
                                << "Криптиран текст" << QAccessible::EditableText;
    QTest::newRow("initial matrix") << "List1(0)"
                                    << "Начална матрица" << QAccessible::List;
    QTest::newRow("final matrix") << "List1(1)"
                                  << "Крайна матрица" << QAccessible::List;
    QTest::newRow("message pane") << "Text1(0)"
                                  << "Съобщение" << QAccessible::EditableText;
    QTest::newRow("plain header") << "Label1(3)"
                                  << "Открит" << QAccessible::StaticText;
    QTest::newRow("encode") << "Command1(0)"
                            << "Кодирай" << QAccessible::Button;
    QTest::newRow("clear") << "Command1(1)"
                           << "Чисти" << QAccessible::Button;
}

void MainFormTest::controlsHaveBulgarianAccessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    QFETCH(QAccessible::Role, role);
    MainForm form;
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(name));
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
    QCOMPARE(accessible->role(), role);
}

// A screen reader reads a header by its accessible name: after a click it must be the new key.
void MainFormTest::headersAreReadWithTheirNewCaptions() {
    MainForm form;
    Click(form, "Command1(0)");
    const auto spoken = [&form](const char* name) {
        return QAccessible::queryAccessibleInterface(Control<QLabel>(form, name))
            ->text(QAccessible::Name);
    };
    QCOMPARE(spoken("Label1(3)"), QStringLiteral("пчела"));
    QCOMPARE(spoken("Label1(4)"), QStringLiteral("аелпч"));
}

} // namespace cipher

QTEST_MAIN(cipher::MainFormTest)
#include "main_form_test.moc"
