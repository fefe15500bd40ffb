// SPDX-License-Identifier: MIT
#include "worksheet/transposition.hpp"

#include <vector>

namespace cipher {
namespace {

Text Letter(char32_t c) {
    return Text(1, c);
}

Text Joined(const List& list) {
    std::size_t length = 0;
    for (const Text& item : list.items()) {
        length += item.size();
    }
    Text text;
    text.reserve(length);
    for (const Text& item : list.items()) {
        text += item;
    }
    return text;
}

// Rejects plaintext and key that are too short; the first failing test decides the message.
bool LengthsAccepted(Worksheet& sheet) {
    const std::size_t plaintextLength = sheet.Text2[0].text().size();
    const std::size_t keyLength = sheet.Text2[1].text().size();
    if (plaintextLength < keyLength) {
        sheet.Text1[0].setText(Text{kMessagePlaintextShorterThanKey});
        return false;
    }
    if (keyLength < kKeyMinLength || plaintextLength < kPlaintextMinLength) {
        sheet.Text1[0].setText(Text{kMessageTooShort});
        return false;
    }
    return true;
}

// Exactly equal items of a sorted list are neighbours, so comparing neighbours finds every repeat.
bool HasEqualNeighbours(const List& sorted) {
    bool found = false;
    for (std::size_t i = 1; i < sorted.count(); ++i) {
        found = found || sorted.item(i) == sorted.item(i - 1);
    }
    return found;
}

} // namespace

void PrepareKeyAndText(Worksheet& sheet) {
    if (!LengthsAccepted(sheet)) {
        return;
    }

    const Text& key = sheet.Text2[1].text();
    List& keyLetters = sheet.List1[2];
    List& sortedKeyLetters = sheet.List1[3];
    keyLetters.clear();
    sortedKeyLetters.clear();
    for (char32_t c : key) {
        keyLetters.addItem(Letter(c));
        sortedKeyLetters.addItem(Letter(c));
    }

    if (HasEqualNeighbours(sortedKeyLetters)) {
        keyLetters.clear();
        sortedKeyLetters.clear();
        sheet.Text1[0].setText(Text{kMessageRepeatedKeyLetters});
        return;
    }

    sheet.Label1[3].setCaption(Joined(keyLetters));
    sheet.Label1[4].setCaption(Joined(sortedKeyLetters));

    const Text& plaintext = sheet.Text2[0].text();
    List& textLetters = sheet.List1[4];
    textLetters.clear();
    for (char32_t c : plaintext) {
        textLetters.addItem(Letter(c));
    }

    // Fill the last row: "A" first, then "B", … up to the key length.
    const std::size_t lastRowLength = plaintext.size() % key.size();
    if (lastRowLength > 0) {
        for (std::size_t i = 1; i <= key.size() - lastRowLength; ++i) {
            textLetters.addItem(Letter(kFillerBase + static_cast<char32_t>(i)));
        }
    }
}

void BuildInitialMatrix(Worksheet& sheet) {
    const std::size_t keyLength = sheet.Text2[1].text().size();
    if (keyLength == 0) {
        return; // nothing to cut by: PrepareKeyAndText did not accept this key
    }
    const List& textLetters = sheet.List1[4];
    List& initialMatrix = sheet.List1[0];
    Text row;
    row.reserve(keyLength);
    for (std::size_t i = 1; i <= textLetters.count(); ++i) {
        row += textLetters.item(i - 1);
        if (i % keyLength == 0) {
            initialMatrix.addItem(std::move(row));
            row.clear();
            row.reserve(keyLength);
        }
    }
}

void BuildFinalMatrix(Worksheet& sheet) {
    const std::size_t keyLength = sheet.Text2[1].text().size();
    const List& initialMatrix = sheet.List1[0];
    const List& keyLetters = sheet.List1[2];
    const List& sortedKeyLetters = sheet.List1[3];
    List& finalMatrix = sheet.List1[1];

    finalMatrix.clear();

    // Character k of each row goes to every sorted place j that holds key letter k. Which
    // places match depends only on the key, so the moves are found once, in the order of k:
    // should a letter ever stand twice, the later key place wins, as it would row by row.
    struct Move {
        std::size_t from;
        std::size_t to;
    };
    std::vector<Move> moves;
    moves.reserve(keyLength);
    for (std::size_t k = 0; k < keyLength; ++k) {
        for (std::size_t j = 0; j < keyLength; ++j) {
            if (sortedKeyLetters.item(j) == keyLetters.item(k)) {
                moves.push_back({k, j});
            }
        }
    }
    // Each final row starts as a copy of its initial row, so a place that no move reaches keeps
    // the initial character.
    for (const Text& initialRow : initialMatrix.items()) {
        Text row = initialRow;
        for (const Move& move : moves) {
            row.at(move.to) = initialRow.at(move.from);
        }
        finalMatrix.addItem(std::move(row));
    }

    // The whole ciphertext is kept: a field cut to 100 characters would lose up to 9 of them.
    sheet.Text2[2].setText(Joined(finalMatrix));
}

} // namespace cipher
