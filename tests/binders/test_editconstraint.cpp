// Edit constraints: the format language, the typing filter, the exit check
// and its messages, focus moves and the on-demand check.
#include "VnEditConstraint.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "QtPrint.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <cfloat>
#include <memory>
#include <stdexcept>

namespace {

// ---------------------------------------------------------------------------
// The format language

struct FormatCase {
    const char* format;
    char conversion;
    char delimiter;
    double minimum;
    double maximum;
    int maxLength;
    unsigned short flags;
    char endChar;
    const char* why;
};

constexpr double kIntMin = -2147483648.0;
constexpr double kIntMax = 2147483647.0;
constexpr double kUMax = 4294967295.0;

const FormatCase kFormats[] = {
    // The formats the system's forms use.
    {"%s", 's', 0, 0, 0, 0, 0, 0, "a conversion without braces"},
    {"%s{l32}", 's', 0, 0, 0, 32, 0, 0, "string of at most 32"},
    {"%s{n1x208l3}", 's', 0, 1, 208, 3, 0, 0, "a string's range is stored, never tested"},
    {"%s{n0x8l8}", 's', 0, 0, 8, 8, 0, 0, "string with range letters"},
    {"%h", 'h', 0, 0, 0, 0, 0, 0, "hex string"},
    {"%f", 'f', 0, -DBL_MAX, DBL_MAX, 0, 0, 0, "real with the full double range"},
    {"%i", 'i', 0, kIntMin, kIntMax, 0, 0, 0, "32-bit signed range"},
    {"%i{}", 'i', 0, kIntMin, kIntMax, 0, 0, 0, "empty braces are valid"},
    {"%i{n1x4094}", 'i', 0, 1, 4094, 0, 0, 0, "VLAN id range"},
    {"%i{n1x65535l5}", 'i', 0, 1, 65535, 5, 0, 0, "range and length"},
    {"%i{n-779x839l4}", 'i', 0, -779, 839, 4, 0, 0, "a negative minimum"},
    {"%i{l5}", 'i', 0, kIntMin, kIntMax, 5, 0, 0, "length without range"},
    {"%i{n0x16777214l8a}", 'i', 0, 0, 16777214, 8, 1, 0, "move on when full"},
    {"%i{n0x200000000l9}", 'i', 0, 0, 200000000, 9, 0, 0, "nine digits"},
    {"%u", 'u', 0, 0, kUMax, 0, 0, 0, "32-bit unsigned range"},
    {"%u{n1x2147483647l10}", 'u', 0, 1, 2147483647, 10, 0, 0, "unsigned with range"},
    {"%u{l32}", 'u', 0, 0, kUMax, 32, 0, 0, "unsigned with a length only"},
    // The rest of the grammar.
    {"%n,", 'n', ',', 0, kUMax, 0, 0, 0, "number list, delimiter after the n"},
    {"%n.{n1x10l4f}", 'n', '.', 1, 10, 4, 2, 0, "list of exactly four numbers"},
    {"%s{l5n}", 's', 0, 0, 0, 5, 4, 0, "n right after l's digits: not empty"},
    {"%s{l5afn}", 's', 0, 0, 0, 5, 7, 0, "all three suffixes"},
    {"%s{l5na}", 's', 0, 0, 0, 5, 5, 0, "suffixes in any order"},
    {"%i{x9n2}", 'i', 0, 2, 9, 0, 0, 0, "letters in any order"},
    {"%i{n1n3}", 'i', 0, 3, kIntMax, 0, 0, 0, "a repeated letter overrides"},
    {"%f{n-0.5x1.5}", 'f', 0, -0.5, 1.5, 0, 0, 0, "real bounds"},
    {"%s{e/l3}", 's', 0, 0, 0, 3, 0, '/', "end character"},
    {"%s{e}}", 's', 0, 0, 0, 0, 0, '}', "the end character may be the brace itself"},
    {"%s{w120}", 's', 0, 0, 0, 0, 0, 0, "width only"},
};

TEST(EditConstraintFormat, ParsesEveryLetterAndSuffix)
{
    for (const auto& c : kFormats) {
        QLineEdit edit;
        VnEditConstraint manager(nullptr, true);
        ASSERT_NO_THROW(manager.AddConstraint(c.format, &edit)) << c.format;
        const _EditConstraint_s* r = manager.Find(&edit);
        ASSERT_NE(r, nullptr) << c.format;
        EXPECT_EQ(r->conversion, c.conversion) << c.format << ": " << c.why;
        EXPECT_EQ(r->delimiter, c.delimiter) << c.format << ": " << c.why;
        if (c.conversion != 'h' && (c.conversion != 's' || c.minimum != 0 || c.maximum != 0)) {
            EXPECT_EQ(r->minimum, c.minimum) << c.format << ": " << c.why;
            EXPECT_EQ(r->maximum, c.maximum) << c.format << ": " << c.why;
        }
        EXPECT_EQ(r->maxLength, c.maxLength) << c.format << ": " << c.why;
        EXPECT_EQ(r->flags, c.flags) << c.format << ": " << c.why;
        EXPECT_EQ(r->endChar, c.endChar) << c.format << ": " << c.why;
    }
}

TEST(EditConstraintFormat, MalformedFormatsRaiseTheBadFormatMessage)
{
    const struct {
        const char* format;
        const char* why;
    } cases[] = {
        {"", "too short"},
        {"%", "too short"},
        {"i{n1}", "no percent sign"},
        {"%d", "conversion outside the table"},
        {"%n", "list without its delimiter"},
        {"%i{n1x5", "no closing brace"},
        {"%i n1x5}", "a blank where the brace belongs"},
        {"%i{n1x5}x", "something after the closing brace"},
        {"%i{l}", "l without digits"},
        {"%i{la}", "l without digits before a suffix"},
        {"%i{n}", "n without a number"},
        {"%i{x-}", "a bound that is no number"},
        {"%i{n1-2}", "a bound that is no number"},
        {"%i{w}", "w without digits"},
        {"%i{q5}", "letter outside the table"},
        {"%s{l5n1}", "n taken as suffix, the 1 is then no letter"},
        {"%s{e}", "e without a character before the brace"},
        {"%s{l99999999999}", "a length beyond an int"},
    };
    for (const auto& c : cases) {
        QLineEdit edit;
        VnEditConstraint manager(nullptr, true);
        try {
            manager.AddConstraint(c.format, &edit);
            ADD_FAILURE() << c.format << " was accepted: " << c.why;
        } catch (const VnException& e) {
            EXPECT_STREQ(e.what(), "Bad format specifier of edit's constraint!") << c.format;
        }
        EXPECT_EQ(manager.Find(&edit), nullptr) << c.format << ": nothing installed";
    }
}

TEST(EditConstraintFormat, SeveralConversionsGoToTheEditsInOrder)
{
    QLineEdit a, b, c;
    VnEditConstraint manager(nullptr, true);
    manager.AddConstraints("%i{n0x255l3}%s{l4}%h", {&a, &b, &c});
    ASSERT_NE(manager.Find(&a), nullptr);
    EXPECT_EQ(manager.Find(&a)->maximum, 255);
    EXPECT_EQ(manager.Find(&b)->conversion, 's');
    EXPECT_EQ(manager.Find(&c)->conversion, 'h');

    // Too few edits: the index error when the missing one is reached; the
    // first conversion stays installed.
    QLineEdit d;
    VnEditConstraint short_(nullptr, true);
    EXPECT_THROW(short_.AddConstraints("%i%i", {&d}), VnException);
    EXPECT_NE(short_.Find(&d), nullptr);

    // A trailing "%" starts a piece that is never added.
    QLineEdit e;
    VnEditConstraint trailing(nullptr, true);
    EXPECT_NO_THROW(trailing.AddConstraints("%i%", {&e}));
    EXPECT_NE(trailing.Find(&e), nullptr);
}

TEST(EditConstraintFormat, WidthIsAppliedAndNoMaxLengthCutsProgramText)
{
    QLineEdit edit;
    VnEditConstraint manager(nullptr, true);
    manager.AddConstraint("%s{w120l3}", &edit);
    EXPECT_EQ(edit.width(), 120);
    edit.setText("a text longer than three");
    EXPECT_EQ(edit.text(), "a text longer than three");
}

// ---------------------------------------------------------------------------
// Widgets in a window with real focus

class EditConstraintWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        for (auto*& e : edits) {
            e = new QLineEdit(&window);
            layout->addWidget(e);
        }
        button = new QPushButton("Set", &window);
        layout->addWidget(button);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Gives the edit the focus and types into it as a user would.
    static void Type(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(edit, keys);
    }
    // Moves the focus on and lets the queued exit check run.
    static void Leave(QWidget* to)
    {
        to->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    QWidget window;
    QLineEdit* edits[3] = {};
    QPushButton* button = nullptr;
    VnEditConstraint manager{&window, true};
    VnMessageBoxCapture boxes;
};

TEST_F(EditConstraintWindow, TypingFilterTakesOutWhatTheConversionRefuses)
{
    const struct {
        const char* format;
        const char* keys;
        const char* text;
        const char* why;
    } cases[] = {
        {"%i", "12a", "12", "a letter in an integer"},
        {"%i", "-12", "-12", "a minus sign first stays"},
        {"%i", "1-2", "12", "a minus sign after a digit goes"},
        {"%u", "-5", "5", "no sign at all for unsigned"},
        {"%f", "1.2.3", "1.23", "one decimal point"},
        {"%f", "-0.5", "-0.5", "negative real"},
        {"%f", "3-.", "3.", "minus only first"},
        {"%h", "0aFgZ9", "0aF9", "hex digits of both cases"},
        {"%s", "a b!%", "a b!%", "a string admits everything"},
        {"%n,", ",1,,2", "1,2", "no delimiter first or twice in a row"},
        {"%n.", "1.3.6", "1.3.6", "another delimiter"},
        {"%n,", "1;2", "12", "only the list's own delimiter"},
        {"%i{l5}", "1234567", "12345", "typing stops at the maximum length"},
        {"%s{l3}", "abcd", "abc", "also for strings"},
    };
    for (const auto& c : cases) {
        QLineEdit* edit = edits[0];
        manager.RemoveConstraint(edit);
        edit->clear();
        manager.AddConstraint(c.format, edit);
        Type(edit, c.keys);
        EXPECT_EQ(edit->text(), c.text) << c.format << " typed " << c.keys << ": " << c.why;
    }
}

// One rule for every integer field: a plus sign and leading zeros write the
// number without them, count as that number towards the length, and the
// field shows the number as it is sent once it is left.
TEST_F(EditConstraintWindow, IntegersTakeSignsAndLeadingZerosAsTheNumberTheyWrite)
{
    const QString oneToEight = "Please enter a number between 1 and 8!";
    const struct {
        const char* format;
        const char* keys;
        const char* typed;  // the text once typed
        const char* left;   // the text once left
        QString message;    // empty: accepted
        const char* why;
    } cases[] = {
        {"%i{n1x8l1}", "01", "01", "1", {}, "a leading zero fits a field of one digit"},
        {"%i{n1x8l1}", "+1", "+1", "1", {}, "so does a plus sign"},
        {"%i{n1x8l1}", "+01", "+01", "1", {}, "and both"},
        {"%i{n1x8l1}", "1", "1", "1", {}, "the plain number"},
        {"%i{n1x8l1}", "012", "01", "1", {}, "a second digit is refused as typed"},
        {"%i{n1x8l1}", "09", "09", "09", oneToEight, "9 is out of range however it is written"},
        {"%i{n1x8l1}", "0", "0", "0", oneToEight, "so is 0"},
        {"%i{n1x8l1}", "+", "+", "+", oneToEight, "a sign alone is no number"},
        {"%i{n-779x839l4}", "-0005", "-0005", "-5", {}, "a minus sign stays and counts"},
        {"%i{n-779x839l4}", "-000", "-000", "0", {}, "minus zero is zero"},
        {"%i{n-779x839l4}", "-7799", "-779", "-779", {}, "the minus sign counts towards the length"},
        {"%u{n1x3l1}", "+003", "+003", "3", {}, "unsigned alike"},
        {"%u{n1x3l1}", "-3", "3", "3", {}, "still no minus sign for unsigned"},
        {"%i{n0x65535l5}", "00000", "00000", "0", {}, "zeros only are zero"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " typed " + c.keys + ": " + c.why);
        QLineEdit* edit = edits[0];
        manager.RemoveConstraint(edit);
        edit->clear();
        manager.AddConstraint(c.format, edit);
        Type(edit, c.keys);
        EXPECT_EQ(edit->text(), c.typed);
        Leave(edits[1]);
        EXPECT_EQ(edit->text(), c.left);
        EXPECT_EQ(boxes.Texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
        boxes.Clear();
    }
}

TEST_F(EditConstraintWindow, RefusedCharacterInTheMiddleKeepsTheCursorThere)
{
    manager.AddConstraint("%i{l5}", edits[0]);
    edits[0]->setText("1234");
    edits[0]->setFocus();
    edits[0]->setCursorPosition(2);
    QTest::keyClicks(edits[0], "x9");
    EXPECT_EQ(edits[0]->text(), "12934");
    // A full edit refuses the next key where it was typed.
    edits[0]->setCursorPosition(1);
    QTest::keyClicks(edits[0], "7");
    EXPECT_EQ(edits[0]->text(), "12934");
}

TEST_F(EditConstraintWindow, ProgramTextIsNotFilteredAndBecomesTheAcceptedText)
{
    manager.AddConstraint("%i{n1x9l1}", edits[0]);
    edits[0]->setText("12ab");
    EXPECT_EQ(edits[0]->text(), "12ab");
    EXPECT_EQ(manager.Find(edits[0])->lastText, "12ab");
    // Leaving it unchanged gives no message: it is the agent's value.
    edits[0]->setFocus();
    Leave(edits[1]);
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(EditConstraintWindow, PlaceholdersAreNeitherFilteredNorChecked)
{
    manager.AddConstraint("%i{n1x9l1n}", edits[0]);
    for (const char* placeholder : {"(NOTDONE)", "(NULL)"}) {
        edits[0]->setText(placeholder);
        EXPECT_TRUE(manager.OnEditExit(edits[0])) << placeholder;
        EXPECT_EQ(edits[0]->text(), placeholder);
    }
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

// The exit check against the common table's messages, word for word. The
// manager does not remember program texts here, so each text is checked.
TEST(EditConstraintMessages, ExitCheckNamesTheBrokenRule)
{
    const struct {
        const char* format;
        const char* text;
        const char* message; // nullptr: passes
    } cases[] = {
        {"%i{n1x4094}", "5000", "Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "0", "Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "4094", nullptr},
        {"%i{n-779x839l4}", "-780", "Please enter a number between -779 and 839!"},
        {"%i", "99999999999", "Please enter a number between -2147483648 and 2147483647!"},
        {"%u", "4294967296", "Please enter a number between 0 and 4294967295!"},
        {"%u", "-1", "Please enter a number between 0 and 4294967295!"},
        {"%f", "0", nullptr},
        {"%f", "-12.5", nullptr},
        {"%f", "1e999", "Please enter a number between -1.79769313486232E308 and 1.79769313486232E308!"},
        {"%f{n-0.5x1.5}", "2", "Please enter a number between -0.5 and 1.5!"},
        {"%i{n10x20}", "abc", "Please enter a number between 10 and 20!"},
        {"%s{l3}", "abcd", "Please enter a string whose length is less than 3!"},
        {"%s{l3}", "abc", nullptr},
        {"%s{l3f}", "ab", "Please enter a string whose length is 3!"},
        {"%s{n1x208l3}", "zz", nullptr},
        {"%s", "any length at all", nullptr},
        {"%h{l4}", "ABCDE", "Please enter a hex string whose length is less than 4!"},
        {"%h{l4f}", "ABC", "Please enter a hex string whose length is 4!"},
        {"%n,{l3}", "1,2,3,4",
         "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is less than 3!"},
        {"%n,{l3f}", "1,2",
         "Please enter a delimited number string with delimiter ','.\nHere,the count of the number is equal to 3!"},
        {"%n,{x10}", "1,20",
         "Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 10!"},
        {"%n;{n-5x10}", "11",
         "Please enter a delimited number string with delimiter ';'.\nHere,each number is between 0 and 10!"},
        {"%n,", "1,4294967295", nullptr},
        {"%i{l5n}", "", "Empty value is not allowed!"},
        {"%i{n1x5}", "", nullptr},
    };
    for (const auto& c : cases) {
        QLineEdit edit;
        VnEditConstraint manager(nullptr, false);
        VnMessageBoxCapture boxes;
        manager.AddConstraint(c.format, &edit);
        edit.setText(c.text);
        EXPECT_EQ(manager.OnEditExit(&edit), c.message == nullptr) << c.format << " " << c.text;
        const QStringList expected = c.message ? QStringList{c.message} : QStringList{};
        EXPECT_EQ(boxes.Texts(), expected) << c.format << " " << c.text;
        if (c.message) {
            ASSERT_EQ(boxes.Shown().size(), 1u);
            EXPECT_EQ(boxes.Shown()[0].buttons, VnMsgButtons::Ok);
            EXPECT_EQ(boxes.Shown()[0].icon, VnMsgIcon::None);
            EXPECT_EQ(boxes.Shown()[0].caption, VnProgramName());
        }
    }
}

// Texts the typing filter lets through on their way to a number: each
// would be sent as 0 (or lose a number) unless the field refuses it, with
// its format's own message. Whole numbers next to them still pass.
TEST(EditConstraintMessages, NumbersStillBeingTypedAreRefusedAtTheField)
{
    const char* kRange = "Please enter a number between -5 and 5!";
    const char* kList = "Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 9!";
    const struct {
        const char* format;
        const char* text;
        const char* message;  // nullptr: passes
        const char* why;
    } cases[] = {
        {"%i{n-5x5}", "-", kRange, "a lone sign reads as 0, which the range holds"},
        {"%i{n-5x5}", "-0", nullptr, "a signed zero is a number"},
        {"%i{n-5x5}", "-5", nullptr, "the lowest number"},
        {"%i", "-", "Please enter a number between -2147483648 and 2147483647!", "the whole 32-bit range"},
        {"%f{n-5x5}", ".", kRange, "a lone point"},
        {"%f{n-5x5}", "-", kRange, "a lone sign"},
        {"%f{n-5x5}", "-.", kRange, "sign and point"},
        {"%f{n-5x5}", "1.", nullptr, "a point after digits"},
        {"%f{n-5x5}", ".5", nullptr, "digits after a point"},
        {"%f{n-5x5}", "-0.5", nullptr, "a negative fraction"},
        {"%n,{x9}", "1,", kList, "a trailing delimiter"},
        {"%n,{x9}", "1,,2", kList, "an empty number between two delimiters (pasted)"},
        {"%n,{x9}", ",1", kList, "a leading delimiter (pasted)"},
        {"%n,{x9}", "1,2", nullptr, "two numbers"},
        {"%n,{l2}", "1,", "Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 "
                          "and 4294967295!", "a list with room for two numbers holds one and a delimiter"},
        {"%u{n0x9}", "7", nullptr, "unsigned stays as it was"},
    };
    for (const auto& c : cases) {
        QLineEdit edit;
        VnEditConstraint manager(nullptr, false);
        VnMessageBoxCapture boxes;
        manager.AddConstraint(c.format, &edit);
        edit.setText(c.text);
        EXPECT_EQ(manager.OnEditExit(&edit), c.message == nullptr) << c.format << " '" << c.text << "': " << c.why;
        const QStringList expected = c.message ? QStringList{c.message} : QStringList{};
        EXPECT_EQ(boxes.Texts(), expected) << c.format << " '" << c.text << "': " << c.why;
    }
}

// A field with a name says which field broke its rule; the rule's own
// text stays word for word after the name.
TEST(EditConstraintMessages, ANamedFieldIsNamedInItsRefusal)
{
    const struct {
        const char* format;
        const char* text;
        const char* message;
    } cases[] = {
        {"%i{n0x7}", "9", "Priority: Please enter a number between 0 and 7!"},
        {"%i{n0x7}", "-", "Priority: Please enter a number between 0 and 7!"},
        {"%s{l3}", "abcd", "Priority: Please enter a string whose length is less than 3!"},
        {"%i{l2n}", "", "Priority: Empty value is not allowed!"},
    };
    for (const auto& c : cases) {
        QLineEdit edit;
        VnEditConstraint manager(nullptr, false);
        VnMessageBoxCapture boxes;
        manager.AddConstraint(c.format, &edit);
        manager.SetFieldName(&edit, "Priority");
        edit.setText(c.text);
        EXPECT_FALSE(manager.OnEditExit(&edit)) << c.format << " " << c.text;
        EXPECT_EQ(boxes.Texts(), QStringList{c.message}) << c.format << " " << c.text;
    }
}

TEST_F(EditConstraintWindow, FailedExitShowsMessagePutsBackTheTextAndReturnsFocus)
{
    manager.AddConstraint("%i{n1x4094}", edits[0]);
    edits[0]->setText("100");
    Type(edits[0], "0");  // 1000 passes
    Leave(edits[1]);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_EQ(manager.Find(edits[0])->lastText, "1000");

    edits[0]->setFocus();
    edits[0]->selectAll();
    QTest::keyClicks(edits[0], "5000");
    Leave(edits[1]);
    ASSERT_EQ(boxes.Texts(), QStringList{"Please enter a number between 1 and 4094!"});
    EXPECT_EQ(boxes.Shown()[0].owner, &window);
    EXPECT_EQ(edits[0]->text(), "1000");
    EXPECT_TRUE(edits[0]->hasFocus());
    EXPECT_EQ(manager.Find(edits[0])->lastText, "1000");
}

TEST_F(EditConstraintWindow, FailedCheckWithNothingAcceptedKeepsTheUsersText)
{
    // The edit never held an accepted text: wiping it would lose the input,
    // so it stays to be corrected and the focus comes back.
    manager.AddConstraint("%i{n1x4094}", edits[0]);
    Type(edits[0], "5000");
    Leave(edits[1]);
    EXPECT_EQ(boxes.Texts().size(), 1);
    EXPECT_EQ(edits[0]->text(), "5000");
    EXPECT_TRUE(edits[0]->hasFocus());
}

TEST_F(EditConstraintWindow, EmptyTextIsAcceptedUnlessNotEmptyIsAsked)
{
    manager.AddConstraint("%i{n1x9}", edits[0]);
    manager.AddConstraint("%i{n1x9l1n}", edits[1]);
    edits[0]->setText("5");
    edits[1]->setText("6");

    Type(edits[0], "\b");
    Leave(edits[2]);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_EQ(edits[0]->text(), "");
    EXPECT_EQ(manager.Find(edits[0])->lastText, "5") << "an empty exit remembers nothing";

    Type(edits[1], "\b");
    Leave(edits[2]);
    EXPECT_EQ(boxes.Texts(), QStringList{"Empty value is not allowed!"});
    EXPECT_EQ(edits[1]->text(), "6");
    EXPECT_TRUE(edits[1]->hasFocus());
}

TEST_F(EditConstraintWindow, FocusLostToAnotherWindowIsNoExit)
{
    manager.AddConstraint("%i{n1x9}", edits[0]);
    edits[0]->setText("5");
    Type(edits[0], "7");  // 57: out of range
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_EQ(edits[0]->text(), "57");

    // Back in the window, leaving the edit is checked.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Leave(edits[1]);
    EXPECT_EQ(boxes.Texts().size(), 1);
    EXPECT_EQ(edits[0]->text(), "5");
}

TEST_F(EditConstraintWindow, MenuPopupIsNoExit)
{
    manager.AddConstraint("%i{n1x9}", edits[0]);
    edits[0]->setText("5");
    Type(edits[0], "7");
    QMenu menu(&window);
    menu.addAction("Copy");
    menu.popup(edits[0]->mapToGlobal(QPoint(2, 2)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.Texts().isEmpty());
    menu.close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_EQ(edits[0]->text(), "57");
}

TEST_F(EditConstraintWindow, TwoEditsWithRefusedProgramValuesDoNotPingPong)
{
    manager.AddConstraint("%i{n1x9}", edits[0]);
    manager.AddConstraint("%i{n1x9}", edits[1]);
    edits[0]->setText("0");
    edits[1]->setText("0");
    edits[0]->setFocus();
    Leave(edits[1]);
    Leave(edits[0]);
    Leave(edits[1]);
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(EditConstraintWindow, CheckAllCatchesAnEditThatWasNeverLeft)
{
    manager.AddConstraint("%i{n1x9}", edits[0]);
    manager.AddConstraint("%s{l3}", edits[1]);
    edits[0]->setText("4");
    edits[1]->setText("ab");
    EXPECT_TRUE(manager.CheckAll());
    EXPECT_TRUE(boxes.Texts().isEmpty());

    // A Set button that does not take the focus: the edit is never left.
    button->setFocusPolicy(Qt::NoFocus);
    Type(edits[0], "2");  // 42
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_TRUE(edits[0]->hasFocus());
    ASSERT_TRUE(boxes.Texts().isEmpty());
    EXPECT_FALSE(manager.CheckAll());
    EXPECT_EQ(boxes.Texts(), QStringList{"Please enter a number between 1 and 9!"});
    EXPECT_EQ(edits[0]->text(), "4");
    EXPECT_TRUE(edits[0]->hasFocus());
    EXPECT_TRUE(manager.CheckAll());
}

TEST_F(EditConstraintWindow, MovesOnWhenFull)
{
    manager.AddConstraint("%i{n0x16777214l8a}", edits[0]);
    Type(edits[0], "1234567");
    QCoreApplication::processEvents();
    EXPECT_TRUE(edits[0]->hasFocus()) << "seven of eight digits";
    QTest::keyClicks(edits[0], "8");
    EXPECT_TRUE(edits[0]->hasFocus()) << "the move is queued, not immediate";
    QCoreApplication::processEvents();
    EXPECT_TRUE(edits[1]->hasFocus());

    // A length without the a suffix stays.
    manager.AddConstraint("%i{l2}", edits[2]);
    Type(edits[2], "12");
    QCoreApplication::processEvents();
    EXPECT_TRUE(edits[2]->hasFocus());
}

TEST_F(EditConstraintWindow, ProgramTextThatFillsTheEditDoesNotMoveTheFocus)
{
    manager.AddConstraint("%i{l3a}", edits[0]);
    edits[0]->setFocus();
    edits[0]->setText("123");
    QCoreApplication::processEvents();
    EXPECT_TRUE(edits[0]->hasFocus());
}

TEST_F(EditConstraintWindow, EndCharacterIsTakenOutAndMovesOn)
{
    manager.AddConstraint("%s{l10e/}", edits[0]);
    Type(edits[0], "ab/");
    EXPECT_EQ(edits[0]->text(), "ab");
    QCoreApplication::processEvents();
    EXPECT_TRUE(edits[1]->hasFocus());

    // Text the program sets keeps the character.
    edits[0]->setText("a/b");
    EXPECT_EQ(edits[0]->text(), "a/b");
}

TEST_F(EditConstraintWindow, SavedHandlersRunAfterTheConstraintAndMayReject)
{
    manager.AddConstraint("%i{n1x99l2a}", edits[0]);
    _EditConstraint_s* r = manager.Find(edits[0]);
    int changes = 0;
    r->onChange = [&](QLineEdit*) {
        ++changes;
        return false;  // also stops the move on when full
    };
    r->onExit = [](QLineEdit* e) { return e->text() != "13"; };
    edits[0]->setText("10");
    Type(edits[0], "\b\b1x3");
    EXPECT_EQ(edits[0]->text(), "13");
    EXPECT_EQ(changes, 4) << "after each change that leaves a text, filtered or not";
    QCoreApplication::processEvents();
    EXPECT_TRUE(edits[0]->hasFocus());

    EXPECT_FALSE(manager.OnEditExit(edits[0]));
    EXPECT_EQ(edits[0]->text(), "10");
    EXPECT_TRUE(boxes.Texts().isEmpty()) << "the handler's refusal shows nothing itself";
}

TEST_F(EditConstraintWindow, ExceptionInAHandlerIsShownNotThrownOutOfTheSlot)
{
    manager.AddConstraint("%s", edits[0]);
    manager.Find(edits[0])->onChange = [](QLineEdit*) -> bool { throw std::runtime_error("boom"); };
    Type(edits[0], "x");
    EXPECT_EQ(boxes.Texts(), QStringList{"boom"});
}

TEST_F(EditConstraintWindow, RemoveConstraintGivesBackAPlainEdit)
{
    manager.AddConstraint("%i{n1x9}", edits[0]);
    manager.RemoveConstraint(edits[0]);
    manager.RemoveConstraint(edits[0]);  // no record: ignored
    EXPECT_EQ(manager.Find(edits[0]), nullptr);
    Type(edits[0], "a77");
    Leave(edits[1]);
    EXPECT_EQ(edits[0]->text(), "a77");
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(EditConstraintWindow, RememberTextAndSetOwner)
{
    QWidget other;
    manager.AddConstraint("%i{n1x9}", edits[0]);
    edits[0]->setText("3");
    Type(edits[0], "\b4");
    manager.RememberText(edits[0]);
    EXPECT_EQ(manager.Find(edits[0])->lastText, "4");

    manager.SetOwner(&other);
    edits[0]->setText("3");
    Type(edits[0], "3");
    EXPECT_FALSE(manager.CheckAll());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].owner, &other);
}

// The edits outlive a binder's manager, and a form may delete an edit first:
// neither may reach freed memory (ASan watches).
TEST(EditConstraintLifetime, EditsAndManagerMayGoInEitherOrder)
{
    VnMessageBoxCapture boxes;
    QWidget window;
    auto* edit = new QLineEdit(&window);
    {
        VnEditConstraint manager(&window, true);
        manager.AddConstraint("%i{n1x9}", edit);
    }
    QTest::keyClicks(edit, "x5");
    EXPECT_EQ(edit->text(), "x5");

    VnEditConstraint manager(&window, true);
    manager.AddConstraint("%i", edit);
    delete edit;
    EXPECT_EQ(manager.Find(edit), nullptr);
    EXPECT_TRUE(manager.CheckAll());
}

} // namespace
