// The edits binder without an agent: binding rules, the list view's columns
// and rows, row selection, and the hooks around Refresh and Apply.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "QtPrint.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnOptionList.h"
#include "VnSNMPRequest2Edits.h"
#include "test_controls_support.h"

namespace {

namespace S = VnSyntax;
namespace A = VnAccess;
using bindertest::kStateOptions;

const VnStrOption kPrefixArray[] = {{"1.3.6", "X"}, {nullptr, nullptr}};
const VnOptionList kPrefixOptions(kPrefixArray, VnOptionKind::Prefix);

// A table whose hidden column stands after visible ones.
enum Item { kIndex, kName, kSecret, kState, kPrefixed };
const VnSNMPVarDesc kRows[] = {
    {"1.3.6.1.4.1.88406.996.1", "Index", S::Integer, A::ReadOnly},
    {"1.3.6.1.4.1.88406.996.2", "Name", S::DisplayStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.996.3", "Secret", S::DisplayStr, A::ReadWrite | A::Hidden},
    {"1.3.6.1.4.1.88406.996.4", "State", S::Integer, A::ReadWrite, &kStateOptions},
    {"1.3.6.1.4.1.88406.996.5", "Prefixed", S::ObjectId, A::ReadWrite, &kPrefixOptions},
    {},
};

int CodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const VnException& e) {
        return e.HelpContext() != 0 ? e.HelpContext() : -1;
    }
    return 0;
}

// Opens the hooks for the tests.
class OpenEdits : public VnSNMPRequest2Edits {
public:
    using VnSNMPRequest2Edits::VnSNMPRequest2Edits;
    using VnSNMPRequest2Edits::AddRow;
    using VnSNMPRequest2Edits::AfterRefresh;
    using VnSNMPRequest2Edits::BeforeRefresh;
    using VnSNMPRequest2Edits::ControlsToValues;
};

class EditsTest : public ::testing::Test {
protected:
    void SetUp() override { binder.request.varList = VnSNMPVarList(kRows, MVT_FMV, 1); }

    std::string& Value(int i) { return binder.request.varList.Item(i).value; }
    void AddRow(const std::vector<std::string>& values)
    {
        for (std::size_t i = 0; i < values.size(); ++i)
            Value(static_cast<int>(i)) = values[i];
        binder.AddRow();
    }
    std::vector<std::string> RowTexts(int row)
    {
        std::vector<std::string> texts;
        const QTreeWidgetItem* item = list.topLevelItem(row);
        for (int c = 0; c < list.columnCount(); ++c)
            texts.push_back(item->text(c).toStdString());
        return texts;
    }
    std::vector<std::string> Headers()
    {
        std::vector<std::string> headers;
        for (int c = 0; c < list.columnCount(); ++c)
            headers.push_back(list.headerItem()->text(c).toStdString());
        return headers;
    }

    QWidget form;
    QTreeWidget list{&form};
    OpenEdits binder{&form};
};

} // namespace

// ---------------------------------------------------------------- binding

TEST_F(EditsTest, BindEditsTakesOneEditPerConversion)
{
    struct Case {
        const char* format;
        int controls;
    };
    for (const Case& c : {Case{"%i{n1x32}", 1}, Case{"%s{l32}", 1}, Case{"%u{x255}%u{x255}", 2},
                          Case{"%i%i%i%i", 4}}) {
        std::vector<QLineEdit*> edits;
        for (int k = 0; k < 5; ++k)
            edits.push_back(new QLineEdit(&form));
        binder.Unbind(kName);
        binder.BindEdits(kName, c.format, edits);
        ASSERT_EQ(binder.Bindings().size(), 1u) << c.format;
        EXPECT_EQ(binder.Bindings()[0]->controlCount, c.controls) << c.format;
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(binder.Constraints().Find(edits[k]) != nullptr, k < c.controls) << c.format << " edit " << k;
    }
}

TEST_F(EditsTest, BadBindingsAreRefusedAndAddNothing)
{
    auto* edit = new QLineEdit(&form);
    auto* combo = new QComboBox(&form);
    std::vector<QCheckBox*> boxes{new QCheckBox(&form), new QCheckBox(&form)};
    struct Case {
        const char* why;
        std::function<void()> bind;
        int code;
    };
    const Case cases[] = {
        {"an empty format binds no edit", [&] { binder.BindEdits(kName, "", {edit}); }, kVnErrTooFewControls},
        {"fewer edits than conversions", [&] { binder.BindEdits(kName, "%i%i", {edit}); }, kVnErrTooFewControls},
        {"a bad format", [&] { binder.BindEdits(kName, "%i{q}", {edit}); }, -1},
        {"a null edit", [&] { binder.BindEdits(kName, "%i", {nullptr}); }, kVnErrBadControlType},
        {"an empty bit list", [&] { binder.BindCheckBoxList(kName, "", boxes); }, kVnErrTooFewControls},
        {"a negative bit", [&] { binder.BindCheckBoxList(kName, "0,-1", boxes); }, kVnErrIndexOutOfRange},
        {"fewer boxes than bits", [&] { binder.BindCheckBoxList(kName, "0,1,2", boxes); }, kVnErrTooFewControls},
        {"fewer boxes passed than bits", [&] { binder.BindCheckBoxes(kName, "0,1", {boxes[0]}); },
         kVnErrTooFewControls},
        {"a null box", [&] { binder.BindCheckBoxes(kName, "0", {nullptr}); }, kVnErrBadControlType},
        {"a combo box without option list", [&] { binder.BindComboBox(kName, combo); }, kVnErrNoOptionList},
        {"a prefix list in one combo box", [&] { binder.BindComboBox(kPrefixed, combo); }, kVnErrTooFewControls},
        {"an item that does not exist", [&] { binder.BindLabel(9, new QLabel(&form)); }, -1},
        {"a null control", [&] { binder.BindControl(kName, nullptr); }, kVnErrBadControlType},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CodeOf(c.bind), c.code) << c.why;
        EXPECT_TRUE(binder.Bindings().empty()) << c.why;
        EXPECT_EQ(binder.Constraints().Find(edit), nullptr) << c.why;
    }
}

TEST_F(EditsTest, BitListBindsBoxesInOrder)
{
    std::vector<QCheckBox*> boxes;
    for (int k = 0; k < 9; ++k)
        boxes.push_back(new QCheckBox(&form));
    binder.BindCheckBoxList(kName, "0,1,2,3,4,5,6,7", boxes);
    const _ControlBinding_s& binding = *binder.Bindings()[0];
    EXPECT_TRUE(binding.hasBits);
    EXPECT_EQ(binding.bits, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    ASSERT_EQ(binding.controls.size(), 8u) << "only as many boxes as bits";
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(binding.controls[k].data(), boxes[k]);
}

TEST_F(EditsTest, UnbindOfAnUnboundItemChangesNothing)
{
    auto* label = new QLabel(&form);
    binder.BindLabel(kState, label);
    binder.Unbind(kName);
    EXPECT_EQ(binder.Bindings().size(), 1u);
}

// ---------------------------------------------------------------- list view

TEST_F(EditsTest, ColumnsPutHiddenItemsFirstAtZeroWidth)
{
    binder.BindListView(&list);
    EXPECT_EQ(Headers(), (std::vector<std::string>{"Secret", "Index", "Name", "State", "Prefixed"}));
    EXPECT_EQ(list.header()->sectionSize(0), 0);
    EXPECT_GT(list.header()->sectionSize(1), 0);
    EXPECT_EQ(binder.ColumnItems(), (std::vector<int>{kSecret, kIndex, kName, kState, kPrefixed}));
    EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(EditsTest, DesignedColumnsAreKept)
{
    list.setColumnCount(6);
    list.setHeaderLabels({"a", "b", "c", "d", "e", "f"});
    list.header()->resizeSection(2, 77);
    binder.BindListView(&list);
    binder.BeforeRefresh();
    EXPECT_EQ(Headers(), (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(list.header()->sectionSize(2), 77);
}

TEST_F(EditsTest, SelectingARowPutsEveryColumnBackIntoItsItem)
{
    binder.BindListView(&list);
    binder.BeforeRefresh();
    AddRow({"1", "one", "s1", "enabled", "X.1"});
    AddRow({"2", "two", "s2", "disabled", "X.2"});
    EXPECT_EQ(RowTexts(1), (std::vector<std::string>{"s2", "2", "two", "disabled", "X.2"}));

    auto* name = new QLineEdit(&form);
    binder.BindEdits(kName, "%s{l32}", {name});
    auto* secret = new QLabel(&form);
    binder.BindLabel(kSecret, secret);
    list.topLevelItem(0)->setSelected(true);
    EXPECT_EQ(Value(kSecret), "s1");
    EXPECT_EQ(Value(kState), "enabled");
    EXPECT_EQ(name->text(), "one");
    EXPECT_EQ(secret->text(), "s1");
}

TEST_F(EditsTest, MarksForASetDoNotShiftColumns)
{
    binder.BindListView(&list);
    binder.BeforeRefresh();
    AddRow({"1", "one", "s1", "enabled", "X.1"});
    // Shown, so the set carries them.
    auto* state = new QLabel(&form);
    binder.BindLabel(kState, state);
    auto* prefixed = new QLabel(&form);
    binder.BindLabel(kPrefixed, prefixed);
    list.topLevelItem(0)->setSelected(true);
    // The form leaves Name and Secret out of the set.
    binder.request.varList.Item(kName).access |= A::Invalid;
    binder.request.varList.Item(kSecret).access |= A::Invalid;
    binder.ControlsToValues();
    EXPECT_EQ(Value(kIndex), "1");
    EXPECT_EQ(Value(kState), "enabled") << "the state column still goes to the state item";
    EXPECT_EQ(Value(kPrefixed), "X.1");
}

// Without a row, what no control gives has no value, so the set leaves it
// out instead of writing 0 or "".
TEST_F(EditsTest, ControlsToValuesWithoutSelectionLeavesUnboundItemsWithoutValue)
{
    binder.BindListView(&list);
    binder.BeforeRefresh();
    AddRow({"1", "one", "s1", "enabled", "X.1"});
    auto* combo = new QComboBox(&form);
    binder.BindComboBox(kState, combo);
    combo->setCurrentIndex(0);
    binder.ControlsToValues();
    EXPECT_EQ(Value(kIndex), "(NOTDONE)");
    EXPECT_EQ(Value(kName), "(NOTDONE)");
    EXPECT_EQ(Value(kState), "disabled");
}

TEST_F(EditsTest, SelectionRunsTheFormsHandlerFirst)
{
    auto* name = new QLineEdit(&form);
    std::vector<std::string> seen;
    QObject::connect(&list, &QTreeWidget::itemSelectionChanged, &form,
                     [&] { seen.push_back("form saw '" + name->text().toStdString() + "'"); });
    binder.BindListView(&list);
    binder.BindEdits(kName, "%s", {name});
    binder.BeforeRefresh();
    seen.clear();
    AddRow({"1", "one", "s1", "enabled", "X.1"});
    list.topLevelItem(0)->setSelected(true);
    EXPECT_EQ(seen, std::vector<std::string>{"form saw ''"});
    EXPECT_EQ(name->text(), "one");

    name->setText("typed");
    list.clearSelection();
    EXPECT_EQ(seen.size(), 2u) << "a deselection reaches the form's handler";
    EXPECT_EQ(name->text(), "typed") << "and changes no control";
}

TEST_F(EditsTest, ConversionErrorOnSelectionIsShown)
{
    VnMessageBoxCapture boxes;
    binder.BindListView(&list);
    std::vector<QCheckBox*> bits;
    for (int k = 0; k < 8; ++k)
        bits.push_back(new QCheckBox(&form));
    binder.BindCheckBoxList(kName, "0,1,2,3,4,5,6,7", bits);
    binder.BeforeRefresh();
    AddRow({"1", "", "s1", "enabled", "X.1"});
    list.topLevelItem(0)->setSelected(true);
    ASSERT_EQ(boxes.Texts().size(), 1);
    EXPECT_EQ(boxes.Texts()[0].toStdString(), VnErrorText(kVnErrIndexOutOfRange));
    EXPECT_EQ(boxes.Shown()[0].owner, &form);
}

TEST_F(EditsTest, EnableOnSelectDisablesUntilARowIsChosen)
{
    struct Case {
        const char* why;
        unsigned char type;
        bool enableOnSelect;
        bool enabledAfterRefresh;
    };
    const Case cases[] = {
        {"a multi-row table waits for a selection", MVT_FMV, true, false},
        {"MVT_UMV keeps the controls enabled", MVT_UMV, true, true},
        {"without enable-on-select they stay enabled", MVT_FMV, false, true},
    };
    for (const Case& c : cases) {
        QTreeWidget view(&form);
        OpenEdits edits(&form);
        edits.request.varList = VnSNMPVarList(kRows, c.type, 1);
        edits.BindListView(&view, c.enableOnSelect);
        auto* name = new QLineEdit(&form);
        edits.BindEdits(kName, "%s", {name});
        edits.BeforeRefresh();
        edits.AddRow();
        edits.AfterRefresh();
        EXPECT_EQ(name->isEnabled(), c.enabledAfterRefresh) << c.why;
        view.topLevelItem(0)->setSelected(true);
        EXPECT_TRUE(name->isEnabled()) << c.why;
    }
}

TEST_F(EditsTest, RowWithoutListViewGoesToTheControls)
{
    auto* name = new QLineEdit(&form);
    binder.BindEdits(kName, "%s", {name});
    Value(kName) = "direct";
    binder.AddRow();
    EXPECT_EQ(name->text(), "direct");
}
