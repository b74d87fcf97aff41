// The port VLAN dialog over the switch: the re-selecting set, the refusals
// that send nothing, and the busy rule of Refresh.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "Vlanportinfomationunit.h"
#include "qbridge_test_support.h"

using namespace qbridgetest;
using dialogtest::WaitIdle;

namespace {

class VlanPortInfo : public QBridgeSwitchTest {
protected:
    static QString SelectedPort(const TVLanPortInfomationForm& form)
    {
        const auto index = form.Request->SelectedRowIndex();
        return index ? QString::fromStdString(index->front()) : QString();
    }
};

}  // namespace

TEST_F(VlanPortInfo, OpensWithEveryBridgePortAndTheControlsDisabled)
{
    auto form = Open<TVLanPortInfomationForm>();
    EXPECT_EQ(form->windowTitle(), "VLAN Port Information Form: 127.0.0.1");
    EXPECT_EQ(form->ST_Count->text(), "74");
    EXPECT_TRUE(form->PortVLanID->text().isEmpty());
    for (QWidget* control : std::initializer_list<QWidget*>{form->PortVLanID, form->AcceptableFrameTypes,
                                                             form->IngressFiltering, form->GvrpStatus})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    QTreeWidget* list = form->LV_dot1qPortVlanEntry;
    ASSERT_TRUE(SelectRow(list, {{"Port Number", "5"}}));
    EXPECT_TRUE(form->PortVLanID->isEnabled());
    EXPECT_EQ(list->currentItem()->text(Column(list, "GVRP Last Pdu Origin")).remove(QRegularExpression("[^0-9A-Fa-f]")).toUpper(),
              "001A2B3C4D05");
}

TEST_F(VlanPortInfo, SetOnPort5SendsItsFourSettingsAndKeepsItSelected)
{
    auto form = Open<TVLanPortInfomationForm>();
    ASSERT_TRUE(SelectRow(form->LV_dot1qPortVlanEntry, {{"Port Number", "5"}}));
    form->PortVLanID->setText("20");
    form->AcceptableFrameTypes->setCurrentText("admitOnlyVLANTagged");
    form->IngressFiltering->setCurrentText("true");
    form->GvrpStatus->setCurrentText("enabled");
    form->SetBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    const std::string e = kQ + "4.5.1.";
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{
                               {e + "1.5=20", e + "2.5=2", e + "3.5=1", e + "4.5=1"}}));
    EXPECT_EQ(SelectedPort(*form), "5");
    EXPECT_EQ(form->PortVLanID->text(), "20");
    EXPECT_EQ(form->AcceptableFrameTypes->currentText(), "admitOnlyVLANTagged");
    EXPECT_TRUE(form->PortVLanID->isEnabled());
    EXPECT_EQ(form->ST_Count->text(), "74");
}

TEST_F(VlanPortInfo, RefusedSetsSendNothing)
{
    struct Case {
        const char* why;
        bool selectRow;
        const char* pvid;
    };
    const Case cases[] = {
        {"no row selected", false, "20"},
        {"a negative PVID for an unsigned column", true, "-1"},
        {"a PVID that is no number", true, "x"},
        {"a PVID past 32 bits", true, "4294967296"},
    };
    for (const Case& c : cases) {
        VnMessageBoxCapture boxes;
        auto form = Open<TVLanPortInfomationForm>();
        if (c.selectRow) {
            ASSERT_TRUE(SelectRow(form->LV_dot1qPortVlanEntry, {{"Port Number", "5"}})) << c.why;
        }
        form->PortVLanID->setEnabled(true);
        form->PortVLanID->setText(c.pvid);
        form->SetBtn->click();
        ASSERT_TRUE(WaitIdle(*form)) << c.why;
        EXPECT_TRUE(sim().sets().empty()) << c.why;
        EXPECT_EQ(boxes.Texts().size(), 1) << c.why;
        if (!c.selectRow) {
            EXPECT_EQ(boxes.Texts().value(0).toStdString(), kVnNoRowSelectedText);
        }
    }
}

TEST_F(VlanPortInfo, RefreshDuringADelayedWalkStartsNothing)
{
    auto form = Open<TVLanPortInfomationForm>();
    sim().delay(kQ + "4.5.1", 30);
    form->RefreshBtn->click();
    ASSERT_TRUE(form->Request->Busy());
    form->RefreshBtn->click();
    ASSERT_TRUE(WaitIdle(*form, 60000));
    EXPECT_EQ(form->LV_dot1qPortVlanEntry->topLevelItemCount(), 74) << "a second walk would repeat the rows";
}
