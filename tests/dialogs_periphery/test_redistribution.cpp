// The route redistribution dialog over the simulated switch: the coupling
// of the protocols with the type buttons and the metric range, the metric
// checks, and Set, Add and Delete at (source, destination) as the switch
// records them; a Set never repeats an Add's or a Delete's status.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include <set>

#include "Routeredistributformunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "periphery_test_support.h"

using namespace peripherytest;

namespace {

const std::string kEntry = "1.3.6.1.4.1.88406.11.59.5.3.5.1.";

std::string Cell(int column, const std::string& instance, int value)
{
    return kEntry + std::to_string(column) + "." + instance + "=" + std::to_string(value);
}

class Redistribution : public PeripherySwitchTest {
protected:
    std::unique_ptr<TRouteRedistributForm> Open()
    {
        auto form = std::make_unique<TRouteRedistributForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    static void SelectPair(TRouteRedistributForm& form, const char* source, const char* destination)
    {
        SelectRow(form.ListView1, {{"Source Protocol", source}, {"Destination Protocol", destination}});
    }
    static std::set<int> EnabledTypes(const TRouteRedistributForm& form)
    {
        std::set<int> enabled;
        for (int n = 1; n <= TRouteRedistributForm::kTypeButtons; ++n) {
            if (form.RadioButtons[static_cast<std::size_t>(n - 1)]->isEnabled())
                enabled.insert(n);
        }
        return enabled;
    }
};

struct Coupling {
    const char* source;
    const char* destination;
    std::set<int> enabled;
    const char* range;
};

TEST_F(Redistribution, TheProtocolsDecideTheTypesAndTheMetricRange)
{
    const Coupling cases[] = {
        {"OSPF", "RIP", {1, 2, 5, 6, 7, 8, 9, 10}, TRouteRedistributForm::kRipRange},
        {"static", "RIP", {2}, TRouteRedistributForm::kRipRange},
        {"RIP", "OSPF", {3, 4}, TRouteRedistributForm::kOspfRange},
        {"local", "RIP", {2}, TRouteRedistributForm::kRipRange},
        {"static", "OSPF", {3, 4}, TRouteRedistributForm::kOspfRange},
        // RIP into RIP changes nothing: the last coupling stays.
        {"RIP", "RIP", {3, 4}, TRouteRedistributForm::kOspfRange},
    };
    auto form = Open();
    for (const Coupling& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " into " + c.destination);
        form->ComboBox1->setCurrentText(c.source);
        form->ComboBox2->setCurrentText(c.destination);
        EXPECT_EQ(EnabledTypes(*form), c.enabled);
        EXPECT_EQ(form->Label5->text(), c.range);
    }
}

TEST_F(Redistribution, ARowChecksTheButtonOfItsType)
{
    auto form = Open();
    SelectPair(*form, "OSPF", "RIP");
    EXPECT_TRUE(form->RadioButtons[6]->isChecked());
    EXPECT_EQ(form->RadioButtons[6]->objectName(), "RadioButton7");
    EXPECT_EQ(form->ComboBox3->currentText(), "inter+E1");
    EXPECT_EQ(form->Label5->text(), TRouteRedistributForm::kRipRange);
    EXPECT_TRUE(form->DeleteBtn->isEnabled());

    SelectPair(*form, "static", "OSPF");
    EXPECT_TRUE(form->RadioButtons[2]->isChecked());
    EXPECT_EQ(form->ComboBox3->currentText(), "type-1");
    // A button checked by a click sets the type; "other" none.
    form->RadioButtons[3]->setChecked(true);
    EXPECT_EQ(form->ComboBox3->currentText(), "type-2");
    form->RadioButtons[0]->setChecked(true);
    EXPECT_EQ(form->ComboBox3->currentIndex(), -1);
}

struct MetricCase {
    const char* destination;
    const char* metric;
    const char* message;  // null: sent
};

TEST_F(Redistribution, TheMetricIsCheckedAgainstTheDestinationsRange)
{
    const MetricCase cases[] = {
        {"RIP", "17", TRouteRedistributForm::kRipOutOfBound},
        {"RIP", "16", nullptr},
        {"OSPF", "17", nullptr},
        {"OSPF", "16777214", nullptr},
        {"OSPF", "16777215", TRouteRedistributForm::kOspfOutOfBound},
        // Not a number: refused with the range, never silently.
        {"RIP", "abc", TRouteRedistributForm::kRipOutOfBound},
        {"OSPF", "1e3", TRouteRedistributForm::kOspfOutOfBound},
    };
    auto form = Open();
    for (const MetricCase& c : cases) {
        SCOPED_TRACE(std::string(c.destination) + " " + c.metric);
        sim().clearSets();
        form->ComboBox1->setCurrentText("local");
        form->ComboBox2->setCurrentText(c.destination);
        form->RadioButtons[c.destination == std::string("RIP") ? 1 : 2]->setChecked(true);
        form->Edit1->setText(c.metric);
        VnMessageBoxCapture boxes;
        form->AddBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        if (c.message) {
            EXPECT_EQ(boxes.Texts(), QStringList({c.message}));
            EXPECT_TRUE(sim().sets().empty());
            continue;
        }
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join('|').toStdString();
        const std::string instance = c.destination == std::string("RIP") ? "5.2" : "5.3";
        const int type = c.destination == std::string("RIP") ? 2 : 3;
        const std::vector<std::vector<std::string>> expected = {
            {Cell(3, instance, type), Cell(4, instance, std::stoi(c.metric)), Cell(5, instance, 4)}};
        EXPECT_EQ(SetRecord(), expected);
        sim().unset(kEntry + "3." + instance);
        sim().unset(kEntry + "4." + instance);
        sim().unset(kEntry + "5." + instance);
        // The list follows the switch: a listed pair is never added again.
        form->RefreshBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
    }
}

TEST_F(Redistribution, AnEmptyMetricOnlyMovesTheFocus)
{
    auto form = Open();
    form->activateWindow();
    form->ComboBox1->setCurrentText("local");
    form->ComboBox2->setCurrentText("RIP");
    form->Edit1->clear();
    VnMessageBoxCapture boxes;
    form->AddBtnClick();
    SelectPair(*form, "OSPF", "RIP");
    form->Edit1->clear();
    form->EditBtnClick();
    RunEvents(50);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(form->focusWidget(), form->Edit1);
}

TEST_F(Redistribution, SetAndDeleteAddressTheSelectedPair)
{
    auto form = Open();
    SelectPair(*form, "OSPF", "RIP");
    form->Edit1->setText("9");
    form->RadioButtons[4]->setChecked(true);  // internal
    form->EditBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(),
              (std::vector<std::vector<std::string>>{{Cell(3, "3.2", 5), Cell(4, "3.2", 9), Cell(5, "3.2", 1)}}));

    sim().clearSets();
    SelectPair(*form, "static", "OSPF");
    // Protocols chosen over the row are no address for Delete.
    form->ComboBox1->setCurrentText("local");
    form->Edit1->setText("7");
    form->DeleteBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(),
              (std::vector<std::vector<std::string>>{{Cell(3, "4.3", 3), Cell(4, "4.3", 100), Cell(5, "4.3", 6)}}));
    EXPECT_EQ(ColumnTexts(form->ListView1, "Source Protocol"), QStringList({"OSPF"}));
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
}

TEST_F(Redistribution, ASetAfterAddOrDeleteSendsTheRowsOwnStatus)
{
    auto form = Open();
    form->ComboBox1->setCurrentText("RIP");
    form->ComboBox2->setCurrentText("OSPF");
    form->RadioButtons[2]->setChecked(true);
    form->Edit1->setText("20");
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(),
              (std::vector<std::vector<std::string>>{{Cell(3, "2.3", 3), Cell(4, "2.3", 20), Cell(5, "2.3", 4)}}));

    // No row selected after the Add's refresh: Set sends nothing.
    sim().clearSets();
    {
        VnMessageBoxCapture boxes;
        form->EditBtnClick();
        RunEvents(50);
        EXPECT_EQ(boxes.Texts(), QStringList({kVnNoRowSelectedText}));
        EXPECT_TRUE(sim().sets().empty());
    }
    SelectPair(*form, "RIP", "OSPF");
    form->EditBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    SelectPair(*form, "OSPF", "RIP");
    form->DeleteBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    SelectPair(*form, "RIP", "OSPF");
    form->EditBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    const auto record = SetRecord();
    ASSERT_EQ(record.size(), 3u);
    EXPECT_EQ(record[0].back(), Cell(5, "2.3", 1));
    EXPECT_EQ(record[1].back(), Cell(5, "3.2", 6));
    EXPECT_EQ(record[2].back(), Cell(5, "2.3", 1));
}

// An Add the agent refuses leaves the row selected: the Set after it is
// still the row's own status, not the Add's createAndGo.
TEST_F(Redistribution, ASetAfterARefusedAddSendsTheRowsOwnStatus)
{
    sim().error(kEntry + "5.3.3", "inconsistentValue", "set");
    auto form = Open();
    SelectPair(*form, "OSPF", "RIP");
    form->ComboBox2->setCurrentText("OSPF");
    form->RadioButtons[2]->setChecked(true);
    form->AddBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    ASSERT_FALSE(form->ListView1->selectedItems().isEmpty());
    sim().clearSets();
    form->ComboBox2->setCurrentText("RIP");
    form->RadioButtons[1]->setChecked(true);
    form->EditBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(),
              (std::vector<std::vector<std::string>>{{Cell(3, "3.2", 2), Cell(4, "3.2", 5), Cell(5, "3.2", 1)}}));
}

// A selected row's protocols are its index: locked while it is selected,
// and the metric is checked against that row's destination.
TEST_F(Redistribution, ASelectedRowLocksItsProtocolsAndChecksItsOwnRange)
{
    auto form = Open();
    const auto locked = [&form] {
        return !form->ComboBox1->isEnabled() && !form->ComboBox2->isEnabled() && !form->AddBtn->isEnabled();
    };
    EXPECT_FALSE(locked());
    SelectPair(*form, "OSPF", "RIP");
    EXPECT_TRUE(locked());
    EXPECT_TRUE(form->EditBtn->isEnabled());

    // Whatever the destination combo came to show, the row is RIP's.
    form->ComboBox2->setCurrentText("OSPF");
    form->RadioButtons[2]->setChecked(true);  // type-1
    form->Edit1->setText("1000");
    VnMessageBoxCapture boxes;
    form->EditBtnClick();
    RunEvents(50);
    EXPECT_EQ(boxes.Texts(), QStringList({TRouteRedistributForm::kRipOutOfBound}));
    EXPECT_TRUE(sim().sets().empty());

    form->ListView1->clearSelection();
    EXPECT_FALSE(locked());
    SelectPair(*form, "static", "OSPF");
    EXPECT_TRUE(locked());
    form->RefreshBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_FALSE(locked());
}

TEST_F(Redistribution, DeleteFollowsTheSelectionAlsoAfterARefresh)
{
    auto form = Open();
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    SelectPair(*form, "OSPF", "RIP");
    EXPECT_TRUE(form->DeleteBtn->isEnabled());
    form->RefreshBtnClick();
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    ASSERT_TRUE(WaitIdle(*form));
    VnMessageBoxCapture boxes;
    form->DeleteBtnClick();
    RunEvents(50);
    EXPECT_TRUE(sim().sets().empty());
}

}  // namespace
