// SPDX-License-Identifier: MIT
// The binding every front end shares: which controls it has rewritten, and what the input fields
// keep of an edit.
#include "window/worksheet_binding.hpp"

#include "expected/field_cases.hpp"
#include "expected/sample.hpp"
#include "row_name.hpp"
#include "window/utf16.hpp"
#include "worksheet/commands.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

namespace cipher {
namespace {

// Enough of form C for these tests: "и" and a combining breve compose to "й".
std::u16string ComposeShortI(std::u16string_view text) {
    std::u16string composed;
    for (char16_t c : text) {
        if (c == U'\u0306' && !composed.empty() && composed.back() == U'и') {
            composed.back() = U'й';
        } else {
            composed += c;
        }
    }
    return composed;
}

std::set<std::string> NamesOf(const std::vector<WorksheetBinding::Change>& changes) {
    std::set<std::string> names;
    for (const auto& change : changes) {
        names.insert(layout::nameOf(layout::controls()[change.row]));
    }
    return names;
}

TEST(Changes, FirstEveryShownControlThenOnlyWhatAClickChanged) {
    WorksheetBinding binding(LineBreaks::Lf, &ComposeShortI);
    EXPECT_EQ(binding.changesToShow().size(), 14u);
    EXPECT_TRUE(binding.changesToShow().empty());

    const std::u16string complete = utf16::fromText(kMessageEncryptionComplete);
    EXPECT_EQ(binding.click(kEncryptButton), complete);
    const auto changes = binding.changesToShow();
    EXPECT_EQ(NamesOf(changes), (std::set<std::string>{"Label1(3)", "Label1(4)", "List1(0)",
                                                       "List1(1)", "Text2(2)", "Text1(0)"}));
    for (const auto& change : changes) {
        if (layout::nameOf(layout::controls()[change.row]) == "List1(1)") {
            ASSERT_EQ(change.shown.items.size(), expected::kSampleFinalMatrix.size());
            EXPECT_EQ(change.shown.items[6], utf16::fromText(expected::kSampleFinalMatrix[6]));
        }
    }
    // The same result again: nothing to rewrite, but the message is said again.
    EXPECT_EQ(binding.click(kEncryptButton), complete);
    EXPECT_TRUE(binding.changesToShow().empty());
}

TEST(Changes, ThePaneHasTheToolkitsLineBreaks) {
    for (const LineBreaks breaks : {LineBreaks::Lf, LineBreaks::CrLf}) {
        WorksheetBinding binding(breaks, &ComposeShortI);
        for (const auto& change : binding.changesToShow()) {
            if (change.kind == layout::Kind::TextPane) {
                const std::u16string expected = breaks == LineBreaks::CrLf ? u"\r\n" : u"\n";
                EXPECT_TRUE(change.shown.text.ends_with(u"шифър" + expected));
                EXPECT_EQ(change.shown.text.find(breaks == LineBreaks::CrLf ? u"\n\n" : u"\r"),
                          std::u16string::npos);
            }
        }
    }
}

TEST(KeepEdit, TheWorksheetFollowsTheFieldWhichIsNotRewritten) {
    WorksheetBinding binding(LineBreaks::Lf, &ComposeShortI);
    const auto first = binding.changesToShow();
    binding.keepEdit(1, u"ключ", 4);
    EXPECT_EQ(binding.worksheet().Text2[1].text(), U"ключ");
    EXPECT_TRUE(binding.changesToShow().empty());
    // What the window was given stays its own whatever the binding does next.
    EXPECT_EQ(first[layout::rowNamed("Text2(1)")].shown.text, u"пчела");

    // Now the worksheet empties the field: it is rewritten; Чисти writes no message.
    EXPECT_EQ(binding.click(kClearButton), u"");
    EXPECT_EQ(NamesOf(binding.changesToShow()).count("Text2(1)"), 1u);
    EXPECT_THROW(binding.keepEdit(2, u"x", 1), std::out_of_range);
}

class SharedFieldCase : public ::testing::TestWithParam<expected::FieldCase> {};

TEST_P(SharedFieldCase, KeepsWhatEveryFrontEndKeeps) {
    const expected::FieldCase& paste = GetParam();
    WorksheetBinding binding(LineBreaks::Lf, &ComposeShortI);
    const std::u16string start = utf16::fromText(paste.start);
    binding.keepEdit(paste.field, start, start.size());
    const std::u16string edited = start + std::u16string(paste.pasted);
    const auto kept = binding.keepEdit(paste.field, edited, edited.size());
    EXPECT_EQ(kept.text, utf16::fromText(paste.kept));
    EXPECT_EQ(kept.cursor, kept.text.size());
    EXPECT_EQ(binding.worksheet().Text2[paste.field].text(), paste.kept);
}

INSTANTIATE_TEST_SUITE_P(Pasted, SharedFieldCase, ::testing::ValuesIn(expected::kFieldCases),
                         testing::RowName{});

struct EditCase {
    const char* name;
    std::u16string_view before;
    std::u16string_view edited;
    std::size_t cursor; // UTF-16 units, in and out
    std::u16string_view kept;
    std::size_t keptCursor;
    // The same as one replacement of `before`, for the toolkit's undo: units [from, to) of it.
    std::size_t from;
    std::size_t to;
    std::u16string_view replacement;

    friend void PrintTo(const EditCase& row, std::ostream* out) { *out << row.name; }
};

class KeyEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(KeyEdit, KeepsToTheFieldRulesAsOneReplacement) {
    const EditCase& edit = GetParam();
    WorksheetBinding binding(LineBreaks::Lf, &ComposeShortI);
    binding.keepEdit(1, edit.before, edit.before.size());
    const auto kept = binding.kept(1, edit.edited, edit.cursor);
    EXPECT_EQ(kept.text, edit.kept);
    EXPECT_EQ(kept.cursor, edit.keptCursor);
    EXPECT_EQ(kept.from, edit.from);
    EXPECT_EQ(kept.to, edit.to);
    EXPECT_EQ(kept.replacement, edit.replacement);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, KeyEdit,
    ::testing::Values(
        // The cursor keeps its distance from the end when a break before it became a space.
        EditCase{"paste_in_the_middle", u"абвг", u"аб1\r\n2вг", 6, u"аб1 2вг", 5, 2, 2, u"1 2"},
        EditCase{"eleventh_in_the_middle_refused", u"абвгдежзий", u"абвXгдежзий", 4, u"абвгдежзий",
                 3, 3, 3, u""},
        // A control character between a letter and its mark goes first, then they compose.
        EditCase{"composed_after_one_line", u"", u"и\u0007\u0306", 3, u"й", 1, 0, 0, u"й"},
        EditCase{"emoji_counts_one_character", u"абвгдежзи", u"абвгдежзи😀", 11, u"абвгдежзи😀", 11,
                 9, 9, u"😀"},
        // "вг" selected and "123" pasted over it: what fits of it replaces the selection.
        EditCase{"selection_replaced_up_to_the_limit", u"абвгдежзий", u"аб123дежзий", 5,
                 u"аб12дежзий", 4, 2, 4, u"12"},
        // An "а" typed in front of "аа": the replacement stands where the cursor says.
        EditCase{"same_text_on_both_sides", u"аа", u"ааа", 1, u"ааа", 1, 0, 0, u"а"},
        // U+1F601 and U+1F602 differ in their low halves only, U+1F600 and U+1F200 in their high.
        EditCase{"pair_at_the_start_of_the_span", u"😀😁", u"😀😂", 4, u"😀😂", 4, 2, 4, u"😂"},
        EditCase{"pair_at_the_end_of_the_span", u"😀", u"🈀", 0, u"🈀", 0, 0, 2, u"🈀"}),
    testing::RowName{});

} // namespace
} // namespace cipher
