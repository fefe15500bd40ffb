// SPDX-License-Identifier: MIT
// A long lesson on one window: thousands of clicks on both buttons with changing input must
// leave the heap where it was once the window has warmed up.
#include "form_access.hpp"

#include <QtTest>

#include <malloc.h>

#include <array>

namespace cipher {

using testing::Click;
using testing::Field;

namespace {

struct Input {
    const char* plaintext;
    const char* key;
};

// Accepted and rejected inputs, long and short, so every path of the commands runs.
constexpr std::array kInputs{
    Input{"матричен транспозиционен шифър1", "пчела"},
    Input{"Hello, world! 😀 Привет", "ключ"},
    Input{"аб", "абв"},
    Input{"открит текст", "аАа"},
    Input{
        "абвгдежзийклмнопрстуфхцчшщъьюяабвгдежзийклмнопрстуфхцчшщъьюяабвгдежзийклмнопрстуфхцчшщъьюя"
        "абвгдежзий",
        "йизжедгвба"},
    Input{"     ", "   "},
};

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void Clicks(MainForm& form, int count) {
    for (int i = 0; i < count; ++i) {
        const Input& input = kInputs[static_cast<std::size_t>(i) % kInputs.size()];
        Field(form, 0)->setText(QString::fromUtf8(input.plaintext));
        Field(form, 1)->setText(QString::fromUtf8(input.key));
        Click(form, i % 4 == 3 ? "Command1(1)" : "Command1(0)");
        // Between two clicks of a student the event loop runs and delivers what the click
        // posted (scroll bar ranges, repaints); without it those events would pile up.
        QCoreApplication::processEvents();
    }
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void tenThousandClicksLeaveTheHeapAsItWas();
};

void SoakTest::tenThousandClicksLeaveTheHeapAsItWas() {
    if (HeapInUse() == 0) {
        QSKIP("this allocator does not report its heap through mallinfo2");
    }
    MainForm form;
    Clicks(form, 1000); // caches of fonts, glyphs and styles fill up here
    const std::size_t before = HeapInUse();
    Clicks(form, 10000);
    const std::size_t after = HeapInUse();
    // A leak of one small string per click would add well over 100 KiB.
    constexpr std::size_t kTolerance = std::size_t{32} * 1024;
    QVERIFY2(after <= before + kTolerance,
             qPrintable(QStringLiteral("heap grew from %1 to %2 bytes").arg(before).arg(after)));
}

} // namespace cipher

QTEST_MAIN(cipher::SoakTest)
#include "soak_test.moc"
