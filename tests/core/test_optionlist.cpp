#include "VnOptionList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const VnIntOption kDisabledEnabled[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnIntOption kSigned[] = {{-1, "unknown"}, {0, "zero"}, {2147483647, "max"}, {0, nullptr}};
const VnStrOption kStrings[] = {{"abc", "First"}, {"ABC", "Second"}, {"xyz", "Third"},
                                {nullptr, nullptr}};
const VnStrOption kPrefixes[] = {{"1.3.6.1.4", "Ent"}, {"1.3.6", "X"}, {"1.3.7", "Y"},
                                 {nullptr, nullptr}};
const VnIntOption kEmptyInt[] = {{5, nullptr}, {6, "never read"}};
const VnStrOption kEmptyStr[] = {{"x", nullptr}};

struct MatchCase {
    const char* why;
    const VnOptionList* list;
    const char* text;
    int byLabel;
    int byValue;
};

TEST(OptionList, MatchingByKindAndCaseRule)
{
    const VnOptionList intInsensitive(kDisabledEnabled);
    const VnOptionList intSensitive(kDisabledEnabled, VnOptionKind::Integer, true);
    const VnOptionList signedList(kSigned);
    const VnOptionList strInsensitive(kStrings, VnOptionKind::String);
    const VnOptionList strSensitive(kStrings, VnOptionKind::String, true);
    const VnOptionList preInsensitive(kPrefixes, VnOptionKind::Prefix);
    const VnOptionList preSensitive(kPrefixes, VnOptionKind::Prefix, true);

    const MatchCase cases[] = {
        {"integer value found as a number", &intInsensitive, "3", -1, 1},
        {"label found exactly", &intInsensitive, "enabled", 1, -1},
        {"flag 0 folds the label's case", &intInsensitive, "ENABLED", 1, -1},
        {"flag 1 keeps the label's case", &intSensitive, "ENABLED", -1, -1},
        {"flag 1 still finds the exact label", &intSensitive, "disabled", 0, -1},
        {"a value not in the list", &intInsensitive, "7", -1, -1},
        {"a text that is no number matches no value", &intInsensitive, "abc", -1, -1},
        {"empty text", &intInsensitive, "", -1, -1},
        {"the null marker", &intInsensitive, "(NULL)", -1, -1},
        {"no prefix matching for integer labels", &intInsensitive, "enabledX", -1, -1},
        {"no prefix matching for integer values", &intInsensitive, "31", -1, -1},
        {"blanks are not part of a number", &intInsensitive, " 3", -1, -1},
        {"a trailing blank neither", &intInsensitive, "3 ", -1, -1},
        {"hex is not decimal", &intInsensitive, "0x3", -1, -1},
        {"plus sign allowed", &intInsensitive, "+3", -1, 1},
        {"leading zeros are the same number", &intInsensitive, "003", -1, 1},
        {"negative values", &signedList, "-1", -1, 0},
        {"largest int", &signedList, "2147483647", -1, 2},
        {"beyond int range matches nothing", &signedList, "2147483648", -1, -1},
        {"no sign after a plus", &signedList, "+-1", -1, -1},
        {"string value, whole, first in order wins", &strInsensitive, "ABC", -1, 0},
        {"string value, case kept", &strSensitive, "ABC", -1, 1},
        {"string value must be whole", &strInsensitive, "abcd", -1, -1},
        {"string label, case folded", &strInsensitive, "third", 2, -1},
        {"string label, case kept", &strSensitive, "third", -1, -1},
        {"prefix of a value, first in order wins", &preInsensitive, "1.3.6.1.4.1", -1, 0},
        {"prefix of a value, later entry", &preInsensitive, "1.3.6.2", -1, 1},
        {"value exactly the prefix", &preInsensitive, "1.3.7", -1, 2},
        {"text shorter than every prefix", &preInsensitive, "1.3", -1, -1},
        {"label as a prefix, case folded", &preInsensitive, "x.1", 1, -1},
        {"label as a prefix, case kept", &preSensitive, "x.1", -1, -1},
        {"label as a prefix, exact case", &preSensitive, "X.1", 1, -1},
        {"label exactly", &preInsensitive, "Ent", 0, -1},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.list->IndexOfLabel(c.text), c.byLabel);
        EXPECT_EQ(c.list->IndexOfValue(c.text), c.byValue);
    }
}

// Case folding is ASCII only; bytes outside it must be equal.
TEST(OptionList, CaseFoldingIsAsciiOnly)
{
    const VnStrOption table[] = {{"\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9"}, {"[x]", "at@"},
                                 {nullptr, nullptr}};
    const VnOptionList list(table, VnOptionKind::String);
    EXPECT_EQ(list.IndexOfLabel("\xc3\xa9T\xc3\xa9"), 0);
    EXPECT_EQ(list.IndexOfLabel("\xc3\x89t\xc3\x89"), -1);  // upper-case E acute is not folded
    EXPECT_EQ(list.IndexOfLabel("AT@"), 1);
    EXPECT_EQ(list.IndexOfLabel("at`"), -1);  // '@' and '`' differ by the case bit but are no letters
    EXPECT_EQ(list.IndexOfValue("{x}"), -1);  // nor '[' and '{'
}

struct ConvertCase {
    const char* why;
    const VnOptionList* list;
    const char* text;
    const char* labelOfValue;
    const char* valueOfLabel;
};

TEST(OptionList, Conversion)
{
    const VnOptionList ints(kDisabledEnabled);
    const VnOptionList strings(kStrings, VnOptionKind::String);
    const VnOptionList prefixes(kPrefixes, VnOptionKind::Prefix);
    const VnOptionList otherKind(kDisabledEnabled, 4);

    const ConvertCase cases[] = {
        {"integer value to label", &ints, "3", "enabled", "3"},
        {"integer label to decimal value", &ints, "Disabled", "Disabled", "2"},
        {"unlisted integer stays", &ints, "9", "9", "9"},
        {"string value to label", &strings, "xyz", "Third", "xyz"},
        {"string label to value", &strings, "second", "second", "ABC"},
        {"prefix keeps the rest of the value", &prefixes, "1.3.6.1", "X.1", "1.3.6.1"},
        {"prefix keeps the rest of the label", &prefixes, "X.1", "X.1", "1.3.6.1"},
        {"prefix equal to the whole text", &prefixes, "1.3.7", "Y", "1.3.7"},
        {"label prefix with folded case keeps the typed rest", &prefixes, "ent.9.Ab",
         "ent.9.Ab", "1.3.6.1.4.9.Ab"},
        {"unlisted prefix stays", &prefixes, "2.1", "2.1", "2.1"},
        {"unknown kinds convert nothing", &otherKind, "3", "3", "3"},
        {"unknown kinds convert no label", &otherKind, "enabled", "enabled", "enabled"},
    };
    for (const ConvertCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.list->LabelOfValue(c.text), c.labelOfValue);
        EXPECT_EQ(c.list->ValueOfLabel(c.text), c.valueOfLabel);
    }
}

TEST(OptionList, EmptyAndNullTables)
{
    const VnOptionList fromNullInt(static_cast<const VnIntOption*>(nullptr));
    const VnOptionList fromNullStr(static_cast<const VnStrOption*>(nullptr), VnOptionKind::Prefix);
    const VnOptionList firstLabelNull(kEmptyInt);
    const VnOptionList firstLabelNullStr(kEmptyStr, VnOptionKind::Prefix);
    for (const VnOptionList* list : {&fromNullInt, &fromNullStr, &firstLabelNull, &firstLabelNullStr}) {
        EXPECT_EQ(list->Count(), 0);
        EXPECT_EQ(list->IndexOfLabel(""), -1);
        EXPECT_EQ(list->IndexOfValue(""), -1);
        EXPECT_EQ(list->IndexOfValue("5"), -1);
        EXPECT_EQ(list->LabelOfValue("5"), "5");
    }
    EXPECT_EQ(VnOptionList::CountTable(static_cast<const VnIntOption*>(nullptr)), 0);
    EXPECT_EQ(VnOptionList::CountTable(kEmptyInt), 0);
    EXPECT_EQ(VnOptionList::CountTable(kDisabledEnabled), 2);
    EXPECT_EQ(VnOptionList::CountTable(kStrings), 3);
}

TEST(OptionList, AppendKeepsOrderAndOwnsCopies)
{
    char value[] = "abc";
    char label[] = "Label";
    const VnStrOption table[] = {{value, label}, {nullptr, nullptr}};
    VnOptionList list(table, VnOptionKind::String);
    list.AppendTable(kStrings);
    list.AppendTable(static_cast<const VnStrOption*>(nullptr));
    ASSERT_EQ(list.Count(), 4);

    std::strcpy(value, "zzz");  // the list keeps its own texts
    std::strcpy(label, "Gone!");
    EXPECT_EQ(list.Item(0).value, "abc");
    EXPECT_EQ(list.Item(0).label, "Label");
    EXPECT_EQ(list.Item(3).label, "Third");
    EXPECT_EQ(list.IndexOfValue("abc"), 0);  // the first of the duplicate values wins

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.IndexOfValue("abc"), -1);
}

TEST(OptionList, IntegerValuesAreHeldInDecimal)
{
    const VnOptionList list(kSigned);
    EXPECT_EQ(list.Item(0).value, "-1");
    EXPECT_EQ(list.Item(2).value, "2147483647");
    EXPECT_EQ(list.ValueOfLabel("unknown"), "-1");
}

// A string array under the integer kind compares its texts as numbers.
TEST(OptionList, StringArrayUnderIntegerKind)
{
    const VnStrOption table[] = {{"7", "seven"}, {"x", "ex"}, {"0", "zero"}, {nullptr, nullptr}};
    const VnOptionList list(table, VnOptionKind::Integer);
    EXPECT_EQ(list.IndexOfValue("07"), 0);
    EXPECT_EQ(list.IndexOfValue("x"), -1);   // not a number on either side
    EXPECT_EQ(list.IndexOfValue("0"), 2);    // a text that is no number never stands for 0
}

// A null value in a string array would have been copied from a null pointer.
TEST(OptionList, NullStringValueIsEmpty)
{
    const VnStrOption table[] = {{nullptr, "none"}, {"1.3", "one"}, {nullptr, nullptr}};
    const VnOptionList whole(table, VnOptionKind::String);
    EXPECT_EQ(whole.Count(), 2);
    EXPECT_EQ(whole.Item(0).value, "");
    EXPECT_EQ(whole.IndexOfValue(""), 0);
    EXPECT_EQ(whole.IndexOfValue("1.3"), 1);
    EXPECT_EQ(whole.ValueOfLabel("none"), "");
}

}  // namespace
