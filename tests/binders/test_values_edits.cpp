// Values typed into an editor's fields go out as what was typed or not at
// all: a text that is no value of its item's syntax refuses the set with a
// message naming the field; an octet string the user did not change goes
// back byte for byte, whatever its character set; a port grid writes over
// the item's bytes; a number list past 32 bits is out of range.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "QtPrint.h"
#include "SessionSwitchTest.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "test_controls_support.h"

namespace {

namespace S = VnSyntax;
namespace A = VnAccess;
using Record = std::vector<std::vector<std::string>>;

#define VALTEST_S(n) "1.3.6.1.4.1.88406.995.1." #n

// Scalars of tools/simswitch/data/values-set.sim.
const VnSNMPVarDesc kScalars[] = {
    {VALTEST_S(1), "Mtu", S::Integer, A::ReadWrite},
    {VALTEST_S(8), "Server2 IPAddr", S::IpAddress, A::ReadWrite},
    {VALTEST_S(10), "Clock", S::DateTime, A::ReadWrite},
    {VALTEST_S(11), "Location", S::DisplayStr, A::ReadWrite},
    {VALTEST_S(12), "Ports", S::OctetStr, A::ReadWrite},
    {},
};
enum Scalar { kMtu, kServer, kClock, kLocation, kPorts };

// Table 6: a name that is not UTF-8 in row 1, a plain one in row 2.
const VnSNMPVarDesc kNames[] = {
    {"1.3.6.1.4.1.88406.995.6.1.1", "Index", S::Integer, A::ReadOnly},
    {"1.3.6.1.4.1.88406.995.6.1.2", "Name", S::DisplayStr, A::ReadWrite},
    {},
};

std::string LastLine(const QPlainTextEdit& memo)
{
    const QStringList lines = memo.toPlainText().split('\n');
    return bindertest::WithoutTime(lines.back());
}

std::string NothingSentLine()
{
    return "Set: " + std::string(kVnNothingSentText) + ". Receive at T.";
}

std::string OkLine(const char* kind)
{
    return std::string(kind) + ": " + VnErrorText(kVnOk) + ". Receive at T.";
}

const QString kCafeLatin1 = QString::fromLatin1("caf\xE9");  // shown for 63 61 66 E9

// A form over the scalars: one plain edit per item (no format to lean on),
// as the coming editors have many.
struct ScalarForm {
    QWidget form;
    QPlainTextEdit memo{&form};
    std::vector<QLineEdit*> edits;
    VnSNMPRequest2Edits binder{&form};

    ScalarForm(std::uint16_t port, const char* locationFormat = "%s")
    {
        binder.request.varList = VnSNMPVarList(kScalars, SVT_SV, 0);
        bindertest::Aim(binder.request, port);
        for (int i = kMtu; i <= kLocation; ++i) {
            edits.push_back(new QLineEdit(&form));
            binder.BindEdits(i, i == kLocation ? locationFormat : "%s", {edits.back()});
        }
        binder.SetStatusOutput(&memo);
    }
    bool Load()
    {
        binder.Refresh();
        return RunUntil([&] { return !binder.Busy(); }) && LastLine(memo) == OkLine("Get");
    }
    bool Apply(int item)
    {
        const bool sent = binder.Apply(true, true, std::to_string(item));
        EXPECT_TRUE(RunUntil([&] { return !binder.Busy(); }));
        return sent;
    }
};

class ValuesEditsTest : public SessionSwitchTest {
protected:
    ValuesEditsTest() : SessionSwitchTest("values-set.sim") {}
};

} // namespace

// Through a plain edit box, a value goes out only when it is one of its
// syntax; "300.1.1.1" went out as 44.1.1.1 and "1.2.3.4.5" as 1.2.3.4 with
// "Ok", and "10.1.2.3 " was left out of the set with "Ok" too.
TEST_F(ValuesEditsTest, EditorFieldsSendOnlyValuesOfTheirSyntax)
{
    struct Case {
        int item;
        const char* typed;
        const char* sent;  // nullptr: refused
    };
    const Case cases[] = {
        {kServer, "300.1.1.1", nullptr},
        {kServer, "1.2.3.4.5", nullptr},
        {kServer, "10.1.2", nullptr},
        {kServer, "10.1.2.3 ", "10.1.2.3"},
        {kMtu, "12ab", nullptr},
        {kMtu, "", nullptr},
        {kMtu, "4294967296", nullptr},
        {kMtu, "1500", "1500"},
        {kClock, "tomorrow", nullptr},
        {kClock, "2006-13-7,14:5:9.0", nullptr},
        {kClock, "2006-3-7,14:5:9.0,+8:0", "07D603070E0509002B0800"},
    };
    VnMessageBoxCapture boxes;
    ScalarForm f(port());
    ASSERT_TRUE(f.Load());
    for (const Case& c : cases) {
        sim().clearSets();
        boxes.Clear();
        f.edits[static_cast<std::size_t>(c.item)]->setText(QString::fromUtf8(c.typed));
        const bool sent = f.Apply(c.item);
        const std::string label = kScalars[c.item].label;
        if (!c.sent) {
            EXPECT_FALSE(sent) << c.typed;
            ASSERT_EQ(boxes.Texts().size(), 1) << c.typed;
            EXPECT_TRUE(boxes.Texts()[0].startsWith(QString::fromStdString(label + ": '" + c.typed + "'")))
                << boxes.Texts()[0].toStdString();
            EXPECT_EQ(LastLine(f.memo), NothingSentLine()) << c.typed;
            RunEvents(50);
            EXPECT_TRUE(SetRecord().empty()) << c.typed;
            continue;
        }
        EXPECT_TRUE(sent) << c.typed;
        EXPECT_TRUE(boxes.Texts().isEmpty()) << c.typed;
        EXPECT_EQ(LastLine(f.memo), OkLine("Set")) << c.typed;
        EXPECT_EQ(SetRecord(), (Record{{std::string(kScalars[c.item].oid) + ".0=" + c.sent}})) << c.typed;
    }
}

// Four boxes of an address without a format: a part past 255 is refused
// as a whole, not cut to its low byte.
TEST_F(ValuesEditsTest, AddressInPartsIsCheckedAsAWhole)
{
    VnMessageBoxCapture boxes;
    QWidget form;
    QPlainTextEdit memo(&form);
    std::vector<QLineEdit*> parts;
    for (int k = 0; k < 4; ++k)
        parts.push_back(new QLineEdit(&form));
    VnSNMPRequest2Edits binder(&form);
    binder.request.varList = VnSNMPVarList(kScalars, SVT_SV, 0);
    bindertest::Aim(binder.request, port());
    binder.BindEdits(kServer, "%s%s%s%s", parts);
    binder.SetStatusOutput(&memo);
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    EXPECT_EQ(parts[3]->text(), "3");

    parts[0]->setText("300");
    EXPECT_FALSE(binder.Apply(true, true, std::to_string(kServer)));
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_TRUE(boxes.Texts()[0].startsWith("Server2 IPAddr: '300.1.2.3'")) << boxes.Texts()[0].toStdString();
    EXPECT_EQ(LastLine(memo), NothingSentLine());
    RunEvents(50);
    EXPECT_TRUE(SetRecord().empty());

    parts[0]->setText("10");
    parts[3]->setText("9");
    EXPECT_TRUE(binder.Apply(true, true, std::to_string(kServer)));
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    EXPECT_EQ(SetRecord(), (Record{{VALTEST_S(8) ".0=10.1.2.9"}}));
}

// The agent's 63 61 66 E9 is no UTF-8: it showed a replacement character
// and an untouched set sent 63 61 66 EF BF BD.
TEST_F(ValuesEditsTest, OctetStringsGoBackByteForByte)
{
    VnMessageBoxCapture boxes;
    ScalarForm f(port(), "%s{l4}");
    ASSERT_TRUE(f.Load());
    QLineEdit* location = f.edits[kLocation];
    EXPECT_EQ(location->text(), kCafeLatin1) << "shown readably, as Latin-1";

    struct Step {
        QString typed;  // empty: leave the text as it was read
        const char* sent;
        const char* why;
    };
    const Step steps[] = {
        {{}, "636166E9", "untouched: the agent's bytes"},
        {QString::fromLatin1("caf\xE8"), "636166E8", "changed: still Latin-1, as the value it replaced"},
        {QString::fromUtf8("\xE2\x82\xAC"), "E282AC", "a character Latin-1 has not: UTF-8"},
    };
    for (const Step& step : steps) {
        sim().clearSets();
        if (!step.typed.isEmpty())
            location->setText(step.typed);
        EXPECT_TRUE(f.Apply(kLocation)) << step.why;
        EXPECT_EQ(SetRecord(), (Record{{VALTEST_S(11) ".0=" + std::string(step.sent)}})) << step.why;
    }
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

// The same through a list row: the row shows the name readably, and Set on
// the selected row sends its bytes unchanged. A string's length limit counts
// the bytes it goes out as, while typing and on the check.
TEST_F(ValuesEditsTest, ListRowsKeepTheirBytesAndLimitsCountBytes)
{
    VnMessageBoxCapture boxes;
    QWidget form;
    QPlainTextEdit memo(&form);
    QTreeWidget list(&form);
    QLineEdit* name = new QLineEdit(&form);
    VnSNMPRequest2Edits binder(&form);
    binder.request.varList = VnSNMPVarList(kNames, MVT_FMV, 1);
    bindertest::Aim(binder.request, port());
    binder.BindListView(&list);
    binder.BindEdits(1, "%s{l6f}", {name});
    binder.SetStatusOutput(&memo);
    form.show();
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy() && list.topLevelItemCount() == 2; }));
    EXPECT_EQ(list.topLevelItem(0)->text(1), kCafeLatin1);

    const auto apply = [&] {
        const bool sent = binder.Apply(false, true, "1");
        EXPECT_TRUE(RunUntil([&] { return !binder.Busy(); }));
        return sent;
    };
    list.setCurrentItem(list.topLevelItem(0));
    EXPECT_EQ(name->text(), kCafeLatin1);
    EXPECT_TRUE(apply());
    EXPECT_EQ(SetRecord(), (Record{{"1.3.6.1.4.1.88406.995.6.1.2.1=636166E9"}}));

    // Row 2's "plain" is UTF-8. Typing stops where the bytes reach the
    // limit: "plaié" is 6 of them, a second "é" would make 8; and 6 bytes
    // are the exact length the check asks for, though 5 characters.
    sim().clearSets();
    list.setCurrentItem(list.topLevelItem(1));
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "plai");
    for (int k = 0; k < 2; ++k)
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString::fromUtf8("\xC3\xA9"), Qt::NoModifier);
    EXPECT_EQ(name->text(), QString::fromUtf8("plai\xC3\xA9"));
    EXPECT_TRUE(apply());
    EXPECT_EQ(SetRecord(), (Record{{"1.3.6.1.4.1.88406.995.6.1.2.2=706C6169C3A9"}}));
    EXPECT_TRUE(boxes.Texts().isEmpty());

    // Five characters of one byte each are not the 6 the check asks for.
    sim().clearSets();
    name->selectAll();
    QTest::keyClicks(name, "plain");
    EXPECT_FALSE(apply());
    EXPECT_EQ(boxes.Texts().size(), 1);
    EXPECT_EQ(LastLine(memo), NothingSentLine());
    RunEvents(50);
    EXPECT_TRUE(SetRecord().empty());
}

// A grid of 8 boxes over the 4-byte bitmap of a scalar (no list row to take
// the value from): one box cleared went out as 1 byte.
TEST_F(ValuesEditsTest, PortGridWritesOverTheItemsBytes)
{
    QWidget form;
    QPlainTextEdit memo(&form);
    std::vector<QCheckBox*> boxes;
    for (int k = 0; k < 8; ++k)
        boxes.push_back(new QCheckBox(&form));
    VnSNMPRequest2Edits binder(&form);
    binder.request.varList = VnSNMPVarList(kScalars, SVT_SV, 0);
    bindertest::Aim(binder.request, port());
    binder.BindCheckBoxList(kPorts, "0,1,2,3,4,5,6,7", boxes);
    binder.SetStatusOutput(&memo);
    binder.Refresh();
    ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
    ASSERT_TRUE(boxes[0]->isChecked());

    const struct {
        int box;
        const char* sent;
    } steps[] = {{0, "00000001"}, {7, "01000001"}};
    for (const auto& step : steps) {
        sim().clearSets();
        boxes[static_cast<std::size_t>(step.box)]->click();
        EXPECT_TRUE(binder.Apply(false, true, std::to_string(kPorts)));
        ASSERT_TRUE(RunUntil([&] { return !binder.Busy(); }));
        EXPECT_EQ(SetRecord(), (Record{{VALTEST_S(12) ".0=" + std::string(step.sent)}}));
    }
}

// "%n,{x10}" accepted 4294967297: the number wrapped to 1 before the range
// check.
TEST_F(ValuesEditsTest, NumberListsDoNotWrapBeforeTheRangeCheck)
{
    VnMessageBoxCapture boxes;
    ScalarForm f(port(), "%n,{x10}");
    f.form.show();
    ASSERT_TRUE(f.Load());
    const struct {
        const char* typed;
        const char* sent;  // nullptr: refused
    } cases[] = {
        {"4294967297", nullptr},
        {"1,18446744073709551617", nullptr},
        {"1,10", "312C3130"},
    };
    for (const auto& c : cases) {
        sim().clearSets();
        boxes.Clear();
        // Typed, as the check passes what the program sets.
        QLineEdit* edit = f.edits[kLocation];
        edit->setText({});
        edit->setFocus();
        QTest::keyClicks(edit, c.typed);
        const bool sent = f.Apply(kLocation);
        if (!c.sent) {
            EXPECT_FALSE(sent) << c.typed;
            ASSERT_EQ(boxes.Texts().size(), 1) << c.typed;
            EXPECT_TRUE(boxes.Texts()[0].contains("between 0 and 10")) << boxes.Texts()[0].toStdString();
            RunEvents(50);
            EXPECT_TRUE(SetRecord().empty()) << c.typed;
            continue;
        }
        EXPECT_TRUE(sent) << c.typed;
        EXPECT_EQ(SetRecord(), (Record{{VALTEST_S(11) ".0=" + std::string(c.sent)}})) << c.typed;
    }
}
