// Item values into bound controls and back: bit grids, check boxes, combo
// boxes, radio groups, labels and groups of edit boxes by syntax.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "QtPrint.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnOptionList.h"
#include "VnRadioGroup.h"
#include "VnSNMPRequest2Edits.h"
#include "test_controls_support.h"

namespace {

namespace S = VnSyntax;
namespace A = VnAccess;
using bindertest::kModeOptions;
using bindertest::kStateOptions;

enum Item {
    kPorts, kState, kUptime, kAddress, kBytes, kName, kOid, kMac, kWhen, kStamp, kEnabled, kCount,
    kReadOnly, kMode, kIpv6,
};

const VnSNMPVarDesc kItems[] = {
    {"1.3.6.1.4.1.88406.996.1", "Ports", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.2", "State", S::Integer, A::ReadWrite, &kStateOptions},
    {"1.3.6.1.4.1.88406.996.3", "Uptime", S::TimeTicks, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.4", "Address", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.5", "Bytes", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.6", "Name", S::DisplayStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.7", "Oid", S::ObjectId, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.8", "Mac", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.9", "When", S::DateTime, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.10", "Stamp", S::BcdDateTime, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.11", "Enabled", S::Boolean, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.12", "Count", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.13", "ReadOnly", S::Integer, A::ReadOnly},
    {"1.3.6.1.4.1.88406.996.14", "Mode", S::Integer, A::ReadWrite, &kModeOptions},
    {"1.3.6.1.4.1.88406.996.15", "Ipv6", S::Ipv6Address, A::ReadWrite},
    {},
};

int CodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const VnException& e) {
        return e.HelpContext();
    }
    return 0;
}

// A conversion per edit box, for groups of any size.
std::string Format(std::size_t count)
{
    std::string format;
    for (std::size_t k = 0; k < count; ++k)
        format += "%s";
    return format;
}

class TransferTest : public ::testing::Test {
protected:
    void SetUp() override { binder.request.varList = VnSNMPVarList(kItems, SVT_SV, 0); }

    std::string& Value(int i) { return binder.request.varList.Item(i).value; }

    std::vector<QLineEdit*> Edits(std::size_t count, const QString& text = {})
    {
        std::vector<QLineEdit*> edits;
        for (std::size_t k = 0; k < count; ++k)
            edits.push_back(new QLineEdit(text, &form));
        return edits;
    }
    std::vector<QCheckBox*> Boxes(std::size_t count)
    {
        std::vector<QCheckBox*> boxes;
        for (std::size_t k = 0; k < count; ++k)
            boxes.push_back(new QCheckBox(&form));
        return boxes;
    }
    static std::string BitList(int first, int last)
    {
        std::string list;
        for (int b = first; b <= last; ++b)
            list += (b > first ? "," : "") + std::to_string(b);
        return list;
    }
    static std::vector<std::string> Texts(const std::vector<QLineEdit*>& edits)
    {
        std::vector<std::string> texts;
        for (QLineEdit* edit : edits)
            texts.push_back(edit->text().toStdString());
        return texts;
    }
    static std::vector<int> Checked(const std::vector<QCheckBox*>& boxes)
    {
        std::vector<int> checked;
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            if (boxes[k]->isChecked())
                checked.push_back(static_cast<int>(k));
        }
        return checked;
    }

    QWidget form;
    VnSNMPRequest2Edits binder{&form};
};

} // namespace

// ---------------------------------------------------------------- bits

TEST_F(TransferTest, BitGridShowsAPortBitmap)
{
    const auto boxes = Boxes(32);
    binder.BindCheckBoxList(kPorts, BitList(0, 31), boxes);
    Value(kPorts) = "80000001";
    binder.UpdateControls();
    EXPECT_EQ(Checked(boxes), (std::vector<int>{0, 31})) << "bit 0 is the first byte's top bit";

    QCheckBox* far = new QCheckBox(&form);
    binder.BindCheckBoxes(kPorts, "40", {far});
    EXPECT_EQ(CodeOf([&] { binder.UpdateControls(); }), kVnErrIndexOutOfRange);
}

TEST_F(TransferTest, BitsPastTheValueAreClearedThenRefused)
{
    struct Case {
        const char* why;
        const char* value;
        std::vector<int> checked;
    };
    const Case cases[] = {
        {"an empty value has no byte", "", {}},
        {"a shorter value leaves no bits of the previous row", "FF", {0, 1, 2, 3, 4, 5, 6, 7}},
    };
    for (const Case& c : cases) {
        binder.Unbind(kPorts);
        const auto boxes = Boxes(16);
        binder.BindCheckBoxList(kPorts, BitList(0, 15), boxes);
        for (QCheckBox* box : boxes)
            box->setChecked(true);
        Value(kPorts) = c.value;
        EXPECT_EQ(CodeOf([&] { binder.UpdateControls(kPorts); }), kVnErrIndexOutOfRange) << c.why;
        EXPECT_EQ(Checked(boxes), c.checked) << c.why;
    }
}

TEST_F(TransferTest, BitGridWritesOverTheFirstBytesOnly)
{
    const auto boxes = Boxes(2);
    binder.BindCheckBoxes(kPorts, "0,8", {boxes[0], boxes[1]});
    boxes[1]->setChecked(true);
    Value(kPorts) = "FFFFFFFF";
    binder.ReadControls();
    EXPECT_EQ(Value(kPorts), "0080FFFF") << "bits without a box are 0 in the bytes covered";
}

// ---------------------------------------------------------------- single controls

TEST_F(TransferTest, CheckBoxByOptionListOrBoolean)
{
    QCheckBox state(&form);
    QCheckBox enabled(&form);
    binder.BindCheckBox(kState, &state);
    binder.BindCheckBox(kEnabled, &enabled);

    struct Case {
        const char* value;
        bool checked;
    };
    for (const Case& c : {Case{"enabled", true}, Case{"disabled", false}, Case{"3", true}, Case{"9", false}}) {
        Value(kState) = c.value;
        binder.UpdateControls(kState);
        EXPECT_EQ(state.isChecked(), c.checked) << c.value;
    }
    state.setChecked(true);
    binder.ReadControls(kState);
    EXPECT_EQ(Value(kState), "enabled");
    state.setChecked(false);
    binder.ReadControls(kState);
    EXPECT_EQ(Value(kState), "disabled");

    Value(kEnabled) = "true";
    binder.UpdateControls(kEnabled);
    EXPECT_TRUE(enabled.isChecked());
    enabled.setChecked(false);
    binder.ReadControls(kEnabled);
    EXPECT_EQ(Value(kEnabled), "false");

    QCheckBox plain(&form);
    binder.BindCheckBox(kCount, &plain);
    EXPECT_EQ(CodeOf([&] { binder.UpdateControls(kCount); }), kVnErrBadDataSyntax);
    EXPECT_EQ(CodeOf([&] { binder.ReadControls(kCount); }), kVnErrBadDataSyntax);
}

TEST_F(TransferTest, ComboBoxAndRadioGroupMoveLabels)
{
    QComboBox combo(&form);
    VnRadioGroup group(&form);
    binder.BindComboBox(kState, &combo);
    binder.BindControl(kMode, &group);
    Value(kState) = "3";
    Value(kMode) = "off";
    binder.UpdateControls();
    EXPECT_EQ(combo.currentText(), "enabled") << "a value text selects by value";
    EXPECT_EQ(group.SelectedText(), "off");

    combo.setCurrentIndex(0);
    group.SetItemIndex(1);
    binder.ReadControls();
    EXPECT_EQ(Value(kState), "disabled");
    EXPECT_EQ(Value(kMode), "manual");
}

TEST_F(TransferTest, LabelsShowAndOtherControlsAreRefused)
{
    QLabel label(&form);
    binder.BindLabel(kState, &label);
    Value(kState) = "2";
    binder.UpdateControls();
    EXPECT_EQ(label.text(), "disabled");

    QPushButton button(&form);
    binder.BindControl(kCount, &button);
    Value(kCount) = "5";
    EXPECT_EQ(CodeOf([&] { binder.UpdateControls(kCount); }), kVnErrBadControlType);
    binder.ReadControls(kCount);
    EXPECT_EQ(Value(kCount), "5") << "a control that holds no value leaves the item";
}

// A control that cannot show its value must not leave the ones bound after
// it showing an earlier row: they are filled, then the failure is raised.
TEST_F(TransferTest, AFailingBindingStillLetsTheLaterOnesShowTheirValues)
{
    QPushButton button(&form);
    binder.BindControl(kState, &button);
    const auto name = Edits(1, "earlier row");
    binder.BindEdits(kName, "%s", name);
    Value(kState) = "2";
    Value(kName) = "this row";
    EXPECT_EQ(CodeOf([&] { binder.UpdateControls(); }), kVnErrBadControlType);
    EXPECT_EQ(name[0]->text(), "this row");
}

TEST_F(TransferTest, WholeValueControlsLeaveNoOldTail)
{
    struct Case {
        const char* why;
        int item;
        const char* before;
        const char* typed;
        const char* after;
    };
    const Case cases[] = {
        {"a display string is the edit's text", kName, "a much longer name", "ab", "ab"},
        {"a shorter octet string", kBytes, "ABCDEF", "AB", "AB"},
        {"a shorter object identifier", kOid, "1.3.6.1", "1.3", "1.3"},
        {"an integer", kCount, "123456", "7", "7"},
    };
    for (const Case& c : cases) {
        const auto edit = Edits(1);
        binder.BindEdits(c.item, "%s", edit);
        Value(c.item) = c.before;
        edit[0]->setText(c.typed);
        binder.ReadControls(c.item);
        EXPECT_EQ(Value(c.item), c.after) << c.why;
    }
}

TEST_F(TransferTest, ReadOnlyEditShowsTheBeginningOfALongValue)
{
    const auto edit = Edits(1);
    edit[0]->setReadOnly(true);
    binder.BindEdits(kName, "%s", edit);
    Value(kName) = "800007E580A1B2C3D4E5F60718293A4B";
    binder.UpdateControls(kName);
    EXPECT_EQ(edit[0]->text(), "800007E580A1B2C3D4E5F60718293A4B");
    EXPECT_EQ(edit[0]->cursorPosition(), 0);
}

TEST_F(TransferTest, SkippedItemsAndControls)
{
    QLabel label(&form);
    binder.BindLabel(kCount, &label);
    binder.request.varList.Item(kCount).access |= A::Invalid;
    Value(kCount) = "5";
    binder.UpdateControls();
    EXPECT_TRUE(label.text().isEmpty()) << "an invalid item is left out";

    const auto edit = Edits(1, "99");
    binder.BindEdits(kReadOnly, "%i", edit);
    Value(kReadOnly) = "1";
    binder.ReadControls();
    EXPECT_EQ(Value(kReadOnly), "1") << "an item that is not written is not read";

    auto* gone = new QCheckBox(&form);
    binder.BindCheckBox(kEnabled, gone);
    delete gone;
    Value(kEnabled) = "true";
    binder.UpdateControls(kEnabled);
    binder.ReadControls(kEnabled);
    EXPECT_EQ(Value(kEnabled), "true") << "a deleted control takes and gives nothing";
}

// ---------------------------------------------------------------- edit groups

TEST_F(TransferTest, EditGroupsShowValuesInParts)
{
    struct Case {
        const char* why;
        int item;
        const char* value;
        std::size_t edits;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"time ticks as days, hours, minutes, seconds, hundredths", kUptime, "1 day 0:00:00.01", 5,
         {"1", "0", "0", "0", "1"}},
        {"an address byte per edit", kAddress, "10.1.2.3", 4, {"10", "1", "2", "3"}},
        {"(NULL) leaves an address group alone", kAddress, "(NULL)", 4, {"x", "x", "x", "x"}},
        {"an empty address too", kAddress, "", 4, {"x", "x", "x", "x"}},
        {"MAC bytes in hex", kMac, "001A2B3C4D5E", 6, {"00", "1A", "2B", "3C", "4D", "5E"}},
        {"edits past an octet string keep their text", kBytes, "0A0B", 4, {"0A", "0B", "x", "x"}},
        {"one sub-identifier per edit", kOid, "1.3.6.1", 4, {"1", "3", "6", "1"}},
        {"DateAndTime fields", kWhen, "2006-3-7,14:5:9.0,+8:0", 10,
         {"2006", "3", "7", "14", "5", "9", "0", "+", "8", "0"}},
        {"date value fields on a 24-hour clock", kStamp, "2024/02/29 01:02:03 pm", 7,
         {"2024", "2", "29", "13", "2", "3", "0"}},
        {"IPv6 bytes in hex", kIpv6, "FE800000000000000000000000000001", 16,
         {"FE", "80", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "00", "01"}},
    };
    for (const Case& c : cases) {
        binder.Unbind(c.item);
        const auto edits = Edits(c.edits, "x");
        binder.BindEdits(c.item, Format(c.edits), edits);
        Value(c.item) = c.value;
        binder.UpdateControls(c.item);
        EXPECT_EQ(Texts(edits), c.shown) << c.why;
    }
}

TEST_F(TransferTest, EditGroupsTooSmallAreRefused)
{
    struct Case {
        const char* why;
        int item;
        const char* value;
        std::size_t edits;
        bool update;
    };
    const Case cases[] = {
        {"three edits for an address, even for (NULL)", kAddress, "(NULL)", 3, true},
        {"four bytes in two edits", kBytes, "01020304", 2, true},
        {"nine edits for a DateAndTime", kWhen, "2006-3-7,14:5:9.0", 9, true},
        {"reading an address needs four edits", kAddress, "1.2.3.4", 3, false},
        {"reading time ticks needs five", kUptime, "0:00:00.00", 4, false},
    };
    for (const Case& c : cases) {
        binder.Unbind(c.item);
        binder.BindEdits(c.item, Format(c.edits), Edits(c.edits, "1"));
        Value(c.item) = c.value;
        const int code = CodeOf([&] {
            if (c.update)
                binder.UpdateControls(c.item);
            else
                binder.ReadControls(c.item);
        });
        EXPECT_EQ(code, kVnErrTooFewControls) << c.why;
    }
}

TEST_F(TransferTest, EditGroupsReadBackByTheirSyntax)
{
    struct Case {
        const char* why;
        int item;
        std::vector<std::string> typed;
        const char* value;
    };
    const Case cases[] = {
        {"empty gives 00, one digit gets a leading 0", kBytes, {"1", "", "AB", "c"}, "0100AB0C"},
        {"octet strings read any number of edits", kBytes, {"FF"}, "FF"},
        {"time ticks", kUptime, {"1", "0", "0", "0", "1"}, "1 day 0:00:00.01"},
        {"an address", kAddress, {"192", "168", "1", "20"}, "192.168.1.20"},
        {"blanks around a part; an empty part is 0", kAddress, {" 10 ", "", "-0", "7"}, "10.0.0.7"},
        {"a part that is no number stays as typed, for the set to refuse", kAddress, {" 10x", "", "0", "7"},
         "10x.0.0.7"},
        {"a MAC address", kMac, {"0", "1A", "2b", "3C", "4D", "5E"}, "001A2B3C4D5E"},
        {"an object identifier of any length", kOid, {"1", "3", "6"}, "1.3.6"},
        {"DateAndTime", kWhen, {"2006", "3", "7", "14", "5", "9", "0", "-", "5", "30"}, "2006-3-7,14:5:9.0,-5:30"},
        {"a date value", kStamp, {"2024", "2", "29", "13", "2", "3", "0"}, "2024/02/29 01:02:03 pm"},
    };
    for (const Case& c : cases) {
        binder.Unbind(c.item);
        const auto edits = Edits(c.typed.size());
        for (std::size_t k = 0; k < edits.size(); ++k)
            edits[k]->setText(QString::fromStdString(c.typed[k]));
        binder.BindEdits(c.item, Format(edits.size()), edits);
        Value(c.item) = "(NULL)";
        binder.ReadControls(c.item);
        EXPECT_EQ(Value(c.item), c.value) << c.why;
    }
}

TEST_F(TransferTest, DateValueOutsideTheCalendarIsRefused)
{
    const auto edits = Edits(7);
    const char* typed[] = {"2023", "2", "29", "0", "0", "0", "0"};
    for (std::size_t k = 0; k < 7; ++k)
        edits[k]->setText(typed[k]);
    binder.BindEdits(kStamp, Format(7), edits);
    EXPECT_EQ(CodeOf([&] { binder.ReadControls(kStamp); }), kVnErrBadDataValue);
}

TEST_F(TransferTest, SeveralBindingsOfOneItemApplyInOrder)
{
    // An edit holds the whole bitmap; a grid shown for a while covers its
    // first byte.
    const auto edit = Edits(1);
    binder.BindEdits(kPorts, "%h", edit);
    const auto boxes = Boxes(8);
    binder.BindCheckBoxList(kPorts, BitList(0, 7), boxes);
    edit[0]->setText("00FF");
    boxes[0]->setChecked(true);
    binder.ReadControls(kPorts);
    EXPECT_EQ(Value(kPorts), "80FF");

    binder.Unbind(kPorts);
    const auto fresh = Edits(1);
    binder.BindEdits(kPorts, "%h", fresh);
    Value(kPorts) = "0102";
    binder.UpdateControls();
    EXPECT_EQ(fresh[0]->text(), "0102");
    EXPECT_EQ(edit[0]->text(), "00FF") << "after Unbind only the new edit shows the item";
    EXPECT_EQ(binder.Constraints().Find(edit[0]), nullptr);
}

TEST(TransferOptions, CheckBoxOverAOneEntryListIsRefused)
{
    // Entry 1 stands for checked; a list without it cannot take the box.
    static const VnIntOption kOnly[] = {{1, "on"}, {0, nullptr}};
    static const VnOptionList kOnlyOptions(kOnly);
    static const VnSNMPVarDesc kOne[] = {{"1.3.6.1.4.1.88406.996.1", "Only", S::Integer, A::ReadWrite, &kOnlyOptions},
                                         {}};
    QWidget form;
    VnSNMPRequest2Edits binder(&form);
    binder.request.varList = VnSNMPVarList(kOne, SVT_SV, 0);
    QCheckBox box(&form);
    binder.BindCheckBox(0, &box);
    box.setChecked(true);
    EXPECT_EQ(CodeOf([&] { binder.ReadControls(); }), kVnErrIndexOutOfRange);
}

// ---------------------------------------------------------------- no value

// "(NOTDONE)" and "(NULL)" are no data: no control shows them as a value,
// and a control left as it showed them gives its item nothing back, so the
// set leaves the item out. A change of the control is the user's value.
TEST_F(TransferTest, NoValueTextsAreNeverTakenForData)
{
    for (const char* noValue : {"(NOTDONE)", "(NULL)"}) {
        SCOPED_TRACE(noValue);
        binder.Unbind(kPorts);
        binder.Unbind(kBytes);
        binder.Unbind(kAddress);
        const auto boxes = Boxes(16);
        binder.BindCheckBoxList(kPorts, BitList(0, 15), boxes);
        for (QCheckBox* box : boxes)
            box->setChecked(true);
        const auto hex = Edits(4, "x");
        binder.BindEdits(kBytes, Format(4), hex);
        const auto address = Edits(4, "9");
        binder.BindEdits(kAddress, Format(4), address);
        for (int item : {kPorts, kBytes, kAddress})
            Value(item) = noValue;
        EXPECT_EQ(CodeOf([&] { binder.UpdateControls(); }), 0) << "no bit past the value: there is none";
        EXPECT_TRUE(Checked(boxes).empty()) << "the text's letters are no hex";
        EXPECT_EQ(Texts(hex), (std::vector<std::string>{"x", "x", "x", "x"}));
        EXPECT_EQ(Texts(address), (std::vector<std::string>{"9", "9", "9", "9"}));

        binder.ReadControls();
        EXPECT_EQ(Value(kPorts), noValue);
        EXPECT_EQ(Value(kBytes), noValue);
        EXPECT_EQ(Value(kAddress), noValue) << "the parts kept from before are no value of this item";

        boxes[15]->setChecked(true);
        address[0]->setText("10");
        binder.ReadControls();
        EXPECT_EQ(Value(kPorts), "0001") << "ticked by the user over no value: only the grid's bytes";
        EXPECT_EQ(Value(kAddress), "10.9.9.9");
        EXPECT_EQ(Value(kBytes), noValue);
    }
}

TEST_F(TransferTest, SingleControlsGiveNothingForNoValue)
{
    QComboBox combo(&form);
    VnRadioGroup group(&form);
    QLabel label(&form);
    const auto edit = Edits(1);
    binder.BindComboBox(kState, &combo);
    binder.BindControl(kMode, &group);
    binder.BindLabel(kCount, &label);
    binder.BindEdits(kName, "%s", edit);
    combo.setCurrentIndex(1);
    group.SetItemIndex(1);
    for (int item : {kState, kMode, kCount, kName})
        Value(item) = "(NOTDONE)";
    binder.UpdateControls();
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(label.text(), "(NOTDONE)");
    EXPECT_EQ(edit[0]->text(), "(NOTDONE)");
    for (int item : {kState, kMode, kCount, kName})
        Value(item) = "7";
    binder.ReadControls();
    EXPECT_EQ(Value(kState), "7") << "an unselected combo box gives nothing";
    EXPECT_EQ(Value(kMode), "7") << "nor does a radio group";
    EXPECT_EQ(Value(kCount), "7") << "a label showing no value";
    EXPECT_EQ(Value(kName), "7") << "an edit still showing no value";
}

// A number item's edit that holds no number is kept as typed, for the set
// to judge (an index refuses it), instead of becoming the 0 nobody typed.
TEST_F(TransferTest, NumberEditWithoutNumberKeepsTheText)
{
    const struct {
        const char* typed;
        const char* value;
    } cases[] = {{"12", "12"}, {" -3", "-3"}, {"", ""}, {"abc", "abc"}, {"12abc", "12abc"}};
    const auto edit = Edits(1);
    binder.BindEdits(kCount, "%s", edit);
    for (const auto& c : cases) {
        edit[0]->setText(c.typed);
        binder.ReadControls(kCount);
        EXPECT_EQ(Value(kCount), c.value) << '"' << c.typed << '"';
    }
}

// The DateAndTime group: an empty direction box is "+" for a zero offset;
// with an offset, no direction would drop the offset from the value unseen.
TEST_F(TransferTest, DateAndTimeOffsetNeedsItsDirection)
{
    const struct {
        const char* direction;
        const char* hours;
        const char* minutes;
        const char* value;  // nullptr: refused
        const char* why;
    } cases[] = {
        {"", "0", "0", "2006-3-7,14:5:9.0", "no offset needs no direction"},
        {"", "8", "0", nullptr, "an offset without a direction"},
        {"", "0", "30", nullptr, "minutes alone are an offset too"},
        {"x", "8", "0", nullptr, "nor with a direction other than + or -"},
        {" - ", "5", "30", "2006-3-7,14:5:9.0,-5:30", "blanks around the sign"},
        {"+", "8", "0", "2006-3-7,14:5:9.0,+8:0", "the usual case"},
    };
    const auto edits = Edits(10);
    binder.BindEdits(kWhen, Format(10), edits);
    for (const auto& c : cases) {
        const char* typed[] = {"2006", "3", "7", "14", "5", "9", "0", c.direction, c.hours, c.minutes};
        for (std::size_t k = 0; k < 10; ++k)
            edits[k]->setText(typed[k]);
        Value(kWhen) = "before";
        const int code = CodeOf([&] { binder.ReadControls(kWhen); });
        if (!c.value) {
            EXPECT_EQ(code, kVnErrBadDataValue) << c.why;
            EXPECT_EQ(Value(kWhen), "before") << c.why;
            continue;
        }
        EXPECT_EQ(code, 0) << c.why;
        EXPECT_EQ(Value(kWhen), c.value) << c.why;
    }
}
