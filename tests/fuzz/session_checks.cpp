// SPDX-License-Identifier: MIT
#include "session_checks.hpp"

#include "../worksheet/sheet_helpers.hpp"
#include "worksheet/constants.hpp"
#include "worksheet/sorted_order.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace cipher::fuzz {
namespace {

using testing::LettersOf;

constexpr std::size_t kPlaintextField = 0;
constexpr std::size_t kKeyField = 1;
constexpr std::size_t kCiphertextField = 2;
constexpr std::size_t kInitialMatrix = 0;
constexpr std::size_t kFinalMatrix = 1;
constexpr std::size_t kKeyLetters = 2;
constexpr std::size_t kSortedKeyLetters = 3;
constexpr std::size_t kTextLetters = 4;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "worksheet check failed: %s\n", what);
        std::abort();
    }
}

bool HasRepeatedCharacter(Text key) {
    std::sort(key.begin(), key.end());
    return std::adjacent_find(key.begin(), key.end()) != key.end();
}

// The message the input calls for, from the lengths and the key alone.
std::u32string_view ExpectedMessage(const Text& plaintext, const Text& key) {
    if (plaintext.size() < key.size()) {
        return kMessagePlaintextShorterThanKey;
    }
    if (key.size() < kKeyMinLength || plaintext.size() < kPlaintextMinLength) {
        return kMessageTooShort;
    }
    if (HasRepeatedCharacter(key)) {
        return kMessageRepeatedKeyLetters;
    }
    return kMessageEncryptionComplete;
}

bool IsAMessage(std::u32string_view text) {
    return text == kMessagePlaintextShorterThanKey || text == kMessageTooShort ||
           text == kMessageRepeatedKeyLetters || text == kMessageEncryptionComplete;
}

// The plaintext followed by "A", "B", … up to a multiple of the key length.
Text Padded(const Text& plaintext, std::size_t keyLength) {
    Text padded = plaintext;
    for (char32_t filler = kFillerBase + 1; padded.size() % keyLength != 0; ++filler) {
        padded += filler;
    }
    return padded;
}

// The sorted header holds the key's characters, each once, in the order of the sorted list;
// that order must be strict between every two of them, not only between neighbours.
void CheckHeaders(const Worksheet& sheet, const Text& key) {
    const Text& sortedKey = sheet.Label1[4].caption();
    Require(sheet.Label1[3].caption() == key, "the plaintext header is the key");
    Require(std::is_permutation(sortedKey.begin(), sortedKey.end(), key.begin(), key.end()),
            "the ciphertext header holds the key's characters");
    for (std::size_t i = 0; i < sortedKey.size(); ++i) {
        const std::u32string_view first = std::u32string_view(sortedKey).substr(i, 1);
        Require(!SortsBefore(first, first), "no character sorts before itself");
        for (std::size_t j = i + 1; j < sortedKey.size(); ++j) {
            const std::u32string_view second = std::u32string_view(sortedKey).substr(j, 1);
            Require(SortsBefore(first, second) && !SortsBefore(second, first),
                    "the ciphertext header is in sorted order");
        }
    }
    Require(sheet.List1[kKeyLetters].items() == LettersOf(key), "List1(2) holds the key");
    Require(sheet.List1[kSortedKeyLetters].items() == LettersOf(sortedKey),
            "List1(3) holds the sorted key");
}

// Row i of the initial matrix is the i-th slice of the padded text; column j of the final
// matrix is the column under the key letter that stands j-th in the sorted header.
void CheckMatrices(const Worksheet& sheet, const Text& plaintext, const Text& key) {
    const std::size_t keyLength = key.size();
    const Text padded = Padded(plaintext, keyLength);
    Require(sheet.List1[kTextLetters].items() == LettersOf(padded),
            "List1(4) holds the plaintext and its fillers");

    const std::vector<Text>& initial = sheet.List1[kInitialMatrix].items();
    const std::vector<Text>& final = sheet.List1[kFinalMatrix].items();
    Require(initial.size() == padded.size() / keyLength, "one initial row per key length");
    Require(final.size() == initial.size(), "as many final rows as initial rows");

    const Text& sortedKey = sheet.Label1[4].caption();
    std::vector<std::size_t> column(keyLength);
    for (std::size_t j = 0; j < keyLength; ++j) {
        column[j] = key.find(sortedKey[j]);
    }
    for (std::size_t i = 0; i < initial.size(); ++i) {
        Require(initial[i] == padded.substr(i * keyLength, keyLength),
                "an initial row is a slice of the padded text");
        Require(final[i].size() == keyLength, "a final row is as long as the key");
        for (std::size_t j = 0; j < keyLength; ++j) {
            Require(final[i][j] == initial[i][column[j]],
                    "a final row moves its characters as the sorted key moved the key's");
        }
    }

    Text rows;
    for (const Text& row : final) {
        rows += row;
    }
    Require(std::is_permutation(rows.begin(), rows.end(), padded.begin(), padded.end()),
            "the final rows hold the padded text, nothing lost or added");
    const Field& ciphertext = sheet.Text2[kCiphertextField];
    Require(ciphertext.text() == rows.substr(0, ciphertext.maxLength()),
            "the ciphertext reads the final rows top to bottom");
}

} // namespace

Snapshot::Snapshot(const Worksheet& sheet)
    : fields{sheet.Text2[0].text(), sheet.Text2[1].text(), sheet.Text2[2].text()},
      message(sheet.Text1[0].text()), plainHeader(sheet.Label1[3].caption()),
      cipherHeader(sheet.Label1[4].caption()) {
    for (std::size_t i = 0; i < lists.size(); ++i) {
        lists[i] = sheet.List1[i].items();
    }
}

void CheckTyped(const Snapshot& before, const Worksheet& after, std::size_t field,
                const Text& typed) {
    const std::size_t limit = field == kPlaintextField ? kPlaintextMaxLength : kKeyMaxLength;
    Snapshot expected = before;
    expected.fields.at(field) = typed.substr(0, limit);
    Require(Snapshot(after) == expected, "a field keeps the typed text up to its limit");
}

void CheckEncrypted(const Snapshot& before, const Worksheet& after) {
    const Text& plaintext = before.fields[kPlaintextField];
    const Text& key = before.fields[kKeyField];
    Require(after.Text2[kPlaintextField].text() == plaintext &&
                after.Text2[kKeyField].text() == key,
            "Encrypt leaves the input fields as they are");

    const Text& message = after.Text1[0].text();
    Require(IsAMessage(message), "the message pane holds one of the four messages");
    Require(message == ExpectedMessage(plaintext, key),
            "the message is the one the input calls for");

    if (message != kMessageEncryptionComplete) {
        for (const List& list : after.List1.controls) {
            Require(list.count() == 0, "a rejection leaves every list empty");
        }
        Require(after.Text2[kCiphertextField].text() == before.fields[kCiphertextField],
                "a rejection keeps the previous ciphertext");
        Require(after.Label1[3].caption() == before.plainHeader &&
                    after.Label1[4].caption() == before.cipherHeader,
                "a rejection keeps the previous headers");
        return;
    }
    CheckHeaders(after, key);
    CheckMatrices(after, plaintext, key);
}

void CheckCleared(const Snapshot& before, const Worksheet& after) {
    Snapshot expected = before;
    expected.fields = {};
    expected.lists = {};
    Require(Snapshot(after) == expected,
            "ClearAll empties fields and lists and keeps the message and the headers");
}

void CheckUnchanged(const Snapshot& before, const Worksheet& after) {
    Require(Snapshot(after) == before, "a click on no button changes nothing");
}

} // namespace cipher::fuzz
