#include "site/name_cleaning.h"
#include "site/text_utils.h"

#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace {

struct PosCase {
    const char* sub;
    const char* text;
    int start;
    int expected;
};

TEST(PosFrom, FindsFirstOccurrenceAtOrAfterStart) {
    const PosCase cases[] = {
        {"b", "abcb", 3, 4},  {"b", "abcb", 5, 0}, {"a", "abcb", 1, 1}, {"b", "abcb", 2, 2},
        {"cb", "abcb", 1, 3}, {"B", "abcb", 1, 0}, {"x", "", 1, 0},     {"a", "abcb", 0, 1},
    };
    for (const PosCase& c : cases)
        EXPECT_EQ(PosFrom(c.sub, c.text, c.start), c.expected)
            << c.sub << " in " << c.text << " from " << c.start;
}

TEST(IsAllDigits, AcceptsOnlyPlainDigitStrings) {
    const std::pair<const char*, bool> cases[] = {
        {"21", true},   {"007", true},  {"", false},   {"   ", false},
        {" 21", false}, {"21 ", false}, {"2a", false}, {"-1", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IsAllDigits(text), expected) << '"' << text << '"';
}

TEST(NameCleaning, RemovesTheThirtyCharactersAndHyphenatesSpaces) {
    const std::pair<QString, QString> cases[] = {
        {"My Shop", "My-Shop"},
        {"~!@#$%^&*()_,./{}\\|+=[];':\"<>?", ""},
        {"../../etc/passwd", "etcpasswd"},
        {QString::fromUtf8("Caf\u00e9 `n` Co-op 42"), QString::fromUtf8("Caf\u00e9-`n`-Co-op-42")},
        {"a  b", "a--b"},
    };
    for (const auto& [typed, cleaned] : cases)
        EXPECT_EQ(SanitiseSiteName(typed), cleaned) << typed.toStdString();
    EXPECT_EQ(SanitiseSiteName(" Our Team "), "-Our-Team-");
    EXPECT_EQ(CleanPageFileName(" Our Team "), "Our-Team");
}

} // namespace
