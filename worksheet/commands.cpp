// SPDX-License-Identifier: MIT
#include "worksheet/commands.hpp"

#include "worksheet/transposition.hpp"

namespace cipher {

void Encrypt(Worksheet& sheet) {
    for (List& list : sheet.List1.controls) {
        list.clear();
    }
    PrepareKeyAndText(sheet);
    // A rejection is known only by the empty sorted key list.
    if (sheet.List1[3].count() < 1) {
        return;
    }
    BuildInitialMatrix(sheet);
    BuildFinalMatrix(sheet);
    sheet.Text1[0].setText(Text{kMessageEncryptionComplete});
}

void ClearAll(Worksheet& sheet) {
    for (std::size_t i = 0; i <= 2; ++i) {
        sheet.Text2[i].setText({});
        sheet.List1[i].clear();
    }
    sheet.List1[3].clear();
    sheet.List1[4].clear();
}

void Command1Click(Worksheet& sheet, std::int16_t index) {
    switch (index) {
    case kEncryptButton:
        Encrypt(sheet);
        break;
    case kClearButton:
        ClearAll(sheet);
        break;
    default:
        break;
    }
}

} // namespace cipher
