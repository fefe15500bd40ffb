// SPDX-License-Identifier: MIT
#include "worksheet/description.hpp"

#include <array>
#include <string>

namespace cipher {
namespace {

constexpr std::u32string_view kLineBreak = U"\r\n";

constexpr std::array<std::u32string_view, 5> kParagraphs = {
    U"Чрез матричния транспозиционен шифър (matrix transpose cipher) се извършва криптографско "
    U"преобразуване на открития текст - изпращаното послание, началния текст. Символите на "
    U"текста запазват своя вид, но сменят местата си според ключа: така от „elegant man“ чрез "
    U"разместване на същите букви се получава „gentleman“.",

    U"Да се реализира проект, представящ вътрешнопредметни връзки в Информатика.",

    U"Тема на проекта: Информатика - матричен транспозиционен шифър.",

    U"Входните данни са откритият текст и криптографският ключ. Всички букви на ключа трябва да "
    U"са различни, а броят им е броят на колоните на матрицата. Ако дължината на текста не е "
    U"кратна на дължината на ключа, текстът се допълва с нужния брой последователни букви от "
    U"азбуката: A, B, C и т.н. Препоръчително е интервалите да се премахнат, а всички букви да "
    U"се напишат като главни - програмата не променя текста сама. Буквите се подреждат в редове "
    U"и колони под буквите на ключа, след което се образува нова матрица, чиито колони са "
    U"преномерирани според местата на буквите на ключа след азбучното им подреждане.",

    U"В примерния проект се извежда началната, крайната матрица и окончателния криптиран текст "
    U"по алгоритъма на транспозиционния шифър",
};

} // namespace

std::span<const std::u32string_view> DescriptionParagraphs() {
    return kParagraphs;
}

std::u32string_view Description() {
    static const std::u32string joined = [] {
        std::u32string text;
        for (std::u32string_view paragraph : kParagraphs) {
            text.append(paragraph).append(kLineBreak);
        }
        return text;
    }();
    return joined;
}

} // namespace cipher
