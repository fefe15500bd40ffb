// SPDX-License-Identifier: MIT
// Typing and pasting into the plaintext and key fields: limits in characters, whole characters,
// one line, composed letters; the worksheet always holds what the field shows.
#include "form_access.hpp"

#include "expected/field_cases.hpp"
#include "user_input.hpp"
#include "window/qt/text.hpp"

#include <QtTest>

namespace cipher {

using testing::Field;

using testing::Characters;
using testing::Paste;
using testing::Type;

class FieldInputTest : public QObject {
    Q_OBJECT

private slots:
    void typingStopsAtTheLimit_data();
    void typingStopsAtTheLimit();
    void pastingKeepsWholeCharactersWithinTheLimit_data();
    void pastingKeepsWholeCharactersWithinTheLimit();
    void pastesKeepWhatEveryFrontEndKeeps_data();
    void pastesKeepWhatEveryFrontEndKeeps();
    void pastedInTheMiddleKeepsBothEnds();
    void readOnlyCiphertextHoldsTheWholeResult();
};

void FieldInputTest::typingStopsAtTheLimit_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    for (const expected::TypedCase& typing : expected::kTypedCases) {
        QTest::newRow(typing.name) << static_cast<int>(typing.field) << toQString(typing.start)
                                   << toQString(typing.typed) << toQString(typing.kept);
    }
    // A whole field of emoji, one character each.
    QTest::newRow("emoji count one each") << 1 << ""
                                          << "😀😁😂😃😄😅😆😇😈😉😊"
                                          << "😀😁😂😃😄😅😆😇😈😉";
}

void FieldInputTest::typingStopsAtTheLimit() {
    QFETCH(int, field);
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    MainForm form;
    QLineEdit* edit = Field(form, field);
    edit->setText(start);
    edit->end(false);
    Type(edit, typed);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(toQString(form.worksheet().Text2[static_cast<std::size_t>(field)].text()), kept);
}

void FieldInputTest::pastingKeepsWholeCharactersWithinTheLimit_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::newRow("emoji never cut in half") << "абвгдежз"
                                             << "😀😁😂"
                                             << "абвгдежз😀😁";
    QTest::newRow("flag left out whole") << "абвгдежзи"
                                         << "🇧🇬"
                                         << "абвгдежзи";
    QTest::newRow("decomposed short i is one letter") << "абвгдежзи"
                                                      << "и\u0306"
                                                      << "абвгдежзий";
    QTest::newRow("decomposed short i composed") << ""
                                                 << "и\u0306и\u0306"
                                                 << "йй";
    QTest::newRow("tab and controls") << ""
                                      << "а\tб\u0007в"
                                      << "а бв";
}

void FieldInputTest::pastingKeepsWholeCharactersWithinTheLimit() {
    QFETCH(QString, start);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    MainForm form;
    QLineEdit* key = Field(form, 1);
    key->setText(start);
    key->end(false);
    Paste(key, pasted);
    QCOMPARE(key->text(), kept);
    QVERIFY(Characters(key->text()) <= 10);
    QCOMPARE(toQString(form.worksheet().Text2[1].text()), kept);
}

void FieldInputTest::pastesKeepWhatEveryFrontEndKeeps_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    for (const expected::FieldCase& paste : expected::kFieldCases) {
        QTest::newRow(paste.name) << static_cast<int>(paste.field) << toQString(paste.start)
                                  << toQString(paste.pasted) << toQString(paste.kept);
    }
}

void FieldInputTest::pastesKeepWhatEveryFrontEndKeeps() {
    QFETCH(int, field);
    QFETCH(QString, start);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    MainForm form;
    QLineEdit* edit = Field(form, field);
    edit->setText(start);
    edit->end(false);
    Paste(edit, pasted);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(toQString(form.worksheet().Text2[static_cast<std::size_t>(field)].text()), kept);
    // One Ctrl+Z takes the whole paste back, and the worksheet follows, as after any edit.
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), start);
    QCOMPARE(toQString(form.worksheet().Text2[static_cast<std::size_t>(field)].text()), start);
}

void FieldInputTest::pastedInTheMiddleKeepsBothEnds() {
    MainForm form;
    QLineEdit* key = Field(form, 1);
    key->setText(QStringLiteral("абвгдежз"));
    key->setCursorPosition(2);
    Paste(key, QStringLiteral("123"));
    QCOMPARE(key->text(), QStringLiteral("аб12вгдежз"));
    QCOMPARE(key->cursorPosition(), 4);
}

void FieldInputTest::readOnlyCiphertextHoldsTheWholeResult() {
    MainForm form;
    Field(form, 0)->setText(QString(100, QChar(u'ш')));
    Field(form, 1)->setText(QStringLiteral("абвгдеж"));
    QTest::mouseClick(testing::Control<QPushButton>(form, "Command1(0)"), Qt::LeftButton);
    QCOMPARE(Characters(Field(form, 2)->text()), 105);
    QVERIFY(Field(form, 2)->text().endsWith(QStringLiteral("шшABCDE")));

    Type(Field(form, 2), QStringLiteral("x"));
    QCOMPARE(Characters(Field(form, 2)->text()), 105);
}

} // namespace cipher

QTEST_MAIN(cipher::FieldInputTest)
#include "field_input_test.moc"
