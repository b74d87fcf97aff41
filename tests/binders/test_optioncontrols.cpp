// Option lists into combo boxes and radio groups, and selecting by label or
// value.
#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "QtPrint.h"
#include "VnOptionControls.h"
#include "VnOptionList.h"
#include "VnRadioGroup.h"

namespace {

const VnIntOption kStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnStrOption kAuth[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                             {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                             {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                             {nullptr, nullptr}};

struct SelectCase {
    const char* why;
    const char* text;
    int index;
};

const SelectCase kStateCases[] = {
    {"a value that is no label selects by value", "3", 1},
    {"a label selects its entry", "enabled", 1},
    {"labels compare without case", "DISABLED", 0},
    {"neither label nor value: shown as it stands, after the list", "7", 2},
    {"the empty text selects nothing", "", -1},
    {"(NULL) selects nothing", "(NULL)", -1},
};

} // namespace

TEST(OptionControls, ComboBoxFillAndSelect)
{
    const VnOptionList states(kStates);
    QComboBox combo;
    combo.addItem("stale");
    FillComboBox(states, &combo);
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(0), "disabled");
    EXPECT_EQ(combo.itemText(1), "enabled");
    EXPECT_EQ(combo.currentIndex(), -1) << "a filled list selects nothing by itself";

    QSignalSpy changes(&combo, &QComboBox::currentIndexChanged);
    for (const SelectCase& c : kStateCases) {
        combo.setCurrentIndex(0);
        changes.clear();
        SelectComboBox(states, &combo, c.text);
        EXPECT_EQ(combo.currentIndex(), c.index) << c.why;
        EXPECT_EQ(changes.count(), 0) << "a program change fires no change handler: " << c.why;
        EXPECT_EQ(VnComboShowsRawValue(&combo), c.index == 2) << c.why;
        EXPECT_EQ(combo.count(), c.index == 2 ? 3 : 2) << "the value's entry goes with the next value: " << c.why;
    }
}

// A value the agent holds that the list does not know: the box shows it,
// not an empty box, and says it is no choice of the user's.
TEST(OptionControls, AValueOutsideTheListIsShownAsItStands)
{
    const VnOptionList states(kStates);
    QComboBox combo;
    FillComboBox(states, &combo);
    SelectComboBox(states, &combo, "5");
    EXPECT_EQ(combo.currentText(), "5");
    EXPECT_TRUE(VnComboShowsRawValue(&combo));
    combo.setCurrentIndex(1);
    EXPECT_FALSE(VnComboShowsRawValue(&combo)) << "the user's choice";
    SelectComboBox(states, &combo, "5");
    EXPECT_EQ(combo.count(), 3) << "one entry for the value, not one per showing";
    SelectComboBox(states, &combo, "(NOTDONE)");
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.count(), 2);
}

TEST(OptionControls, StringListSelectsByValue)
{
    const VnOptionList auth(kAuth);
    QComboBox combo;
    FillComboBox(auth, &combo);
    SelectComboBox(auth, &combo, "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(combo.currentText(), "SHA");
}

TEST(OptionControls, RadioGroupFillAndSelect)
{
    const VnOptionList states(kStates);
    VnRadioGroup group;
    group.SetItems({"x", "y", "z"});
    group.SetItemIndex(2);
    FillRadioGroup(states, &group);
    EXPECT_EQ(group.Items(), (QStringList{"disabled", "enabled"}));
    EXPECT_EQ(group.ItemIndex(), -1);

    for (const SelectCase& c : kStateCases) {
        group.SetItemIndex(0);
        SelectRadioGroup(states, &group, c.text);
        // A radio group has no place for a value outside its list.
        EXPECT_EQ(group.ItemIndex(), c.index == 2 ? -1 : c.index) << c.why;
    }
}

TEST(OptionControls, RadioGroupProgramChangeLikeAClick)
{
    VnRadioGroup group;
    group.SetItems({"auto", "manual", "off"});
    QSignalSpy toggled(group.Buttons(), &QButtonGroup::idToggled);
    QSignalSpy clicked(group.Buttons(), &QButtonGroup::idClicked);
    group.SetItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_GE(toggled.count(), 1);
    EXPECT_EQ(clicked.count(), 0) << "idClicked is the user's";
    group.SetItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), 2) << "an index past the end selects the last item";
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_TRUE(group.SelectedText().isEmpty());
    group.Button(0)->click();
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(OptionControls, NullControlsAndEmptyListsAreHarmless)
{
    const VnIntOption none[] = {{5, nullptr}};
    const VnOptionList empty(none);
    FillComboBox(empty, nullptr);
    SelectComboBox(empty, nullptr, "x");
    FillRadioGroup(empty, nullptr);
    SelectRadioGroup(empty, nullptr, "x");
    QComboBox combo;
    FillComboBox(empty, &combo);
    SelectComboBox(empty, &combo, "(NULL)");
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(combo.currentIndex(), -1);
    SelectComboBox(empty, &combo, "5");
    EXPECT_EQ(combo.currentText(), "5") << "an empty list still shows the value";
}
