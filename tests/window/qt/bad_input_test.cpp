// SPDX-License-Identifier: MIT
// A catalogue of what a student can type or paste, walked through the window: each input ends in
// one of the program's messages, with a correct matrix or a clean rejection, and no character
// is cut, lost or invented on the way.
#include "form_access.hpp"
#include "user_input.hpp"
#include "window/qt/text.hpp"
#include "worksheet/constants.hpp"

#include <QtTest>

#include <algorithm>

namespace cipher {

using testing::Click;
using testing::Control;
using testing::Field;
using testing::PasteOver;
using testing::Rows;

namespace {

const QString kShorter = toQString(kMessagePlaintextShorterThanKey);
const QString kTooShort = toQString(kMessageTooShort);
const QString kRepeated = toQString(kMessageRepeatedKeyLetters);
const QString kComplete = toQString(kMessageEncryptionComplete);

QString Fillers(qsizetype count) {
    QString fillers;
    for (qsizetype i = 0; i < count; ++i) {
        fillers += QChar(static_cast<char16_t>(u'A' + i));
    }
    return fillers;
}

std::u32string Sorted(const QString& text) {
    std::u32string characters = text.toStdU32String();
    std::sort(characters.begin(), characters.end());
    return characters;
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT

private slots:
    void endsInAMessageAndAWholeResult_data();
    void endsInAMessageAndAWholeResult();
};

void BadInputTest::endsInAMessageAndAWholeResult_data() {
    QTest::addColumn<QString>("plaintext"); // pasted into the plaintext field
    QTest::addColumn<QString>("key");       // pasted into the key field
    QTest::addColumn<QString>("keptPlaintext");
    QTest::addColumn<QString>("keptKey");
    QTest::addColumn<QString>("message");

    const QString hundred(100, QChar(u'ж'));
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "" << kTooShort;
    QTest::newRow("one character") << "а"
                                   << "абв"
                                   << "а"
                                   << "абв" << kShorter;
    QTest::newRow("four characters") << "абвг"
                                     << "абв"
                                     << "абвг"
                                     << "абв" << kTooShort;
    QTest::newRow("five characters") << "абвгд"
                                     << "абв"
                                     << "абвгд"
                                     << "абв" << kComplete;
    QTest::newRow("key of two") << "открит текст"
                                << "аб"
                                << "открит текст"
                                << "аб" << kTooShort;
    QTest::newRow("key at its limit") << "открит текст"
                                      << "абвгдежзий"
                                      << "открит текст"
                                      << "абвгдежзий" << kComplete;
    QTest::newRow("key one over its limit") << "открит текст"
                                            << "абвгдежзийк"
                                            << "открит текст"
                                            << "абвгдежзий" << kComplete;
    QTest::newRow("plaintext at its limit") << hundred << "абв" << hundred << "абв" << kComplete;
    QTest::newRow("plaintext one over its limit") << hundred + "я"
                                                  << "абвгдеж" << hundred << "абвгдеж" << kComplete;
    QTest::newRow("only spaces") << "     "
                                 << "абв"
                                 << "     "
                                 << "абв" << kComplete;
    QTest::newRow("key of spaces") << "открит текст"
                                   << "   "
                                   << "открит текст"
                                   << "   " << kRepeated;
    QTest::newRow("digits") << "1234567890"
                            << "321"
                            << "1234567890"
                            << "321" << kComplete;
    QTest::newRow("mixed scripts") << "Hello Свят αβγ"
                                   << "кeyλ"
                                   << "Hello Свят αβγ"
                                   << "кeyλ" << kComplete;
    QTest::newRow("right-to-left letters") << "שלום עולם مرحبا"
                                           << "אבג"
                                           << "שלום עולם مرحبا"
                                           << "אבג" << kComplete;
    QTest::newRow("emoji and flags") << "🇧🇬😀👍🏽x"
                                     << "абв"
                                     << "🇧🇬😀👍🏽x"
                                     << "абв" << kComplete;
    QTest::newRow("emoji key") << "открит текст"
                               << "😀😁😂"
                               << "открит текст"
                               << "😀😁😂" << kComplete;
    QTest::newRow("repeated emoji in key") << "открит текст"
                                           << "😀а😀"
                                           << "открит текст"
                                           << "😀а😀" << kRepeated;
    QTest::newRow("combining marks") << "е\u0301е\u0301е\u0301"
                                     << "абв"
                                     << "е\u0301е\u0301е\u0301"
                                     << "абв" << kComplete;
    QTest::newRow("decomposed short i") << "и\u0306и\u0306и\u0306ка"
                                        << "и\u0306бв"
                                        << "йййка"
                                        << "йбв" << kComplete;
    QTest::newRow("zero-width joiner") << "👩\u200D💻 кодира"
                                       << "абв"
                                       << "👩\u200D💻 кодира"
                                       << "абв" << kComplete;
    QTest::newRow("byte-order mark") << "\uFEFFоткрит"
                                     << "абв"
                                     << "\uFEFFоткрит"
                                     << "абв" << kComplete;
    QTest::newRow("tabs") << "а\tб\tв\tг"
                          << "абв"
                          << "а б в г"
                          << "абв" << kComplete;
    QTest::newRow("line breaks") << "ред1\r\nред2\n"
                                 << "абв"
                                 << "ред1 ред2 "
                                 << "абв" << kComplete;
    QTest::newRow("control characters") << QStringLiteral("а\u0001б\u001Bвгд") << "аб\u0007в"
                                        << "абвгд"
                                        << "абв" << kComplete;
    QTest::newRow("letters differing in case or accent") << "открит текст"
                                                         << "éeE"
                                                         << "открит текст"
                                                         << "éeE" << kComplete;
}

void BadInputTest::endsInAMessageAndAWholeResult() {
    QFETCH(QString, plaintext);
    QFETCH(QString, key);
    QFETCH(QString, keptPlaintext);
    QFETCH(QString, keptKey);
    QFETCH(QString, message);

    MainForm form;
    PasteOver(Field(form, 0), plaintext);
    PasteOver(Field(form, 1), key);
    QCOMPARE(Field(form, 0)->text(), keptPlaintext);
    QCOMPARE(Field(form, 1)->text(), keptKey);
    QCOMPARE(toQString(form.worksheet().Text2[0].text()), keptPlaintext);
    QCOMPARE(toQString(form.worksheet().Text2[1].text()), keptKey);

    Click(form, "Command1(0)");
    QCOMPARE(Control<QPlainTextEdit>(form, "Text1(0)")->toPlainText(), message);
    if (message != kComplete) {
        QVERIFY(Rows(form, 0).isEmpty());
        QVERIFY(Rows(form, 1).isEmpty());
        QVERIFY(Field(form, 2)->text().isEmpty());
        return;
    }

    // The initial rows are the kept plaintext and its fillers, cut at the key length.
    const qsizetype keyLength = testing::Characters(keptKey);
    const qsizetype length = testing::Characters(keptPlaintext);
    const QString padded = keptPlaintext + Fillers((keyLength - length % keyLength) % keyLength);
    const QStringList initial = Rows(form, 0);
    QCOMPARE(initial.join(QString()), padded);
    for (const QString& row : initial) {
        QCOMPARE(testing::Characters(row), keyLength);
    }
    // The final rows hold the same characters, and the ciphertext is them, read row by row.
    const QStringList final = Rows(form, 1);
    QCOMPARE(final.size(), initial.size());
    for (qsizetype i = 0; i < final.size(); ++i) {
        QCOMPARE(Sorted(final[i]), Sorted(initial[i]));
    }
    QCOMPARE(Field(form, 2)->text(), final.join(QString()));
    QCOMPARE(Sorted(Field(form, 2)->text()), Sorted(padded));
}

} // namespace cipher

QTEST_MAIN(cipher::BadInputTest)
#include "bad_input_test.moc"
