// SPDX-License-Identifier: MIT
// The fuzz target of the window: the same sessions as the worksheet's fuzz target (see
// fuzz_input.hpp), played on a MainForm on Qt's offscreen platform. Texts are pasted over a
// field or typed at its end, one key event a character, so the field rules meet every input;
// the buttons are clicked. After every action the fields must hold what a field may hold, the
// worksheet what the window shows, and every click the result the worksheet's checks demand.
#include "form_access.hpp"
#include "fuzz_input.hpp"
#include "session_checks.hpp"
#include "user_input.hpp"
#include "window/qt/main_form.hpp"
#include "window/qt/text.hpp"
#include "worksheet/commands.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace cipher::fuzz {
namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "window check failed: %s\n", what);
        std::abort();
    }
}

using testing::Control;
using testing::Field;

bool IsLineBreakOrControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// What a single-line input field may hold, and that the worksheet holds the same.
void CheckFields(const MainForm& form) {
    constexpr std::array limits{kPlaintextMaxLength, kKeyMaxLength};
    for (std::size_t i = 0; i < 2; ++i) {
        const QString shown = Field(form, static_cast<int>(i))->text();
        const Text text = toText(shown);
        Require(text.size() <= limits[i], "a field holds more characters than its limit");
        for (char32_t c : text) {
            Require(!IsLineBreakOrControl(c), "a field holds a line break or control character");
        }
        Require(shown == shown.normalized(QString::NormalizationForm_C),
                "a field holds text that is not in normalisation form C");
        Require(form.worksheet().Text2[i].text() == text,
                "the worksheet's field differs from the window's");
    }
}

// The window shows what the worksheet holds.
void CheckShown(const MainForm& form) {
    const Worksheet& sheet = form.worksheet();
    Require(toText(Field(form, 2)->text()) == sheet.Text2[2].text(), "ciphertext shown");
    QString pane = toQString(sheet.Text1[0].text());
    pane.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Require(Control<QPlainTextEdit>(form, "Text1(0)")->toPlainText() == pane, "message shown");
    Require(toText(Control<QLabel>(form, "Label1(3)")->text()) == sheet.Label1[3].caption(),
            "plain header shown");
    Require(toText(Control<QLabel>(form, "Label1(4)")->text()) == sheet.Label1[4].caption(),
            "cipher header shown");
    constexpr std::array lists{"List1(0)", "List1(1)"};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto* view = Control<QListWidget>(form, lists[i]);
        Require(static_cast<std::size_t>(view->count()) == sheet.List1[i].count(), "rows shown");
        for (int row = 0; row < view->count(); ++row) {
            Require(toText(view->item(row)->text()) ==
                        sheet.List1[i].item(static_cast<std::size_t>(row)),
                    "row shown");
        }
    }
}

void Enter(const MainForm& form, std::size_t field, const Text& text) {
    // Odd lengths are typed, even ones pasted: both ways in through the same inputs.
    QLineEdit* edit = Field(form, static_cast<int>(field));
    if (text.size() % 2 == 1) {
        edit->end(false);
        testing::Type(edit, toQString(text));
    } else {
        testing::PasteOver(edit, toQString(text));
    }
    CheckFields(form);
}

void Click(MainForm& form, std::int16_t index) {
    const Snapshot before(form.worksheet());
    constexpr std::array buttons{"Command1(0)", "Command1(1)"};
    Control<QPushButton>(form, buttons.at(static_cast<std::size_t>(index)))->click();
    if (index == kEncryptButton) {
        CheckEncrypted(before, form.worksheet());
    } else {
        CheckCleared(before, form.worksheet());
    }
    CheckFields(form);
    CheckShown(form);
}

} // namespace
} // namespace cipher::fuzz

namespace {

// One application for the whole run, made before the first window, on the offscreen platform
// unless another one is asked for. It lives until the process ends: Qt cannot be torn down
// from an exit handler, so its fonts stay with it (window_leaks.supp).
void EnsureApplication() {
    static int argc = 1;
    static std::string name = "window_fuzzer";
    static std::array<char*, 2> argv{name.data(), nullptr};
    static QApplication* application = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return new QApplication(argc, argv.data());
    }();
    (void)application;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cipher::fuzz;
    EnsureApplication();
    cipher::MainForm form;
    SessionReader session({data, size});
    while (!session.atEnd()) {
        switch (session.nextAction()) {
        case Action::TypePlaintext:
            Enter(form, 0, session.nextText());
            break;
        case Action::TypeKey:
            Enter(form, 1, session.nextText());
            break;
        case Action::ClickEncrypt:
            Click(form, cipher::kEncryptButton);
            break;
        case Action::ClickClear:
            Click(form, cipher::kClearButton);
            break;
        case Action::ClickIndex:
            (void)session.nextIndex(); // the window has no other buttons to click
            break;
        }
    }
    return 0;
}
