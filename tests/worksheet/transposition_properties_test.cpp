// SPDX-License-Identifier: MIT
// Properties of the cipher over many generated inputs: nothing is lost or invented, every row
// moves the same way, and an alphabetical key moves nothing.
#include "sheet_helpers.hpp"
#include "worksheet/commands.hpp"
#include "worksheet/sorted_order.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

namespace cipher {
namespace {

// Characters a student may type or paste: Cyrillic of both cases, Latin, digits, spaces,
// punctuation, accents as separate marks, characters beyond the Basic Multilingual Plane.
const std::u32string kPool = U"абвгдежзийклмнопрстуфхцчшщъьюяАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ"
                             U"abcxyzABCXYZéÉßαΩ0123456789 .,!?-\u0301\u200D😀🇧🇬𝔸";

class Generator {
public:
    explicit Generator(std::uint32_t seed) : engine_(seed) {}

    std::size_t Between(std::size_t low, std::size_t high) {
        return low + (engine_() % (high - low + 1));
    }

    Text Plaintext(std::size_t length) {
        Text text;
        for (std::size_t i = 0; i < length; ++i) {
            text += kPool[Between(0, kPool.size() - 1)];
        }
        return text;
    }

    // A key of distinct characters from the pool.
    Text Key(std::size_t length) {
        Text pool = kPool;
        Text key;
        while (key.size() < length) {
            const std::size_t pick = Between(0, pool.size() - 1);
            key += pool[pick];
            pool.erase(pick, 1);
        }
        return key;
    }

private:
    std::mt19937 engine_;
};

Text Fillers(std::size_t count) {
    Text fillers;
    for (std::size_t i = 0; i < count; ++i) {
        fillers += static_cast<char32_t>(U'A' + i);
    }
    return fillers;
}

TEST(CipherProperties, HoldForGeneratedInputs) {
    Generator generate(20261208);
    for (int run = 0; run < 2000; ++run) {
        const std::size_t plaintextLength = generate.Between(5, 100);
        const std::size_t keyLength =
            generate.Between(3, std::min<std::size_t>(10, plaintextLength));
        const Text plaintext = generate.Plaintext(plaintextLength);
        const Text key = generate.Key(keyLength);
        Worksheet sheet = testing::SheetWith(plaintext, key);
        Encrypt(sheet);
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_EQ(sheet.Text1[0].text(), kMessageEncryptionComplete);

        const std::size_t fillerCount = (keyLength - plaintextLength % keyLength) % keyLength;
        const Text padded = plaintext + Fillers(fillerCount);

        // The initial matrix is the padded text cut into rows.
        const auto& initial = sheet.List1[0].items();
        ASSERT_EQ(initial.size(), padded.size() / keyLength);
        for (std::size_t i = 0; i < initial.size(); ++i) {
            ASSERT_EQ(initial[i], padded.substr(i * keyLength, keyLength));
        }

        // The sorted header is the key's characters, in order.
        const Text& sortedKey = sheet.Label1[4].caption();
        ASSERT_EQ(sheet.Label1[3].caption(), key);
        ASSERT_TRUE(
            std::is_permutation(sortedKey.begin(), sortedKey.end(), key.begin(), key.end()));
        for (std::size_t j = 1; j < sortedKey.size(); ++j) {
            ASSERT_TRUE(SortsBefore(sortedKey.substr(j - 1, 1), sortedKey.substr(j, 1)));
        }

        // Place j of every final row holds the character under the key letter sortedKey[j].
        const auto& final = sheet.List1[1].items();
        ASSERT_EQ(final.size(), initial.size());
        for (std::size_t i = 0; i < final.size(); ++i) {
            for (std::size_t j = 0; j < keyLength; ++j) {
                ASSERT_EQ(final[i][j], initial[i][key.find(sortedKey[j])]);
            }
        }

        // Nothing lost, nothing invented, and the ciphertext reads the final rows in order.
        const Text& ciphertext = sheet.Text2[2].text();
        ASSERT_TRUE(std::is_permutation(ciphertext.begin(), ciphertext.end(), padded.begin(),
                                        padded.end()));
        Text rows;
        for (const Text& row : final) {
            rows += row;
        }
        ASSERT_EQ(ciphertext, rows);
    }
}

TEST(CipherProperties, AnAlphabeticalKeyMovesNothing) {
    Generator generate(7);
    const std::u32string alphabet = U"абвгдежзийклмнопрстуфхцчшщъьюя";
    for (int run = 0; run < 500; ++run) {
        // Distinct small Bulgarian letters in code-point order are in alphabet order too.
        std::u32string letters = alphabet;
        std::shuffle(letters.begin(), letters.end(), std::mt19937(run));
        Text key = letters.substr(0, generate.Between(3, 10));
        std::sort(key.begin(), key.end());
        const Text plaintext = generate.Plaintext(generate.Between(10, 100));

        Worksheet sheet = testing::SheetWith(plaintext, key);
        Encrypt(sheet);
        SCOPED_TRACE("run " + std::to_string(run));
        const std::size_t fillerCount = (key.size() - plaintext.size() % key.size()) % key.size();
        EXPECT_EQ(sheet.Label1[4].caption(), key);
        EXPECT_EQ(sheet.List1[1].items(), sheet.List1[0].items());
        EXPECT_EQ(sheet.Text2[2].text(), plaintext + Fillers(fillerCount));
    }
}

} // namespace
} // namespace cipher
